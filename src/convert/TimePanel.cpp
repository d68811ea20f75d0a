#include "convert/TimePanel.h"

#include <cstdint>
#include <limits>

#include "base/Clock.h"
#include "base/Exception.h"
#include "convert/DigitKeyFilter.h"
#include "convert/IntegerText.h"
#include "convert/PickTime.h"

namespace {

// An edit's count for UpdatePickTime: a text that is not an integer counts as 0, silently.
std::int64_t CountOrZero(const std::string& text) {
    try {
        return TextToInteger(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

// Hours, minutes and seconds each hold a full signed 32-bit count, so their total in seconds can
// reach about 3661 times the 32-bit range; 64 bits hold it exactly. A total that leaves the 32-bit
// range is shown as its exact decimal text rather than wrapped or clamped: the edits enforce no
// range, and a wrapped or clamped number would look like a real Pick time while being wrong. The
// exact text is honest, and PTime then refuses it as an integer like any other over-long number.
std::string TotalText(std::int64_t seconds) {
    if (seconds >= std::numeric_limits<std::int32_t>::min() &&
        seconds <= std::numeric_limits<std::int32_t>::max()) {
        return IntegerToText(static_cast<std::int32_t>(seconds));
    }
    return std::to_string(seconds);
}

}  // namespace

void TimePanel::Initialise() {
    const ClockReading now = CurrentTimeOfDay();
    view_.SetText(TimeField::Hr, TwoDigitFieldText(now.hour));
    view_.SetText(TimeField::Min, TwoDigitFieldText(now.minute));
    view_.SetText(TimeField::Sec, TwoDigitFieldText(now.second));
    UpdatePickTime();
}

void TimePanel::PTimeKeyPress(char& key) const {
    ApplyKeyVerdict(FilterDigitKey(key), key);
}
void TimePanel::HrKeyPress(char& key) const {
    ApplyKeyVerdict(FilterDigitKey(key), key);
}
void TimePanel::MinKeyPress(char& key) const {
    ApplyKeyVerdict(FilterDigitKey(key), key);
}
void TimePanel::SecKeyPress(char& key) const {
    ApplyKeyVerdict(FilterDigitKey(key), key);
}

void TimePanel::PTimeKeyUp() {
    const std::string text = view_.Text(TimeField::PTime);
    if (text.empty()) {
        return;
    }
    const TimeParts parts = SplitPickTime(TextToInteger(text));
    view_.SetText(TimeField::Hr, IntegerToText(parts.hours));
    view_.SetText(TimeField::Min, IntegerToText(parts.minutes));
    view_.SetText(TimeField::Sec, IntegerToText(parts.seconds));
}

void TimePanel::HrKeyUp() {
    UpdatePickTime();
}

void TimePanel::UpdatePickTime() {
    if (view_.Text(TimeField::Hr).empty()) {
        view_.SetText(TimeField::Hr, "0");
    }
    if (view_.Text(TimeField::Min).empty()) {
        view_.SetText(TimeField::Min, "0");
    }
    if (view_.Text(TimeField::Sec).empty()) {
        view_.SetText(TimeField::Sec, "0");
    }
    // Negative counts (pasted text) are taken as they are: -1 hour is -3600 seconds.
    const std::int64_t h = CountOrZero(view_.Text(TimeField::Hr));
    const std::int64_t m = CountOrZero(view_.Text(TimeField::Min));
    const std::int64_t s = CountOrZero(view_.Text(TimeField::Sec));
    view_.SetText(TimeField::PTime, TotalText(JoinPickTime(h, m, s)));
}
