// The calendar panel over a view whose picker shows the days a real one can, fed random
// sequences of starts under a random clock, days picked by the user, texts typed or pasted into
// PickDate and SysDate and released, clicks on Diff, typed characters and changes of the regional
// settings. Only the program's own errors escape (EConvertError naming the text, the picker's
// refusal), each leaving the fields as the rules say; the picker always holds a day it can show
// with its time of day kept; PickDate, SysDate and the picker agree after every refresh, and Diff
// shows the difference from the reference date once it is set, "Difference" before.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Calendar.h"
#include "base/Clock.h"
#include "base/DateTime.h"
#include "base/Exception.h"
#include "convert/DatePanel.h"
#include "convert/DateText.h"
#include "convert/IntegerText.h"
#include "convert/RegionalSettings.h"
#include "toolkit/DatePickerRange.h"

namespace {

using F = DateField;
constexpr const char* kRefusal = "Failed to set calendar date or time";

// The picker keeps its time of day and refuses a day it cannot show.
class FakeDateView : public FuzzPanelView<DateField, 3, DatePanelView> {
  public:
    TDateTime PickerValue() const override { return value; }
    void SetPickerDay(std::int32_t daySerial) override {
        if (!PickerCanShowDay(daySerial)) {
            throw ECommonCalendarError(kRefusal);
        }
        value = ValueOf(daySerial);
    }
    // A day's value: its serial with the time of day added, or taken away before day 0.
    TDateTime ValueOf(std::int64_t day) const {
        const auto whole = static_cast<TDateTime>(day);
        return day >= 0 ? whole + timeOfDay : whole - timeOfDay;
    }

