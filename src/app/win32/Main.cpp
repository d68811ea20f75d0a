// The program's entry point: the application object, its title, the main window, the message
// loop; every error that escapes start-up is shown and the program still returns 0.
#include <windows.h>

#include "app/win32/ErrorDisplay.h"
#include "base/Exception.h"
#include "convert/win32/RegionalSettingsReader.h"
#include "toolkit/win32/Application.h"
#include "toolkit/win32/Form.h"
#include "ui/win32/Form1.h"

namespace {

enum class StartState { Normal, Maximized, Minimized };

// The show state the desktop passed at start.
StartState StartStateFromDesktop() {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    GetStartupInfoA(&si);
    if (!(si.dwFlags & STARTF_USESHOWWINDOW))
        return StartState::Normal;
    switch (si.wShowWindow) {
        case SW_SHOWMAXIMIZED:
            return StartState::Maximized;
        case SW_SHOWMINNOACTIVE:
            return StartState::Minimized;
        default:
            return StartState::Normal;
    }
}

void RunMessageLoop(TApplication& app) {
    TForm* mainForm = app.MainForm();
    if (!mainForm)
        return;
    const StartState state = StartStateFromDesktop();
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);
    if (state == StartState::Minimized) {
        app.Minimize();
    } else {
        ShowWindow(mainForm->Handle(),
                   state == StartState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        SetForegroundWindow(mainForm->Handle());
    }
    while (!app.Terminated()) {
        try {
            if (!app.ProcessMessage())
                app.Idle();
        } catch (...) {
            HandleError(&app, std::current_exception());
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TApplication application;
    application.SetErrorRoutine(HandleError);
    application.SetOnRegionalSettingsChange([] {
        ReadRegionalSettings();
        if (Form1)
            Form1->RegionalSettingsChanged();
    });
    try {
        ReadRegionalSettings();
        application.Initialize();
        application.SetTitle("Quorlin Conversion");
        application.CreateForm(Form1);
        RunMessageLoop(application);
    } catch (const Exception& e) {
        ShowError(e);
    } catch (...) {
        ShowError(Exception(""));
    }
    return 0;
}
