#include "codes/MigrationCode.h"

#include <cstdint>

#include "base/Calendar.h"
#include "base/DateTime.h"
#include "base/DecimalText.h"
#include "codes/ConversionCode.h"
#include "codes/PickDay.h"
#include "codes/ValueText.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// 1 January 1970.
constexpr std::int64_t kUnixEpochPickDay = 732;
// Excel's 1900 system counts a fictitious 29 February 1900 as serial 60: its serials run one
// below PC's before 1 March 1900 and start at 1 January 1900.
constexpr std::int64_t kFirstExcelPickDay = -24835;  // 1 January 1900, serial 1
constexpr std::int64_t kMarch1900PickDay = -24776;   // 1 March 1900, serial 61
constexpr std::int64_t kExcelLeapDaySerial = 60;
constexpr std::int64_t kLastExcelSerial = 2958465;  // 31 December 9999

bool InRange(std::int64_t value, std::int64_t low, std::int64_t high) {
    return value >= low && value <= high;
}

// The Pick day of a strict integer in range.
bool StrictPickDay(std::string_view text, std::int64_t& day) {
    const auto value = ReadStrictInteger(text);
    day = value.value_or(0);
    return value && IsPickDayInRange(day);
}

int Converted(std::string& out, std::int64_t value) {
    AppendSignedDecimal(out, value);
    return kStatusConverted;
}

int IsoDateOut(std::string_view text, std::string& out) {
    const auto reading = ReadIntegerValue(text);
    if (!reading || !IsPickDayInRange(reading->value)) {
        return kStatusBadInput;
    }
    const PickDate date = DecodePickDay(reading->value);
    AppendDecimal(out, static_cast<std::uint64_t>(date.year), 4);
    out.push_back('-');
    AppendDecimal(out, static_cast<std::uint64_t>(date.month), 2);
    out.push_back('-');
    AppendDecimal(out, static_cast<std::uint64_t>(date.day), 2);
    return StatusOfReading(*reading);
}

// Exactly `length` digits at pos, as a number.
bool FixedDigits(std::string_view text, std::size_t pos, std::size_t length, int& value) {
    if (pos + length > text.size()) {
        return false;
    }
    const auto read = ParseDecimalDigits(text.substr(pos, length), 9999);
    value = static_cast<int>(read.value_or(0));
    return read.has_value();
}

int IsoDateIn(std::string_view text, std::string& out) {
    int year = 0;
    int month = 0;
    int day = 0;
    const bool shaped = text.size() == 10 && text[4] == '-' && text[7] == '-' &&
                        FixedDigits(text, 0, 4, year) && FixedDigits(text, 5, 2, month) &&
                        FixedDigits(text, 8, 2, day);
    // A real date: no day past the end of its month.
    if (!shaped || year == 0 || day < 1 || day > DaysInMonth(year, month)) {
        return kStatusBadInput;
    }
    return Converted(out, PickDayOf(year, month, day));
}

int IsoTimeOut(std::string_view text, std::string& out) {
    const auto reading = ReadIntegerValue(text);
    if (!reading || !InRange(reading->value, 0, kSecondsPerDay - 1)) {
        return kStatusBadInput;
    }
    const auto seconds = static_cast<std::uint64_t>(reading->value);
    AppendDecimal(out, seconds / 3600, 2);
    out.push_back(':');
    AppendDecimal(out, seconds / 60 % 60, 2);
    out.push_back(':');
    AppendDecimal(out, seconds % 60, 2);
    return StatusOfReading(*reading);
}

// HH:MM or HH:MM:SS, two digits each; a fraction of the second after '.' or ',' is dropped.
int IsoTimeIn(std::string_view text, std::string& out) {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!(text.size() >= 5 && text[2] == ':' && FixedDigits(text, 0, 2, hours) &&
          FixedDigits(text, 3, 2, minutes))) {
        return kStatusBadInput;
    }
    std::size_t pos = 5;
    int status = kStatusConverted;
    if (pos < text.size()) {
        if (!(text[pos] == ':' && FixedDigits(text, pos + 1, 2, seconds))) {
            return kStatusBadInput;
        }
        pos += 3;
    }
    if (pos < text.size()) {
        const std::string_view fraction = text.substr(pos + 1);
        if ((text[pos] != '.' && text[pos] != ',') || fraction.empty()) {
            return kStatusBadInput;
        }
        for (const char c : fraction) {
            if (!IsAsciiDigit(c)) {
                return kStatusBadInput;
            }
            if (c != '0') {
                status = kStatusSuspect;
            }
        }
    }
    if (hours > 23 || minutes > 59 || seconds > 59) {
        return kStatusBadInput;
    }
    AppendDecimal(out, static_cast<std::uint64_t>(hours * 3600 + minutes * 60 + seconds));
    return status;
}

