#pragma once
// The fixture of every scenario: a fresh run of the program, helpers that act as the user, and
// a screenshot of the program's windows for the artefacts when the scenario ends.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "win32/Program.h"

namespace e2e {

class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The show state the desktop passes at start; scenarios about start states override it.
    virtual WORD ShowState() const { return SW_SHOWNORMAL; }
    // Whether SetUp waits for the main window to be shown (not so for a minimised start).
    virtual bool ExpectShown() const { return true; }

    Program& program() { return *program_; }
    HWND Control(std::string_view name) const;
    std::string Text(std::string_view name) const;

    // Polls until control `name` shows `expected`; the failure message gives the last text seen.
    ::testing::AssertionResult Shows(std::string_view name, const std::string& expected) const;
    ::testing::AssertionResult CaptionIs(const std::string& expected) const;

    // Selects the whole text of edit `name` (so the next key replaces it) and types `keys`.
    void Replace(std::string_view name, const std::string& keys);
    // Types `keys` at the caret of edit `name`.
    void Type(std::string_view name, const std::string& keys);
    // Selects the whole text of edit `name` and deletes it with the Delete key.
    void Empty(std::string_view name);

    // Waits until the program has taken every key and message sent to it so far and gone idle:
    // the keys reach it through the input queue in their own time.
    void WaitUntilIdle() const;
    // Clicks the centre of control `name` and waits until the program has handled the press and
    // the release: a control holds the mouse until then, and a click sent before would reach it
    // again, wherever the pointer is.
    ::testing::AssertionResult ClickAndWait(std::string_view name) const;
    // The key presses and releases the program's message loop has taken so far, as the program
    // reports them; keys sent reach it in their own time, after messages sent later.
    unsigned long KeysTaken() const;
    // Waits until the program has taken `count` keys more than `before`, or shows an error box
    // (whose own loop takes the keys then); false if neither happens in time.
    bool WaitForKeys(unsigned long before, int count) const;

    // Expects the error box with `message`, the program's title and the stop icon, and presses
    // its OK button.
    void ExpectErrorAndDismiss(const std::string& message);
    void ExpectNoErrorBox();

    // Waits for the program to end and gives its exit code; nothing if it still runs. A
    // scenario that ends the program calls this, so the end is not taken for a crash.
    std::optional<DWORD> WaitForExit();

    // Saves the program's visible windows to the artefact folder as <test>-<suffix>.bmp.
    void SaveScreenshot(const std::string& suffix);

  private:
    std::unique_ptr<Program> program_;
    bool endExpected_ = false;
};

}  // namespace e2e
