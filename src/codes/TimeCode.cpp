#include "codes/TimeCode.h"

#include <cstdint>
#include <utility>

#include "base/Calendar.h"
#include "codes/DirectText.h"
#include "codes/ValueText.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kMillisecondsPerDay = 86400000;

}  // namespace

bool ParseTimeCode(CodeReader& reader, Dialect dialect, TimeCode& code, CodeError& error) {
    code.dialect = dialect;
    const bool universe = dialect == Dialect::Universe;
    if (reader.At('H')) {
        code.twelveHour = true;
        reader.Advance();
    }
    if (reader.At('M')) {
        if (!universe) {
            return Fail(error, reader.ErrorHere("milliseconds (M) are not part of the pick "
                                                "dialect"));
        }
        code.milliseconds = true;
        reader.Advance();
    }
    if (reader.At('S')) {
        code.showSeconds = true;
        reader.Advance();
    }
    if (reader.AtQuote()) {
        if (!universe) {
            return Fail(error, reader.ErrorHere("quoted separator text is not part of the pick "
                                                "dialect"));
        }
        const std::string_view codeText = reader.Code();
        const std::size_t open = reader.Position();
        const std::size_t close = codeText.find(codeText[open], open + 1);
        if (close == std::string_view::npos) {
            return Fail(error, {reader.Length(), "quoted separator text is not closed"});
        }
        const std::string_view quoted = codeText.substr(open + 1, close - open - 1);
        if (const std::size_t unfit = reader.FirstUnfitCharacter(open + 1, close);
            unfit != std::string_view::npos) {
            return Fail(error, {unfit, reader.UnfitReasonAt(unfit)});
        }
        // Used as written: the text is not folded to upper case.
        code.separator.assign(quoted);
        reader.Advance(close + 1 - open);
    } else if (reader.AtSeparator(true)) {
        code.separator.assign(reader.TakeCharacter().View());
    }
    if (reader.AtEnd()) {
        return true;
    }
    if (reader.At('H') || reader.At('M') || reader.At('S')) {
        return Fail(error, reader.ErrorHere(universe ? "MT takes H, M and S once, in that order"
                                                     : "MT takes H and S once, in that order"));
    }
    if (reader.AtLetter()) {
        return Fail(error, reader.ErrorHere("unknown time letter"));
    }
    if (reader.AtDigit()) {
        return Fail(error, reader.ErrorHere("a digit cannot separate time fields"));
    }
    return Fail(error, reader.ErrorHere("nothing may follow the separator"));
}

int TimeCode::Oconv(std::string_view text, std::string& out) const {
    const auto reading = ReadIntegerValue(text);
    if (!reading) {
        return kStatusBadInput;
    }
    int status = StatusOfReading(*reading);
    std::int64_t value = reading->value;
    const std::int64_t day = milliseconds ? kMillisecondsPerDay : kSecondsPerDay;
    // Universe writes any other value as an elapsed time; a clock (pick, or 12-hour) wraps.
    if ((value < 0 || value >= day) && (dialect == Dialect::Pick || twelveHour)) {
        value = FloorMod(value, day);
        status = kStatusSuspect;
    }
    // |value| <= INT64_MAX, so its magnitude is exact.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::uint64_t fraction = 0;
    if (milliseconds) {
        fraction = magnitude % 1000;
        magnitude /= 1000;
    }
    std::uint64_t hours = magnitude / 3600;
    const std::uint64_t minutes = magnitude / 60 % 60;
    const std::uint64_t seconds = magnitude % 60;
    const bool afternoon = hours >= 12;
    if (twelveHour) {
        hours %= 12;
        if (hours == 0) {
            hours = 12;
        }
    }
    // Sign, hours of a 64-bit count, two separators, minutes, seconds, milliseconds, suffix.
    DirectText direct(out, 1 + 20 + 2 * separator.size() + 2 + 2 + 4 + 2);
    if (value < 0) {
        direct.Put('-');
    }
    direct.PutDecimal(hours, 2);
    direct.Put(separator);
    direct.PutDecimal(minutes, 2);
    if (showSeconds) {
        direct.Put(separator);
        direct.PutDecimal(seconds, 2);
        if (milliseconds) {
            direct.Put('.');
            direct.PutDecimal(fraction, 3);
        }
    }
    if (twelveHour) {
        const bool upper = dialect == Dialect::Pick;
        direct.Put(afternoon ? (upper ? "PM" : "pm") : (upper ? "AM" : "am"));
    }
    return status;
}
