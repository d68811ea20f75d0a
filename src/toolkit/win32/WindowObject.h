#pragma once
// The one bridge from Windows to the objects behind the program's windows. An object is stored on
// its window as the window is made (or as a system control is subclassed: its window procedure
// replaced by the program's), every message of the window goes to the object's HandleMessage, and
// an error escaping it never crosses back into Windows: it goes to the application's error routine
// and the message ends with 0.

#include <windows.h>

class TControl;

class TWindowObject {
  public:
    TWindowObject() = default;
    virtual ~TWindowObject();
    TWindowObject(const TWindowObject&) = delete;
    TWindowObject& operator=(const TWindowObject&) = delete;

    // The window; null before it is made and once it is gone. Whether the object owns it is the
    // derived class's business.
    HWND Handle() const { return handle_; }
    // The object behind a window made by the program, or null.
    static TWindowObject* FromHandle(HWND window);
    // The window procedure of every window class the program registers.
    static WNDPROC ClassProcedure() { return ClassProc; }
    // The control this object is, if it is one.
    virtual TControl* AsControl() { return nullptr; }

  protected:
    // Makes a window of a class registered with ClassProcedure(); its messages reach this object
    // from WM_NCCREATE on. Null when the desktop refuses.
    HWND CreateObjectWindow(DWORD exStyle, const char* className, const char* text, DWORD style,
                            int x, int y, int width, int height, HWND parent, HMENU menu);
    // Makes a window of a system class and subclasses it, so its messages reach this object
    // before the class's own procedure. Null when the desktop refuses.
    HWND CreateSubclassedWindow(DWORD exStyle, const char* className, const char* text, DWORD style,
                                int x, int y, int width, int height, HWND parent, HMENU menu);

    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
    // What the window would do without this object: the subclassed class's own procedure, or the
    // desktop's default.
    LRESULT DefaultHandling(UINT msg, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK ClassProc(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND window);
    void Detach(HWND window);
    LRESULT Dispatch(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    // A subclassed system control's own procedure; null for the program's own classes.
    WNDPROC classProc_ = nullptr;
};

// Passes the exception being handled to the application's error routine (nothing when there is
// no application). Call only inside a catch block.
void RouteWindowError(void* sender);
