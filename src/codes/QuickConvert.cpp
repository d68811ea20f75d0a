#include "codes/QuickConvert.h"

#include <array>
#include <bit>
#include <cstring>

#include "base/DateTime.h"
#include "codes/DateNames.h"
#include "codes/ParsedCode.h"
#include "codes/PickDay.h"

namespace {

// 10^0 to 10^19.
constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// How many decimal digits value has (one for 0): from its bit width, 1233/4096 being just over
// log10(2), then one comparison.
std::size_t DigitCount(std::uint64_t value) {
    const auto guess = (static_cast<std::size_t>(std::bit_width(value | 1)) * 1233) >> 12;
    return guess + ((value | 1) >= kPowersOfTen[guess] ? 1 : 0);
}

// "00" to "99", two bytes each.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// The longest direct result: a decimal of 15 digits, 9 decimals, five four-byte separators, a
// four-byte point and a currency and suffix of 8 bytes each, and a sign.
static_assert(15 + 9 + 5 * 4 + 4 + 2 * 8 + 1 <= kQuickRoom);

// Writes a result at a place with kQuickRoom bytes free.
class ResultText {
  public:
    explicit ResultText(char* at) : begin_(at), next_(at) {}

    void Pair(std::uint32_t value) {  // value < 100
        std::memcpy(next_, &kDigitPairs[2 * value], 2);
        next_ += 2;
    }
    void Four(std::uint32_t value) {  // value < 10000
        Pair(value / 100);
        Pair(value % 100);
    }
    void Put(char c) { *next_++ = c; }
    void Put(std::string_view text) {  // a few bytes: a loop costs less than a call of memcpy
        for (const char c : text) {
            *next_++ = c;
        }
    }
    // The decimal digits of value, no padding.
    void Number(std::uint64_t value) { Grouped(value, {}); }
    // The decimal digits of value in groups of three joined by separator (none when it is empty).
    // Written in place from the right, where the groups are whole, once their length is known.
    void Grouped(std::uint64_t value, std::string_view separator) {
        const std::size_t digits = DigitCount(value);
        const std::size_t groups = separator.empty() ? 0 : (digits - 1) / 3;
        char* at = next_ + digits + groups * separator.size();
        next_ = at;
        for (std::size_t i = 0; i < groups; ++i) {
            const auto group = static_cast<std::uint32_t>(value % 1000);
            value /= 1000;
            at -= 2;
            std::memcpy(at, &kDigitPairs[2 * (group % 100)], 2);
            *--at = static_cast<char>('0' + group / 100);
            for (std::size_t j = separator.size(); j-- > 0;) {
                *--at = separator[j];
            }
        }
        while (value >= 100) {
            at -= 2;
            std::memcpy(at, &kDigitPairs[static_cast<std::size_t>(2 * (value % 100))], 2);
            value /= 100;
        }
        if (value >= 10) {
            at -= 2;
            std::memcpy(at, &kDigitPairs[static_cast<std::size_t>(2 * value)], 2);
        } else {
            *--at = static_cast<char>('0' + value);
        }
    }
    // The last `width` decimal digits of value, with leading zeros.
    void Padded(std::uint64_t value, std::size_t width) {
        for (std::size_t i = width; i-- > 0;) {
            next_[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        next_ += width;
    }
    std::string_view View() const { return {begin_, static_cast<std::size_t>(next_ - begin_)}; }
    char* End() const { return next_; }

  private:
    char* begin_;
    char* next_;
};

// One to eight bytes at p, as one little-endian word: the first byte lowest, zeros above the
// last. Read with two overlapping loads, never a byte past the last.
std::uint64_t WordOf(const char* p, std::size_t n) {
    if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        return low | std::uint64_t{high} << (8 * (n - 4));
    }
    const auto byte = [p](std::size_t i) {
        return std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    };
    return byte(0) | byte(n / 2) | byte(n - 1);
}

// The value of one to eight decimal digits, all at once in a word; false when a byte is no digit.
bool ReadDigitWord(std::string_view digits, std::uint64_t& value) {
    const std::size_t n = digits.size();
    const std::uint64_t word = WordOf(digits.data(), n);
    constexpr std::uint64_t kOnes = 0x0101010101010101u;
    const std::uint64_t used = n == 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1;
    // A digit is 0x30 to 0x39: its high nibble is 3, and still 3 after adding 6. (A byte that
    // carries into the next fails by its own high nibble.)
    const std::uint64_t high = kOnes * 0xF0;
    const std::uint64_t nibbles = (word & high) | ((word + kOnes * 6) & high) >> 4;
    if ((nibbles & used) != (kOnes * 0x33 & used)) {
        return false;
    }
    // The digits at the top of the word, zeros (leading zeros) below; then pairs, fours and the
    // eight are combined by multiplications.
    std::uint64_t v = (word & kOnes * 0x0F) << (8 * (8 - n));
    v = (v * 2561) >> 8 & 0x00FF00FF00FF00FFu;
    v = (v * 6553601) >> 16 & 0x0000FFFF0000FFFFu;
    value = (v * 42949672960001u) >> 32;
    return true;
}

// An optional '-' and one to `most` digits, nothing else: the integers every code reads alike.
bool ReadPlainInteger(std::string_view text, std::size_t most, std::int64_t& value) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) {
        text.remove_prefix(1);
    }
    constexpr std::size_t kMostInt64Digits = 18;
    if (text.empty() || text.size() > most || text.size() > kMostInt64Digits) {
        return false;
    }
    std::uint64_t magnitude = 0;
    if constexpr (std::endian::native == std::endian::little) {
        if (text.size() <= 8) {
            if (!ReadDigitWord(text, magnitude)) {
                return false;
            }
            value = negative ? -static_cast<std::int64_t>(magnitude)
                             : static_cast<std::int64_t>(magnitude);
            return true;
        }
    }
    // A byte that is no digit is noted, not branched on: the digits of real data are digits.
    // Unsigned, so that the sum of such bytes wraps harmlessly before it is thrown away.
    bool digitsOnly = true;
    for (const char c : text) {
        const auto digit = static_cast<unsigned>(static_cast<unsigned char>(c) - '0');
        digitsOnly &= digit <= 9;
        magnitude = magnitude * 10 + digit;
    }
    if (!digitsOnly) {
        return false;
    }
    // At most 18 digits: inside int64.
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    value = negative ? -signedMagnitude : signedMagnitude;
    return true;
}

