#include "convert/TimePanel.h"

#include <cstdint>
#include <limits>

#include "convert/Clock.h"
#include "convert/IntegerText.h"
#include "toolkit/Exception.h"

namespace {

constexpr std::int32_t kSecondsPerHour = 3600;
constexpr std::int32_t kSecondsPerMinute = 60;

// The character code as a signed byte, so the codes 128..255 fall below '0' and are cancelled.
void FilterDigit(char& key) {
    const auto code = static_cast<std::int8_t>(key);
    const bool isBackspace = code == 8;
    const bool isDigit = code >= '0' && code <= '9';
    if (!isBackspace && !isDigit) {
        key = 0;
    }
}

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
    view_.SetHrText(TwoDigitFieldText(now.hour));
    view_.SetMinText(TwoDigitFieldText(now.minute));
    view_.SetSecText(TwoDigitFieldText(now.second));
    UpdatePickTime();
}

void TimePanel::PTimeKeyPress(char& key) const {
    FilterDigit(key);
}
void TimePanel::HrKeyPress(char& key) const {
    FilterDigit(key);
}
void TimePanel::MinKeyPress(char& key) const {
    FilterDigit(key);
}
void TimePanel::SecKeyPress(char& key) const {
    FilterDigit(key);
}

void TimePanel::PTimeKeyUp() {
    const std::string text = view_.GetPTimeText();
    if (text.empty()) {
        return;
    }
    const std::int32_t n = TextToInteger(text);
    // C++ division truncates toward zero, so a negative (pasted) time gives parts that all carry
    // its sign. No step can overflow: each product is at most |n| in magnitude.
    const std::int32_t h = n / kSecondsPerHour;
    const std::int32_t r = n - h * kSecondsPerHour;
    const std::int32_t m = r / kSecondsPerMinute;
    const std::int32_t s = r - m * kSecondsPerMinute;
    view_.SetHrText(IntegerToText(h));
    view_.SetMinText(IntegerToText(m));
    view_.SetSecText(IntegerToText(s));
}

void TimePanel::HrKeyUp() {
    UpdatePickTime();
}

void TimePanel::UpdatePickTime() {
    if (view_.GetHrText().empty()) {
        view_.SetHrText("0");
    }
    if (view_.GetMinText().empty()) {
        view_.SetMinText("0");
    }
    if (view_.GetSecText().empty()) {
        view_.SetSecText("0");
    }
    // Negative counts (pasted text) are taken as they are: -1 hour is -3600 seconds.
    const std::int64_t h = CountOrZero(view_.GetHrText());
    const std::int64_t m = CountOrZero(view_.GetMinText());
    const std::int64_t s = CountOrZero(view_.GetSecText());
    view_.SetPTimeText(TotalText(h * kSecondsPerHour + m * kSecondsPerMinute + s));
}