    TDateTime timeOfDay = 0.7078606019;
    TDateTime value = 39226.7078606019;
};

std::string Show(const FakeDateView& view) {
    return "PickDate " + Escaped(view.texts[0]) + " SysDate " + Escaped(view.texts[1]) + " Diff " +
           Escaped(view.texts[2]) + " picker " + std::to_string(view.value);
}

struct Run {
    FakeDateView view;
    TDateTime reference = 0;  // as the window constructs it
    DatePanel panel{view, reference};
    LocalClockReading now;
};

template <class Detail>
void CheckPicker(const Run& run, const Detail& context) {
    const std::int64_t day = WholeDayOf(run.view.value);
    FuzzCheck(PickerCanShowDay(day) && run.view.value == run.view.ValueOf(day),
              "the picker holds a day it can show, with its time of day", context);
}

// After a refresh the edits show the picked day and Diff the difference from the reference.
template <class Detail>
void CheckRefreshed(const Run& run, const Detail& context) {
    const std::int64_t day = WholeDayOf(run.view.value);
    FuzzCheck(run.view.texts[0] == std::to_string(day - PICK_EPOCH_OFFSET) &&
                  run.view.texts[1] == std::to_string(day),
              "PickDate and SysDate show the picked day", context);
    const std::string diff = run.reference == SentinelDate()
                                 ? "Difference"
                                 : DateToText(run.reference) + " to " + DateToText(run.view.value) +
                                       " = " + std::to_string(day - WholeDayOf(run.reference)) +
                                       " days";
    FuzzCheck(run.view.texts[2] == diff, "Diff shows the difference from the reference",
              [&] { return DetailText(context) + " expected " + Escaped(diff); });
}

// Runs an operation that may raise only the program's own errors; true when it raised.
template <class Operation>
bool Raised(Operation operation, std::string& message) {
    try {
        operation();
        return false;
    } catch (const EConvertError& error) {
        message = error.Message();
    } catch (const ECommonCalendarError& error) {
        message = error.Message();
    }
    return true;
}

void CheckKeyUp(Run& run, F field) {
    const FakeDateView before = run.view;
    const auto context = [&] { return "before " + Show(before); };
    const std::string text = before.texts[static_cast<std::size_t>(field)];
    std::string message;
    const bool raised =
        Raised([&] { field == F::PickDate ? run.panel.PickDateKeyUp() : run.panel.SysDateKeyUp(); },
               message);
    const auto shown = [&] { return "after " + Show(run.view) + ", " + context(); };
    CheckPicker(run, shown);
    if (text.empty()) {
        FuzzCheck(!raised, "an emptied edit refreshes the panel", shown);
        CheckRefreshed(run, shown);
        return;
    }
    std::int64_t typed = 0;
    try {
        typed = TextToInteger(text);
    } catch (const EConvertError&) {
        FuzzCheck(raised && message == "'" + text + "' is not a valid integer value" &&
                      run.view.texts == before.texts && run.view.value == before.value,
                  "a text that is no integer is refused, naming it, and changes nothing", shown);
        return;
    }
    const std::int64_t serial = field == F::PickDate ? typed + PICK_EPOCH_OFFSET : typed;
    FuzzCheck(run.view.texts[2] == before.texts[2], "a typed day leaves Diff as it was", shown);
    if (field == F::SysDate) {
        const std::string pickText = std::to_string(serial - PICK_EPOCH_OFFSET);
        FuzzCheck(run.view.texts[0] == pickText && run.view.texts[1] == text,
                  "SysDate writes its Pick day first", shown);
        if (serial - PICK_EPOCH_OFFSET < INT32_MIN) {
            FuzzCheck(raised && message == "'" + pickText + "' is not a valid integer value" &&
                          run.view.value == before.value,
                      "a Pick day below 32 bits is refused as text", shown);
            return;
        }
    } else {
        FuzzCheck(run.view.texts[0] == text, "PickDate is not rewritten", shown);
    }
    if (!PickerCanShowDay(serial)) {
        FuzzCheck(raised && message == kRefusal && run.view.value == before.value,
                  "a day the picker cannot show is refused and the picker keeps its day", shown);
        if (field == F::PickDate) {
            FuzzCheck(run.view.texts == before.texts, "a refused Pick day writes nothing", shown);
        }
        return;
    }
    FuzzCheck(!raised && WholeDayOf(run.view.value) == serial, "the picker moves to the day",
              [&] { return shown() + " message " + Escaped(message); });
    if (field == F::PickDate) {
        FuzzCheck(run.view.texts[1] == std::to_string(serial), "SysDate shows the day", shown);
    }
}

void Start(Run& run) {
    std::string message;
    const bool raised = Raised([&] { run.panel.Initialise(); }, message);
    const auto shown = [&] { return "after start " + Show(run.view); };
    CheckPicker(run, shown);
    FuzzCheck(run.reference == SentinelDate(), "the start leaves the reference unset", shown);
    const std::int64_t today = WholeDayOf(CurrentDate());
    if (!PickerCanShowDay(today)) {
        FuzzCheck(
            raised && message == kRefusal && run.view.texts[0].empty() && run.view.texts[1].empty(),
            "a today the picker cannot show is refused after the edits are emptied", shown);
        return;
    }
    FuzzCheck(!raised && WholeDayOf(run.view.value) == today, "the start picks today", shown);
    FuzzCheck(run.view.texts[2] == "Difference", "the start shows no difference", shown);
    CheckRefreshed(run, shown);
}

std::string MakeDayText(FuzzInput& input) {
    switch (input.Byte() % 4) {
        case 0:
            return std::to_string(input.Range<std::int64_t>(-100000, 3100000));
        case 1:
            return std::to_string(
                input.Range<std::int64_t>(INT32_MIN - 30000LL, INT32_MAX + 30000LL));
        default:
            return input.Text(14);
    }
}

RegionalDateSettings MakeSettings(FuzzInput& input) {
    static constexpr const char* kPatterns[] = {"m/d/yy", "dd/MM/yyyy", "yyyy-MM-dd", "d.M.yyyy",
                                                "ddddd dddd"};
    RegionalDateSettings settings;
    settings.shortDatePattern = input.Bool() ? input.Text(16) : std::string(input.Pick(kPatterns));
    settings.dateSeparator = static_cast<char>(input.Byte());
    return settings;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    Run run;
    const ScopedClockSource clock([&run] { return run.now; });
    run.now.year = 2024;
    run.now.month = 5;
    run.now.day = 24;
    const ScopedRegionalSettings regional{RegionalDateSettings{}};
    if (input.Bool()) {
        run.view.timeOfDay = (input.Byte() + 1) / 257.0;
        run.view.value = run.view.ValueOf(39226);
    }
    for (int steps = 0; steps < 48 && !input.Empty(); ++steps) {
        switch (input.Byte() % 9) {
            case 0:
                run.now.year = input.Range(1, 9999);
                run.now.month = input.Range(1, 12);
                run.now.day = input.Range(1, DaysInMonth(run.now.year, run.now.month));
                Start(run);
                break;
            case 1: {
                // The user picks a day in the picker.
                run.view.value = run.view.ValueOf(input.Range(kFirstPickerDay, kLastPickerDay));
                run.panel.CalendarChange();
                CheckRefreshed(run, [&] { return "picked " + Show(run.view); });
                break;
            }
            case 2:
                run.view[F::PickDate] = MakeDayText(input);
                CheckKeyUp(run, F::PickDate);
                break;
            case 3:
                run.view[F::SysDate] = MakeDayText(input);
                CheckKeyUp(run, F::SysDate);
                break;
            case 4: {
                run.panel.DiffClick();
                const std::string date = DateToText(run.view.value);
                FuzzCheck(run.reference == run.view.value &&
                              run.view.texts[2] == date + " to " + date + " = 0 days",
                          "a click on Diff takes the picked date as the reference",
                          [&] { return Show(run.view); });
                break;
            }
            case 5: {
                char key = static_cast<char>(input.Byte());
                run.panel.CalendarKeyPress(key);
                FuzzCheck(key == '\0', "the picker takes no typed character",
                          [&] { return std::to_string(key); });
                break;
            }
            case 6:
                SetRegionalSettings(MakeSettings(input));
                break;
            case 7:
                // The picker reports a change although nothing changed.
                run.panel.CalendarChange();
                CheckRefreshed(run, [&] { return "refreshed " + Show(run.view); });
                break;
            default:
                // Typing one more character into an edit, then releasing it.
                run.view[input.Bool() ? F::PickDate : F::SysDate] +=
                    static_cast<char>(input.Byte());
                CheckKeyUp(run, input.Bool() ? F::PickDate : F::SysDate);
                break;
        }
    }
    return 0;
}
