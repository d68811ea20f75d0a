#pragma once
// One run of the real program: started with a chosen show state, ended when the object goes.
#include <windows.h>

#include <string_view>

#include <string>

namespace e2e {

class Program {
  public:
    // Starts the program file named by the environment variable QC_E2E_EXE with `showWindow`
    // as the show state the desktop passes; Failure() tells why when it could not start.
    explicit Program(WORD showWindow);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return failure_.empty(); }
    const std::string& Failure() const { return failure_; }

    // Waits until the program has made its main window (class TForm1) and its application
    // window (class TApplication); true when both exist.
    bool WaitForWindows();
    // Waits until the main window is visible as well.
    bool WaitUntilShown();

    HWND Main() const { return main_; }
    HWND Application() const { return application_; }
    // The program's control of the layout's row `name`, found by its control identifier.
    HWND Control(std::string_view name) const;
    DWORD Pid() const { return info_.dwProcessId; }
    HANDLE Process() const { return info_.hProcess; }
    bool Running() const;

  private:
    PROCESS_INFORMATION info_{};
    std::string failure_;
    HWND main_ = nullptr;
    HWND application_ = nullptr;
};

}  // namespace e2e
