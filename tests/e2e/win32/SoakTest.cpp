// A long run of random user actions against the real window, seeded and replayable:
//   QC_SOAK_ACTIONS (default 1000; make soak runs 20000) and QC_SOAK_SEED (default 1).
// After every action the panel acted on is checked against the panels' rules (PanelModel.h),
// every error box against the program's exact message and form (and closed by Enter), and the
// program must answer within 2 s. The program's resident memory is sampled through the run and
// may not grow by more than 1 MB after the first tenth beyond what its pastes cost the system's
// own clipboard and edit code (measured in the same run); its own heap and the handles it owns,
// which it reports on private messages, must be as large at the end as after the first tenth.
// Exit ends it with 0.
#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "toolkit/win32/Handles.h"
#include "win32/Clipboard.h"
#include "win32/ErrorBox.h"
#include "win32/Input.h"
#include "win32/PanelModel.h"
#include "win32/ProgramTest.h"
#include "win32/Tray.h"
#include "win32/Wait.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

using namespace model;

constexpr std::chrono::milliseconds kAnswer{2000};

int EnvironmentNumber(const char* name, int fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::atoi(text) : fallback;
}

enum class Panel { None, Date, Time, Char };

struct Field {
    const char* name;
    Panel panel;
};
const Field kFields[] = {
    {"PickDate", Panel::Date},    {"SysDate", Panel::Date}, {"PTime", Panel::Time},
    {"Hr", Panel::Time},          {"Min", Panel::Time},     {"Sec", Panel::Time},
    {"editAscii", Panel::Char},   {"editDec", Panel::Char}, {"editHex", Panel::Char},
    {"editControl", Panel::Char},
};

// Texts a user pastes: long, hostile, or merely odd.
std::vector<std::string> PasteTexts() {
    std::string high;
    for (int c = 128; c < 256; ++c)
        high += static_cast<char>(c);
    return {"%s%n%x%p%d",
            high,
            std::string(12000, '7'),
            "2147483648",
            " -5",
            "0x7fffffff",
            "-2147483648",
            "12\t3",
            "x1F",
            "",
            "99999",
            "abc",
            std::string(3000, 'z'),
            "$",
            "0065"};
}