// Pick days have at most seven digits.
bool ReadPickDay(std::string_view text, std::int32_t& day) {
    std::int64_t value = 0;
    if (!ReadPlainInteger(text, 7, value) || !IsPickDayInRange(value)) {
        return false;
    }
    day = static_cast<std::int32_t>(value);
    return true;
}

void PutYear(ResultText& out, std::uint32_t year, unsigned digits) {
    switch (digits) {
        case 0:
            return;
        case 1:
            out.Put(static_cast<char>('0' + year % 10));
            return;
        case 2:
            out.Pair(year % 100);
            return;
        case 3:
            out.Put(static_cast<char>('0' + year / 100 % 10));
            out.Pair(year % 100);
            return;
        default:
            out.Four(year);
            return;
    }
}

template <typename Rule>
const Rule& RuleOf(const void* rule) {
    return *static_cast<const Rule*>(rule);
}

// The date writers share their reading: a Pick day in range, then its calendar day written.
using DateWriter = void (*)(const DateCode& code, const QuickDate& date, ResultText& text);

template <DateWriter Write>
char* WriteDate(const void* rule, std::string_view value, char* at) {
    std::int32_t pickDay = 0;
    if (!ReadPickDay(value, pickDay)) {
        return nullptr;
    }
    ResultText text(at);
    Write(RuleOf<DateCode>(rule), QuickDateOf(pickDay), text);
    return text.End();
}

// The common shape of a numeric date, 12-08-2026 or 08-12-2026, in one go.
void NumericDateCommon(const DateCode& code, const QuickDate& date, ResultText& text) {
    const char separator = code.separator.bytes[0];
    const bool monthFirst = code.order[0] == DatePart::Month;
    text.Pair(monthFirst ? date.month : date.day);
    text.Put(separator);
    text.Pair(monthFirst ? date.day : date.month);
    text.Put(separator);
    text.Four(date.year);
}

void NumericDate(const DateCode& code, const QuickDate& date, ResultText& text) {
    bool first = true;
    for (const DatePart part : code.order) {
        if (part == DatePart::Year && code.yearDigits == 0) {
            continue;
        }
        if (!first) {
            text.Put(code.separator.View());
        }
        first = false;
        if (part == DatePart::Year) {
            PutYear(text, date.year, code.yearDigits);
        } else {
            text.Pair(part == DatePart::Day ? date.day : date.month);
        }
    }
}