int PcSerialOut(std::string_view text, std::string& out) {
    std::int64_t day = 0;
    if (!StrictPickDay(text, day)) {
        return kStatusBadInput;
    }
    return Converted(out, day + PICK_EPOCH_OFFSET);
}

int PcSerialIn(std::string_view text, std::string& out) {
    const auto serial = ReadStrictInteger(text);
    if (!serial ||
        !InRange(*serial, kFirstPickDay + PICK_EPOCH_OFFSET, kLastPickDay + PICK_EPOCH_OFFSET)) {
        return kStatusBadInput;
    }
    return Converted(out, *serial - PICK_EPOCH_OFFSET);
}

int ExcelSerialOut(std::string_view text, std::string& out) {
    std::int64_t day = 0;
    if (!StrictPickDay(text, day) || day < kFirstExcelPickDay) {
        return kStatusBadInput;
    }
    return Converted(out, day + PICK_EPOCH_OFFSET - (day < kMarch1900PickDay ? 1 : 0));
}

int ExcelSerialIn(std::string_view text, std::string& out) {
    const auto serial = ReadStrictInteger(text);
    if (!serial || !InRange(*serial, 1, kLastExcelSerial)) {
        return kStatusBadInput;
    }
    if (*serial == kExcelLeapDaySerial) {
        // The day that never was: read as the day after it.
        AppendSignedDecimal(out, kMarch1900PickDay);
        return kStatusSuspect;
    }
    return Converted(out, *serial - PICK_EPOCH_OFFSET + (*serial < kExcelLeapDaySerial ? 1 : 0));
}

int UnixDayOut(std::string_view text, std::string& out) {
    std::int64_t day = 0;
    if (!StrictPickDay(text, day)) {
        return kStatusBadInput;
    }
    return Converted(out, day - kUnixEpochPickDay);
}

int UnixDayIn(std::string_view text, std::string& out) {
    const auto unixDay = ReadStrictInteger(text);
    if (!unixDay ||
        !InRange(*unixDay, kFirstPickDay - kUnixEpochPickDay, kLastPickDay - kUnixEpochPickDay)) {
        return kStatusBadInput;
    }
    return Converted(out, *unixDay + kUnixEpochPickDay);
}

// "DAY" or "DAY TIME".
int UnixSecondsOut(std::string_view text, std::string& out) {
    const std::size_t space = text.find(' ');
    std::int64_t day = 0;
    if (!StrictPickDay(text.substr(0, space), day)) {
        return kStatusBadInput;
    }
    std::int64_t time = 0;
    if (space != std::string_view::npos) {
        const auto read = ReadStrictInteger(text.substr(space + 1));
        if (!read || !InRange(*read, 0, kSecondsPerDay - 1)) {
            return kStatusBadInput;
        }
        time = *read;
    }
    return Converted(out, (day - kUnixEpochPickDay) * kSecondsPerDay + time);
}

int UnixSecondsIn(std::string_view text, std::string& out) {
    const auto seconds = ReadStrictInteger(text);
    if (!seconds) {
        return kStatusBadInput;
    }
    const std::int64_t day = FloorDiv(*seconds, kSecondsPerDay) + kUnixEpochPickDay;
    if (!IsPickDayInRange(day)) {
        return kStatusBadInput;
    }
    AppendSignedDecimal(out, day);
    out.push_back(' ');
    AppendSignedDecimal(out, FloorMod(*seconds, kSecondsPerDay));
    return kStatusConverted;
}

}  // namespace

int MigrationCode::Oconv(std::string_view text, std::string& out) const {
    switch (kind) {
        case MigrationKind::IsoDate:
            return IsoDateOut(text, out);
        case MigrationKind::IsoTime:
            return IsoTimeOut(text, out);
        case MigrationKind::PcSerial:
            return PcSerialOut(text, out);
        case MigrationKind::ExcelSerial:
            return ExcelSerialOut(text, out);
        case MigrationKind::UnixDay:
            return UnixDayOut(text, out);
        case MigrationKind::UnixSeconds:
            break;
    }
    return UnixSecondsOut(text, out);
}

int MigrationCode::Iconv(std::string_view text, std::string& out) const {
    switch (kind) {
        case MigrationKind::IsoDate:
            return IsoDateIn(text, out);
        case MigrationKind::IsoTime:
            return IsoTimeIn(text, out);
        case MigrationKind::PcSerial:
            return PcSerialIn(text, out);
        case MigrationKind::ExcelSerial:
            return ExcelSerialIn(text, out);
        case MigrationKind::UnixDay:
            return UnixDayIn(text, out);
        case MigrationKind::UnixSeconds:
            break;
    }
    return UnixSecondsIn(text, out);
}