class Soak : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        if (HasFatalFailure())
            return;
        hidden_ = HiddenWindowOf(program().Pid());
        liveHandles_ = RegisterWindowMessageA(kLiveHandlesMessage);
        heapInUse_ = RegisterWindowMessageA(kHeapInUseMessage);
        ASSERT_TRUE(WaitUntil([] { return NotificationIcons().size() == 1U; }));
    }

    // Every action, and what the check of it found, for a failure's report.
    std::string trail_;
    std::vector<std::string> history_;

    static std::string Joined(const std::vector<std::string>& actions) {
        std::string out;
        for (const std::string& a : actions)
            out += (out.empty() ? "" : "; ") + a;
        return out;
    }
    std::mt19937 random_;
    HWND hidden_ = nullptr;
    UINT liveHandles_ = 0;
    UINT heapInUse_ = 0;
    int pastesMade_ = 0;

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }

    bool Answers() {
        DWORD_PTR result = 0;
        return SendMessageTimeoutA(program().Main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG,
                                   static_cast<UINT>(kAnswer.count()), &result) != 0;
    }

    std::vector<int> HandleCounts() {
        std::vector<int> counts;
        for (std::size_t kind = 0; kind < static_cast<std::size_t>(HandleKind::Count); ++kind) {
            DWORD_PTR result = 0;
            SendMessageTimeoutA(program().Application(), liveHandles_, kind, 0, SMTO_ABORTIFHUNG,
                                2000, &result);
            counts.push_back(static_cast<int>(result));
        }
        return counts;
    }

    // The bytes the program's own heap holds in use, as the program reports them.
    SIZE_T HeapInUse() {
        DWORD_PTR result = 0;
        SendMessageTimeoutA(program().Application(), heapInUse_, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &result);
        return static_cast<SIZE_T>(result);
    }

    SIZE_T ResidentMemory() {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        GetProcessMemoryInfo(program().Process(), &counters, sizeof counters);
        return counters.WorkingSetSize;
    }

    // Where Tab (or Shift+Tab) takes the focus from where it is now: the window's tab order,
    // the About panel being closed; the field there, if it is one of the panels'.
    const Field* TabTarget(bool back) {
        static const char* const kOrder[] = {
            "Calendar",  "PickDate", "SysDate", "PTime",       "Hr",      "Min",    "Sec",
            "editAscii", "editDec",  "editHex", "editControl", "Button1", "Button2"};
        const int count = static_cast<int>(std::size(kOrder));
        const HWND focus = FocusedWindowOf(program().Main());
        int at = -1;
        for (int i = 0; i < count; ++i) {
            if (Control(kOrder[i]) == focus || IsChild(Control(kOrder[i]), focus))
                at = i;
        }
        const int next = at < 0 ? (back ? count - 1 : 0) : (at + (back ? count - 1 : 1)) % count;
        for (const Field& f : kFields) {
            if (std::string(f.name) == kOrder[next])
                return &f;
        }
        return nullptr;
    }

    // Waits until `holds` is true of the program's texts, the program having had its chance to
    // take the action's keys; the error box an action may raise is met by `expectBox`.
    ::testing::AssertionResult Settles(const std::function<std::string()>& mismatch) {
        std::string last;
        if (WaitUntil([&] { return (last = mismatch()).empty(); }, kAnswer))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << last;
    }

    // Closes the box if one is open, checking its message against `expected` (empty: none was
    // due). True when there was one.
    bool MeetErrorBox(const std::string& expected) {
        HWND box = nullptr;
        if (!expected.empty()) {
            WaitUntil([&] { return !VisibleErrorBoxes(program().Pid()).empty(); }, kAnswer);
        }
        const auto boxes = VisibleErrorBoxes(program().Pid());
        if (boxes.empty()) {
            EXPECT_TRUE(expected.empty())
                << "no error box within 2 s; due: " << expected.substr(0, 80);
            return false;
        }
        box = boxes.front();
        const std::string message = ErrorBoxMessage(box);
        EXPECT_EQ(message.size() < 200 ? message : message.substr(0, 200) + "...",
                  expected.size() < 200 ? expected : expected.substr(0, 200) + "...")
            << trail_;
        EXPECT_EQ(message.size(), expected.size()) << "the message is not exact";
        EXPECT_EQ(TextOf(box), "Quorlin Conversion");
        EXPECT_EQ(ErrorBoxButtons(box), std::vector<int>{IDOK});
        SetForegroundWindow(box);
        PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }, kAnswer))
            << "the error box did not close by Enter";
        // The focus comes back to the window as the box returns, a moment after it has gone.
        EXPECT_TRUE(WaitUntil(
            [&] { return IsChild(program().Main(), FocusedWindowOf(program().Main())); }, kAnswer))
            << "the focus did not come back after the error box";
        return true;
    }

    // The rules of the panel whose field `source` had the last key release, as the program's
    // texts must now show them; empty when they hold, else what is wrong.
    std::string Mismatch(const Field& source, std::string& errorDue) {
        errorDue.clear();
        const std::string text = Text(source.name);
        switch (source.panel) {
            case Panel::Date: {
                const bool pick = std::string(source.name) == "PickDate";
                const std::string pickDate = Text("PickDate"), sysDate = Text("SysDate");
                if (text.empty())
                    return "";  // refilled from the picker: checked by the next entry
                const auto v = IntegerOf(text);
                if (!v) {
                    errorDue = NotAnInteger(text);
                    return "";
                }
                const std::int64_t serial = pick ? *v + kPickEpochOffset : *v;
                if (!pick && Text("PickDate") != std::to_string(serial - kPickEpochOffset))
                    return "PickDate is " + pickDate + " for SysDate " + text;
                if (serial < kFirstPickerDay || serial > kLastPickerDay) {
                    // The picker refuses the day; a Pick day beyond it may not even be an integer.
                    const std::string shown = std::to_string(serial - kPickEpochOffset);
                    errorDue = pick || IntegerOf(shown) ? "Failed to set calendar date or time."
                                                        : NotAnInteger(shown);
                    return "";
                }
                if (pick && sysDate != std::to_string(serial))
                    return "SysDate is " + sysDate + " for PickDate " + text;
                return "";
            }
            case Panel::Time: {
                const std::string hr = Text("Hr"), min = Text("Min"), sec = Text("Sec");
                if (std::string(source.name) == "PTime") {
                    if (text.empty())
                        return "";
                    const auto v = IntegerOf(text);
                    if (!v) {
                        errorDue = NotAnInteger(text);
                        return "";
                    }
                    const std::int32_t h = *v / 3600, r = *v - h * 3600, m = r / 60, s = r - m * 60;
                    if (hr != std::to_string(h) || min != std::to_string(m) ||
                        sec != std::to_string(s))
                        return "Hr, Min, Sec are " + hr + ", " + min + ", " + sec + " for PTime " +
                               text;
                    return "";
                }
                if (hr.empty() || min.empty() || sec.empty())
                    return "an empty field was not given 0";
                auto count = [](const std::string& t) {
                    return std::int64_t{IntegerOf(t).value_or(0)};
                };
                const std::int64_t total = count(hr) * 3600 + count(min) * 60 + count(sec);
                if (Text("PTime") != std::to_string(total))
                    return "PTime is " + Text("PTime").substr(0, 40) + " for " + hr.substr(0, 20) +
                           " h " + min.substr(0, 20) + " m " + sec.substr(0, 20) + " s";
                return "";
            }
            case Panel::Char: {
                const std::string ascii = Text("editAscii"), dec = Text("editDec"),
                                  hex = Text("editHex"), binary = Text("editBinary"),
                                  ctrl = Text("editControl");
                const std::string name = source.name;
                std::int32_t v = 0;
                if (name == "editAscii") {
                    if (ascii.size() > 1)
                        return "Ascii holds " + std::to_string(ascii.size()) + " characters";
                    if (ascii.empty())
                        return dec.empty() && hex.empty() && binary.empty() && ctrl.empty()
                                   ? ""
                                   : "an empty Ascii left other fields";
                    v = static_cast<unsigned char>(ascii[0]);
                    if (!ctrl.empty())
                        return "Ctrl is not emptied by Ascii";
                } else {
                    if (text.empty()) {
                        return ascii.empty() && dec.empty() && hex.empty() && binary.empty() &&
                                       ctrl.empty()
                                   ? ""
                                   : "an emptied field left others";
                    }
                    if (name == "editDec") {
                        const auto parsed = IntegerOf(dec);
                        if (!parsed) {
                            errorDue = NotAnInteger(dec);
                            return "";
                        }
                        v = *parsed;
                    } else if (name == "editHex") {
                        // Hex is rewritten in its canonical form: the value is Dec's, which
                        // must be the canonical Hex's.
                        const auto parsed = IntegerOf(dec);
                        if (!parsed)
                            return "Dec is " + dec + " for Hex " + hex;
                        v = *parsed;
                    } else {  // editControl
                        v = static_cast<unsigned char>(ctrl[0]) - 64;
                        if (!ascii.empty())
                            return "Ascii is not emptied by Ctrl";
                    }
                    if (name != "editAscii" && name != "editControl") {
                        const std::string wantAscii =
                            v >= 32 && v < 128 ? std::string(1, static_cast<char>(v)) : "";
                        const std::string wantCtrl = v < 32 ? ControlLetter(v) : "";
                        if (ascii != wantAscii || ctrl != wantCtrl)
                            return "Ascii/Ctrl are '" + ascii + "'/'" + ctrl + "' for " +
                                   std::to_string(v);
                    }
                }
                if (name != "editDec" && dec != std::to_string(v))
                    return "Dec is " + dec + " for " + std::to_string(v);
                if (hex != HexText(v))
                    return "Hex is " + hex + " for " + std::to_string(v);
                if (binary != BinaryText(v))
                    return "Binary is '" + binary + "' for " + std::to_string(v);
                return "";
            }
            case Panel::None:
                break;
        }
        return "";
    }

    // Checks the panel of the field the last key release reached, then meets any error box.
    void CheckAfter(const Field* source) {
        ASSERT_TRUE(Answers()) << "the program did not answer within 2 s; " << trail_;
        if (!source) {
            MeetErrorBox("");
            return;
        }
        std::string errorDue;
        std::string wrong;
        // The program takes the keys in its own time: the rules must come to hold.
        WaitUntil(
            [&] {
                if (!VisibleErrorBoxes(program().Pid()).empty())
                    return true;
                wrong = Mismatch(*source, errorDue);
                return wrong.empty() && errorDue.empty();
            },
            kAnswer);
        if (VisibleErrorBoxes(program().Pid()).empty()) {
            wrong = Mismatch(*source, errorDue);
        } else {
            Mismatch(*source, errorDue);
        }
        ASSERT_TRUE(wrong.empty()) << wrong << "; " << trail_;
        MeetErrorBox(errorDue);
        ASSERT_FALSE(HasFailure()) << trail_;
    }

    void Act(const std::vector<std::string>& pastes) {
        if (!trail_.empty())
            history_.push_back(trail_);
        if (history_.size() > 4)
            history_.erase(history_.begin());
        const auto open = VisibleErrorBoxes(program().Pid());
        ASSERT_TRUE(open.empty()) << "an error box is open after: " << Joined(history_) << ": "
                                  << ErrorBoxMessage(open.front()).substr(0, 80);
        static const char kTyped[] = "0123456789012345678901234567890123456789-+ $xXabcfgzJ@_#.";
        const int kind = Pick(100);
        const Field& field = kFields[Pick(static_cast<int>(std::size(kFields)))];
        if (kind < 45) {
            const char c = kTyped[Pick(static_cast<int>(sizeof kTyped - 1))];
            trail_ = std::string("type '") + c + "' into " + field.name;
            ASSERT_TRUE(FocusControl(Control(field.name)));
            if (Pick(4) == 0)
                SendMessageA(Control(field.name), EM_SETSEL, 0, -1);
            const unsigned long before = KeysTaken();
            TypeText(std::string(1, c));
            ASSERT_TRUE(WaitForKeys(before, KeyMessagesOf(std::string(1, c)))) << trail_;
            CheckAfter(&field);
        } else if (kind < 65) {
            static const WORD kKeys[] = {VK_BACK,  VK_BACK, VK_DELETE, VK_LEFT,
                                         VK_RIGHT, VK_HOME, VK_END};
            const WORD key = kKeys[Pick(static_cast<int>(std::size(kKeys)))];
            trail_ = "key " + std::to_string(key) + " in " + field.name;
            ASSERT_TRUE(FocusControl(Control(field.name)));
            const unsigned long before = KeysTaken();
            PressKey(key);
            ASSERT_TRUE(WaitForKeys(before, 2)) << trail_;
            CheckAfter(&field);
        } else if (kind < 75) {
            const bool back = Pick(3) == 0;
            trail_ = back ? "Shift+Tab" : "Tab";
            const Field* target = TabTarget(back);
            // Keys go to the foreground window, which a window shown again may not have taken
            // back yet; the focus inside the program stays where it is.
            const HWND main = program().Main();
            ASSERT_TRUE(WaitUntil([&] {
                if (GetForegroundWindow() != main)
                    SetForegroundWindow(main);
                return GetForegroundWindow() == main;
            })) << "the program is not in front for "
                << trail_;
            const unsigned long before = KeysTaken();
            if (back) {
                PressChord(VK_SHIFT, VK_TAB);
            } else {
                PressKey(VK_TAB);
            }
            ASSERT_TRUE(WaitForKeys(before, back ? 4 : 2)) << trail_;
            CheckAfter(target);
        } else if (kind < 87) {
            Paste(field, pastes[static_cast<std::size_t>(Pick(static_cast<int>(pastes.size())))]);
        } else if (kind < 93) {
            ClickDiff();
        } else if (kind < 97) {
            AboutAndClose();
        } else {
            MinimiseAndRestore();
        }
    }

    void Paste(const Field& field, const std::string& text) {
        ++pastesMade_;
        trail_ = "paste " + std::to_string(text.size()) + " bytes '" + text.substr(0, 12) +
                 "' into " + field.name;
        ASSERT_TRUE(PutTextOnClipboard(text));
        ASSERT_TRUE(FocusControl(Control(field.name)));
        SendMessageA(Control(field.name), EM_SETSEL, 0, -1);
        // The field's own clipboard menu pastes without typing; the release of End (a key that
        // types nothing and is refused where keys are) then converts it.
        SendMessageA(Control(field.name), WM_PASTE, 0, 0);
        const unsigned long before = KeysTaken();
        PressKey(VK_END);
        ASSERT_TRUE(WaitForKeys(before, 2)) << trail_;
        CheckAfter(&field);
    }

    void ClickDiff() {
        trail_ = "click Diff";
        ASSERT_TRUE(ClickAndWait("Diff"));
        CheckAfter(nullptr);
        ASSERT_TRUE(WaitUntil([&] { return Text("Diff").find(" = ") != std::string::npos; }))
            << "Diff shows " << Text("Diff");
    }

    void AboutAndClose() {
        trail_ = "About, then Close";
        ASSERT_TRUE(ClickAndWait("Button2"));
        ASSERT_TRUE(CaptionIs("About Zelvor"));
        ASSERT_TRUE(ClickAndWait("Button3"));
        ASSERT_TRUE(CaptionIs("Quorlin Conversions"));
        CheckAfter(nullptr);
    }

    void MinimiseAndRestore() {
        trail_ = "minimise, then restore from the icon";
        DWORD_PTR result = 0;
        ASSERT_NE(SendMessageTimeoutA(program().Main(), WM_SYSCOMMAND, SC_MINIMIZE, 0,
                                      SMTO_ABORTIFHUNG, 2000, &result),
                  0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(program().Main()); }));
        PostDoubleClick(hidden_, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK);
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(program().Main()) != FALSE; }));
        CheckAfter(nullptr);
    }

    // Resident memory grows with the pastes of new clipboard text, by a kilobyte or so each,
    // inside the system's own clipboard and edit code, while the program's own heap and its
    // handles stay exactly the same. What a paste costs there is measured here, in the same run,
    // on pastes drawn like the run's own, so that it can be allowed for.
    double ResidentGrowthPerPaste(const std::vector<std::string>& pastes) {
        constexpr int kPastes = 200;
        const SIZE_T before = ResidentMemory();
        for (int i = 0; i < kPastes; ++i) {
            const Field& field = kFields[Pick(static_cast<int>(std::size(kFields)))];
            Paste(field, pastes[static_cast<std::size_t>(Pick(static_cast<int>(pastes.size())))]);
            if (HasFatalFailure())
                return 0;
        }
        const SIZE_T after = ResidentMemory();
        return after > before ? static_cast<double>(after - before) / kPastes : 0.0;
    }

    // Every kind of action once, every paste in every field: what the program first does only
    // once (the About panel made, a long text laid out) is done before its memory is measured.
    void WarmUp(const std::vector<std::string>& pastes) {
        AboutAndClose();
        MinimiseAndRestore();
        ClickDiff();
        for (const Field& field : kFields) {
            for (const std::string& text : pastes)
                ASSERT_NO_FATAL_FAILURE(Paste(field, text));
        }
    }
};

