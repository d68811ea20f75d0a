#include "toolkit/win32/WindowClasses.h"

#include "base/Exception.h"
#include "toolkit/win32/WindowObject.h"

void RegisterToolkitClasses(HINSTANCE instance) {
    for (const char* name : {kPanelClass, kImageClass}) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = TWindowObject::ClassProcedure();
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        RegisterClassExA(&wc);
    }
}

std::string FormClass(std::string_view formName) {
    std::string className(1, 'T');
    className.append(formName);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(instance, className.c_str(), &wc))
        return className;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = TWindowObject::ClassProcedure();
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "MAINICON");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className.c_str();
    if (!RegisterClassExA(&wc))
        throw Exception("Cannot register the window class");
    return className;
}
