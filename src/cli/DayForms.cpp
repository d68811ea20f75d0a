#include "cli/DayForms.h"

#include "base/Calendar.h"
#include "base/DateTime.h"
#include "convert/ConvertError.h"

namespace {

constexpr const char* kWeekdays[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::int64_t PickFromSerial(std::int64_t serial) {
    return serial - PICK_EPOCH_OFFSET;
}

void AppendDigits(std::string& text, int value, int width) {
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(width)) {
        text.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    text += digits;
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

std::int64_t InRange(std::string_view text, std::int64_t pick) {
    if (pick < kFirstPickDay || pick > kLastPickDay) {
        RaiseConvertError(text, " is outside the days 0001-01-01 to 9999-12-31");
    }
    return pick;
}

}  // namespace

bool ReadDecimal(std::string_view text, std::int64_t& value) {
    bool negative = false;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!AllDigits(text) || text.size() > 18) {
        return false;
    }
    std::int64_t magnitude = 0;
    for (const char c : text) {
        magnitude = magnitude * 10 + (c - '0');
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool ReadIsoDate(std::string_view text, CalendarDate& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AllDigits(text.substr(0, 4)) ||
        !AllDigits(text.substr(5, 2)) || !AllDigits(text.substr(8, 2))) {
        return false;
    }
    const auto number = [&](std::size_t at, std::size_t n) {
        int v = 0;
        for (std::size_t i = at; i < at + n; ++i) {
            v = v * 10 + (text[i] - '0');
        }
        return v;
    };
    date = CalendarDate{number(0, 4), number(5, 2), number(8, 2)};
    return date.year >= 1 && date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= DaysInMonth(date.year, date.month);
}

std::int64_t PickDayOf(const CalendarDate& date) {
    return PickFromSerial(DaySerial(date.year, date.month, date.day));
}

std::int64_t ReadDay(std::string_view text, const CalendarDate& today) {
    std::int64_t number = 0;
    if (text == "today") {
        return InRange(text, PickDayOf(today));
    }
    if (text.size() > 3 && text.substr(0, 3) == "pc:") {
        if (!ReadDecimal(text.substr(3), number)) {
            RaiseConvertError(text, " is not a PC day serial (pc: and a whole number)");
        }
        return InRange(text, PickFromSerial(number));
    }
    if (ReadDecimal(text, number)) {
        return InRange(text, number);
    }
    CalendarDate date;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        if (!ReadIsoDate(text, date)) {
            RaiseConvertError(text, " is not a date of the calendar");
        }
        return PickDayOf(date);
    }
    RaiseConvertError(text, " is not a day (a Pick day, pc:SERIAL, YYYY-MM-DD or today)");
}

DayForms DescribeDay(std::int64_t pickDay) {
    const std::int64_t serial = pickDay + PICK_EPOCH_OFFSET;
    const CalendarDay day = DecodeDaySerial(serial);
    DayForms forms;
    forms.pick = pickDay;
    forms.pc = serial;
    AppendDigits(forms.iso, day.year, 4);
    forms.iso += '-';
    AppendDigits(forms.iso, day.month, 2);
    forms.iso += '-';
    AppendDigits(forms.iso, day.day, 2);
    forms.weekday = kWeekdays[day.dayOfWeek];
    return forms;
}