void DefaultDate(const DateCode& code, const QuickDate& date, ResultText& text) {
    text.Pair(date.day);
    text.Put(' ');
    const std::string_view name = MonthName(static_cast<int>(date.month));
    text.Put(name[0]);
    for (std::size_t i = 1; i < 3; ++i) {
        text.Put(code.titleCase ? static_cast<char>(name[i] - 'A' + 'a') : name[i]);
    }
    if (code.yearDigits != 0) {
        text.Put(' ');
        PutYear(text, date.year, code.yearDigits);
    }
}

QuickPath DatePath(const DateCode& code) {
    if (code.groupExtraction || code.yearDigits > 4) {
        return {};
    }
    if (code.form == DateForm::Numeric) {
        const bool common =
            code.separator.length == 1 && code.yearDigits == 4 && code.order[2] == DatePart::Year;
        return {common ? WriteDate<NumericDateCommon> : WriteDate<NumericDate>, &code};
    }
    return code.form == DateForm::Default ? QuickPath{WriteDate<DefaultDate>, &code} : QuickPath{};
}

// A time of day in seconds, written as a 24-hour clock; a separator of one byte is put as one.
template <bool kOneByteSeparator>
char* Clock(const void* rule, std::string_view value, char* at) {
    const auto& code = RuleOf<TimeCode>(rule);
    constexpr std::int64_t kSecondsPerDay = 86400;
    std::int64_t seconds = 0;
    if (!ReadPlainInteger(value, 5, seconds) || seconds < 0 || seconds >= kSecondsPerDay) {
        return nullptr;
    }
    const auto s = static_cast<std::uint32_t>(seconds);
    const auto separate = [&code](ResultText& text) {
        if constexpr (kOneByteSeparator) {
            text.Put(code.separator[0]);
        } else {
            text.Put(code.separator);
        }
    };
    ResultText text(at);
    text.Pair(s / 3600);
    separate(text);
    text.Pair(s / 60 % 60);
    if (code.showSeconds) {
        separate(text);
        text.Pair(s % 60);
    }
    return text.End();
}

QuickPath TimePath(const TimeCode& code) {
    if (code.twelveHour || code.milliseconds || code.separator.size() > 4) {
        return {};
    }
    return {code.separator.size() == 1 ? Clock<true> : Clock<false>, &code};
}

char* PcSerial(const void* /*rule*/, std::string_view value, char* at) {
    std::int32_t pickDay = 0;
    if (!ReadPickDay(value, pickDay)) {
        return nullptr;
    }
    const std::int64_t serial = std::int64_t{pickDay} + PICK_EPOCH_OFFSET;
    ResultText text(at);
    if (serial < 0) {
        text.Put('-');
    }
    text.Number(static_cast<std::uint64_t>(serial < 0 ? -serial : serial));
    return text.End();
}

QuickPath MigrationPath(const MigrationCode& code) {
    return code.kind == MigrationKind::PcSerial ? QuickPath{PcSerial, &code} : QuickPath{};
}

// value / 10^exponent for exponent < 10, each a division by a constant, which compiles to a
// multiplication.
std::uint64_t DividedByPowerOfTen(std::uint64_t value, std::size_t exponent) {
    switch (exponent) {
        case 0:
            return value;
        case 1:
            return value / 10;
        case 2:
            return value / 100;
        case 3:
            return value / 1000;
        case 4:
            return value / 10000;
        case 5:
            return value / 100000;
        case 6:
            return value / 1000000;
        case 7:
            return value / 10000000;
        case 8:
            return value / 100000000;
        default:
            return value / 1000000000;
    }
}

// A stored integer written with as many decimals as it is scaled by (MD2 of 12345 is 123.45),
// with its currency, thousands, point and suffix but no mask, no rounding and a leading minus.
char* Decimal(const void* rule, std::string_view value, char* at) {
    const auto& code = RuleOf<MaskedDecimalCode>(rule);
    constexpr std::size_t kMostDigits = 15;
    std::int64_t number = 0;
    if (!ReadPlainInteger(value, kMostDigits, number)) {
        return nullptr;
    }
    const auto magnitude = static_cast<std::uint64_t>(number < 0 ? -number : number);
    const auto decimals = static_cast<std::size_t>(code.decimals);
    const std::uint64_t whole = DividedByPowerOfTen(magnitude, decimals);
    ResultText text(at);
    if (number < 0) {
        text.Put('-');
    }
    text.Put(code.currency);
    text.Grouped(whole, code.thousands.View());
    if (decimals > 0) {
        text.Put(code.point.View());
        const std::uint64_t fraction = magnitude - whole * kPowersOfTen[decimals];
        if (decimals == 2) {
            text.Pair(static_cast<std::uint32_t>(fraction));
        } else {
            text.Padded(fraction, decimals);
        }
    }
    text.Put(code.suffix);
    return text.End();
}

