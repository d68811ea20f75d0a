#include "convert/DatePanel.h"

#include <cstdint>
#include <limits>
#include <string>

#include "base/Clock.h"
#include "base/Exception.h"
#include "convert/DateText.h"
#include "convert/IntegerText.h"

namespace {

constexpr const char* kPickerRefusal = "Failed to set calendar date or time";

// Day counts are written in plain signed decimal; sums and differences of two day counts are
// computed in 64 bits and may fall outside 32 bits, so they are written from 64 bits too.
std::string DayCountText(std::int64_t days) {
    return std::to_string(days);
}

}  // namespace

TDateTime SentinelDate() {
    // Read under a fixed month-first pattern, not the user's: under a day-first or year-first
    // pattern, or another separator, "12/31/67" is no date at all, and the panel would report an
    // error at start and on every change of the picker.
    return TextToDateUnder("12/31/67", "m/d/yy", '/');
}

DatePanel::DatePanel(DatePanelView& view, TDateTime& referenceDate)
    : view_(view), referenceDate_(referenceDate) {}

void DatePanel::Initialise() {
    view_.SetText(DateField::PickDate, "");
    view_.SetText(DateField::SysDate, "");
    referenceDate_ = SentinelDate();
    const std::int64_t today = WholeDayOf(CurrentDate());
    view_.SetPickerDay(static_cast<std::int32_t>(today));
    CalendarChange();
}

void DatePanel::CalendarChange() {
    const TDateTime picked = view_.PickerValue();
    const std::int64_t day = WholeDayOf(picked);
    view_.SetText(DateField::PickDate, DayCountText(day - PICK_EPOCH_OFFSET));
    view_.SetText(DateField::SysDate, DayCountText(day));
    const std::int64_t referenceDay = WholeDayOf(referenceDate_);
    const TDateTime sentinel = SentinelDate();
    if (referenceDate_ != sentinel) {
        view_.SetText(DateField::Diff, DateToText(referenceDate_) + " to " + DateToText(picked) +
                                           " = " + DayCountText(day - referenceDay) + " days");
    } else {
        view_.SetText(DateField::Diff, "Difference");
    }
}

std::int32_t DatePanel::WritePickDay(std::int32_t pickDay) {
    const std::int64_t serial = std::int64_t{pickDay} + PICK_EPOCH_OFFSET;
    // A Pick day near the top of the 32-bit range has no 32-bit day serial; no picker shows such
    // a day, so it is refused as the picker refuses any day it cannot show, and nothing is
    // written.
    if (serial > std::numeric_limits<std::int32_t>::max()) {
        throw ECommonCalendarError(kPickerRefusal);
    }
    const auto serial32 = static_cast<std::int32_t>(serial);
    view_.SetPickerDay(serial32);
    return serial32;
}

void DatePanel::PickDateKeyUp() {
    const std::string text = view_.Text(DateField::PickDate);
    if (text.empty()) {
        CalendarChange();
        return;
    }
    const std::int32_t pickDay = TextToInteger(text);
    const std::int32_t serial = WritePickDay(pickDay);
    view_.SetText(DateField::SysDate, IntegerToText(serial));
}

void DatePanel::SysDateKeyUp() {
    const std::string text = view_.Text(DateField::SysDate);
    if (text.empty()) {
        CalendarChange();
        return;
    }
    const std::int32_t serial = TextToInteger(text);
    // A serial near the bottom of the 32-bit range has a Pick day below it. PickDate shows that
    // day exactly, as the arithmetic gives it; reading it back then fails as an integer outside
    // the 32-bit range, naming that text, and the picker is left alone.
    view_.SetText(DateField::PickDate, DayCountText(std::int64_t{serial} - PICK_EPOCH_OFFSET));
    const std::int32_t pickDay = TextToInteger(view_.Text(DateField::PickDate));
    WritePickDay(pickDay);
}

void DatePanel::DiffClick() {
    referenceDate_ = view_.PickerValue();
    const std::string date = DateToText(referenceDate_);
    view_.SetText(DateField::Diff, date + " to " + date + " = 0 days");
}

void DatePanel::CalendarKeyPress(char& key) {
    key = 0;
}