TEST_F(Soak, RandomActionsKeepThePanelsRightAndNothingGrows) {
    const int actions = EnvironmentNumber("QC_SOAK_ACTIONS", 1000);
    const int seed = EnvironmentNumber("QC_SOAK_SEED", 1);
    random_.seed(static_cast<std::mt19937::result_type>(seed));
    const auto pastes = PasteTexts();
    std::printf("soak: %d actions, seed %d\n", actions, seed);

    ASSERT_NO_FATAL_FAILURE(WarmUp(pastes));
    const double perPaste = ResidentGrowthPerPaste(pastes);
    ASSERT_FALSE(HasFatalFailure());
    std::vector<int> warmHandles;
    SIZE_T warmMemory = 0;
    SIZE_T warmHeap = 0;
    int warmPastes = 0;
    SIZE_T highestMemory = 0;
    for (int i = 0; i < actions; ++i) {
        SCOPED_TRACE("action " + std::to_string(i) + " of seed " + std::to_string(seed));
        ASSERT_NO_FATAL_FAILURE(Act(pastes));
        if (i == actions / 10) {
            warmHandles = HandleCounts();
            warmMemory = ResidentMemory();
            warmHeap = HeapInUse();
            warmPastes = pastesMade_;
        } else if (i > actions / 10 && i % 20 == 0) {
            highestMemory = std::max(highestMemory, ResidentMemory());
        }
    }
    highestMemory = std::max(highestMemory, ResidentMemory());
    const SIZE_T heap = HeapInUse();
    const int pastesAfter = pastesMade_ - warmPastes;
    const auto pasteAllowance = static_cast<SIZE_T>(perPaste * pastesAfter);
    std::printf(
        "soak: resident memory %lu KB after the warm-up, highest %lu KB after it; "
        "%d pastes after it at %.0f bytes each in the system's code\n",
        static_cast<unsigned long>(warmMemory / 1024),
        static_cast<unsigned long>(highestMemory / 1024), pastesAfter, perPaste);
    std::printf("soak: the program's own heap %lu bytes after the warm-up, %lu at the end\n",
                static_cast<unsigned long>(warmHeap), static_cast<unsigned long>(heap));
    EXPECT_LE(highestMemory, warmMemory + 1024 * 1024 + pasteAllowance)
        << "the program grew by more than 1 MB beyond what its pastes cost the system";
    EXPECT_LE(heap, warmHeap + 64 * 1024) << "the program's own heap grew";
    EXPECT_EQ(HandleCounts(), warmHandles) << "the handles the window owns changed";

    PressChord(VK_MENU, 'X');
    const auto code = WaitForExit();
    ASSERT_TRUE(code.has_value()) << "Exit did not end the program";
    EXPECT_EQ(*code, 0U);
}

}  // namespace
}  // namespace e2e