QuickPath DecimalPath(const MaskedDecimalCode& code) {
    constexpr int kMostDecimals = 9;
    if (!code.mask.Empty() || code.blankZero || code.keepPointed ||
        code.sign != SignNotation::LeadingMinus || code.scale != code.decimals ||
        code.decimals > kMostDecimals || code.currency.size() > 8 || code.suffix.size() > 8) {
        return {};
    }
    return {Decimal, &code};
}

}  // namespace

QuickDate QuickDateOf(std::int32_t pickDay) {
    // Neri and Schneider's Euclidean affine calendar: the day count is moved so that every
    // supported day is a positive count from 1 March of a year before 0001, and the constant
    // divisions become multiplications.
    constexpr std::uint32_t kEras = 82;  // 400-year cycles moved
    constexpr std::uint32_t kDaysPerEra = 146097;
    constexpr std::int64_t kUnixEpochPickDay = 732;
    constexpr std::int64_t kMarchZeroToUnixEpoch = 719468;
    const auto n = static_cast<std::uint32_t>(pickDay - kUnixEpochPickDay + kMarchZeroToUnixEpoch +
                                              std::int64_t{kDaysPerEra} * kEras);
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / kDaysPerEra;
    const std::uint32_t n2 = n1 % kDaysPerEra | 3;
    const std::uint64_t p2 = std::uint64_t{2939745} * n2;
    const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
    const auto dayOfYear = static_cast<std::uint32_t>(p2 & 0xFFFFFFFFu) / 2939745 / 4;
    const std::uint32_t n3 = 2141 * dayOfYear + 197913;
    const std::uint32_t month = n3 >> 16;
    const std::uint32_t day = (n3 & 0xFFFFu) / 2141;
    // 1 from January on (day 306 of a year counted from March), without a branch: random days
    // would mispredict one.
    const std::uint32_t january = (dayOfYear + 206) >> 9;
    return QuickDate{100 * century + yearOfCentury - 400 * kEras + january, month - 12 * january,
                     day + 1};
}

QuickPath QuickPathOf(const ParsedCode& code) {
    if (code.encoding != Encoding::Bytes) {
        return {};  // utf8 mode keeps to the general path
    }
    if (const auto* date = std::get_if<DateCode>(&code.rule)) {
        return DatePath(*date);
    }
    if (const auto* time = std::get_if<TimeCode>(&code.rule)) {
        return TimePath(*time);
    }
    if (const auto* migration = std::get_if<MigrationCode>(&code.rule)) {
        return MigrationPath(*migration);
    }
    if (const auto* decimal = std::get_if<MaskedDecimalCode>(&code.rule)) {
        return DecimalPath(*decimal);
    }
    return {};
}

std::string QuickPathBytes(const ParsedCode& code) {
    if (const auto* date = std::get_if<DateCode>(&code.rule)) {
        if (date->form == DateForm::Default) {
            return " ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        }
        return std::string(date->separator.View());
    }
    if (const auto* time = std::get_if<TimeCode>(&code.rule)) {
        return time->separator;
    }
    if (const auto* decimal = std::get_if<MaskedDecimalCode>(&code.rule)) {
        return "-" + decimal->currency + std::string(decimal->thousands.View()) +
               std::string(decimal->point.View()) + decimal->suffix;
    }
    return "-";  // a PC serial's sign
}

bool QuickOconv(const ParsedCode& code, std::string_view value, std::string& out, int& status) {
    status = 0;
    const QuickPath path = QuickPathOf(code);
    char result[kQuickRoom];
    const char* end = path.write != nullptr ? path(value, result) : nullptr;
    if (end == nullptr) {
        return false;
    }
    out.append(result, static_cast<std::size_t>(end - result));
    return true;
}
