// ConversionCode over any code text and any value, in both dialects, both encodings, with or
// without the European order and under any current date. Parsing never throws; an invalid code
// says where and why and converts nothing (STATUS 2, OCONV keeps the input, ICONV gives "");
// a valid code gives STATUS 0, 1 or 3, and on STATUS 1 OCONV keeps the input and ICONV gives "";
// codes read the same in either case; a value with marks converts piece by piece with its marks
// kept; the output's old content never shows. Days, times, ISO dates, PC serials and Roman
// numerals written by OCONV read back by ICONV as the same number. A chain (codes joined by value
// marks) is valid exactly when every member is, and converts as its members applied in turn.
// Codes and values are given in buffers of exactly their size, so a read past either shows.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Calendar.h"
#include "codes/ConversionCode.h"

namespace {

// The day range of the codes: 1 January 1 to 31 December 9999 as Pick days.
constexpr std::int64_t kFirstPickDay = -718430;
constexpr std::int64_t kLastPickDay = 2933628;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return upper;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return lower;
}

std::string MakeCode(FuzzInput& input) {
    static constexpr const char* kPieces[] = {
        "D",    "D2",  "D4",  "D0",    "D/",    "D-",   "D.",   " ",   "E",   "I",
        "L",    "Y",   "M",   "MA",    "MB",    "MR",   "W",    "WA",  "WB",  "Q",
        "J",    "F",   "[",   "]",     ",",     "Z",    "A3",   "2",   "4",   "*1",
        "MT",   "H",   "S",   "'h'",   "\"\"",  ":",    "MX",   "MO",  "0C",  "MCDX",
        "MCXD", "MCD", "MCX", "MCAX",  "MCXA",  "MY",   "CHAR", "SEQ", "ISO", "ISOD",
        "ISOT", "PC",  "XL",  "UNIXD", "UNIXS", "\xfd", "d",    "mt",  "x"};
    // The text, Roman, range and pattern codes, the masked decimals and chains of them.
    static constexpr const char* kTextPieces[] = {
        "MCU",  "MCL",  "MCT",   "MCA",  "MC/A",     "MCN",        "MC/N",        "MCB",
        "MC/B", "MCAN", "MC/AN", "MCP",  "MCP~",     "MCC;",       ";",           "MCDR",
        "MCRD", "MCR",  "NR",    "G",    "T",        "1,",         "L",           "R",
        "-",    "P(",   "P#(",   ")",    "N",        "A",          "X",           "C",
        "P",    "0",    "/",     "\"",   "'",        " ",          "x",           "MD2",
        "MR2,", "ML#4", "\xfd",  "\xfe", "\xc3\xa9", "9999999999", "\xef\xa3\xbd"};
    if (input.Bool()) {
        return input.Text(24);
    }
    const bool text = input.Bool();
    std::string code;
    for (int n = input.Range(1, 6); n > 0; --n) {
        code += text ? input.Pick(kTextPieces) : input.Pick(kPieces);
    }
    return code;
}

std::string MakeValue(FuzzInput& input) {
    static constexpr const char* kMarks[] = {"\xfb", "\xfc",         "\xfd",        "\xfe",
                                             "\xff", "\xef\xa3\xbd", "\xef\xa3\xbe"};
    switch (input.Byte() % 4) {
        case 0:
            return std::to_string(input.Range<std::int64_t>(-3000000, 3000000));
        case 1:
            return input.Text(16) + input.Pick(kMarks) + input.Text(8) + input.Pick(kMarks);
        default:
            return input.Text(24);
    }
}

// The marks as the encoding writes them: bytes 251..255, or U+F8FB..U+F8FF in UTF-8.
std::size_t MarkLength(std::string_view value, std::size_t pos, Encoding encoding) {
    if (encoding == Encoding::Bytes) {
        return static_cast<unsigned char>(value[pos]) >= 251 ? 1 : 0;
    }
    const bool mark = value.size() - pos >= 3 && value[pos] == '\xef' && value[pos + 1] == '\xa3' &&
                      static_cast<unsigned char>(value[pos + 2]) >= 0xbb &&
                      static_cast<unsigned char>(value[pos + 2]) <= 0xbf;
    return mark ? 3 : 0;
}

// A text in a buffer of exactly its size (none past it, not even a terminating NUL), so that a
// read past its end is a read past the buffer.
class ExactText {
  public:
    explicit ExactText(std::string_view text) : bytes_(new char[text.size()]), size_(text.size()) {
        if (size_ != 0) {
            std::memcpy(bytes_.get(), text.data(), size_);
        }
    }
    std::string_view View() const { return {bytes_.get(), size_}; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

ConversionCode ParseExact(std::string_view code, const CodeOptions& options) {
    const ExactText exact(code);
    return ConversionCode::Parse(exact.View(), options);
}

// The members of a chain: the code split at its value marks (byte 253, or U+F8FD in utf8 mode).
std::vector<std::string> ChainMembers(std::string_view code, Encoding encoding) {
    const std::string_view mark = encoding == Encoding::Bytes ? "\xfd" : "\xef\xa3\xbd";
    std::vector<std::string> members;
    std::size_t start = 0;
    for (std::size_t found = code.find(mark); found != std::string_view::npos;
         found = code.find(mark, start)) {
        members.emplace_back(code.substr(start, found - start));
        start = found + mark.size();
    }
    members.emplace_back(code.substr(start));
    return members;
}

// The codes that treat marks as data: the character codes.
bool TreatsMarksAsData(std::string_view code, Dialect dialect) {
    const std::string upper = Upper(code);
    for (const char* name : {"CHAR", "SEQ", "MX0C", "MO0C", "MB0C"}) {
        if (upper == name) {
            return true;
        }
    }
    if (dialect == Dialect::Pick) {
        for (const char* name : {"MX", "MO", "MB", "MY", "MCAX", "MCXA"}) {
            if (upper == name) {
                return true;
            }
        }
    }
    return false;
}

struct Result {
    int status = 0;
    std::string text;
};

Result Convert(const ConversionCode& code, bool oconv, std::string_view value) {
    const ExactText exact(value);
    Result result;
    result.text = "left over from before";
    result.status =
        oconv ? code.Oconv(exact.View(), result.text) : code.Iconv(exact.View(), result.text);
    return result;
}

// The members applied in turn to one text, stopping at the first that cannot convert it.
Result ApplyMembers(const std::vector<ConversionCode>& members, bool oconv, std::string_view text) {
    Result result{kStatusConverted, std::string(text)};
    for (const ConversionCode& member : members) {
        const Result step = Convert(member, oconv, result.text);
        if (step.status == kStatusBadInput) {
            return {kStatusBadInput, oconv ? std::string(text) : std::string()};
        }
        result.status = std::max(result.status, step.status);
        result.text = step.text;
    }
    return result;
}

// A chain converts as its members applied in turn: to the whole value when one of them treats
// marks as data, else to each piece between marks (an empty piece staying empty).
void CheckChain(const ConversionCode& chain, std::string_view codeText, const CodeOptions& options,
                bool oconv, std::string_view value, const Result& result,
                const std::string& context) {
    std::vector<ConversionCode> members;
    bool whole = false;
    for (const std::string& text : ChainMembers(codeText, options.encoding)) {
        members.push_back(ParseExact(text, options));
        whole = whole || TreatsMarksAsData(text, options.dialect);
    }
    Result expected;
    if (whole) {
        expected = ApplyMembers(members, oconv, value);
    } else {
        std::size_t start = 0;
        const auto piece = [&](std::string_view text) {
            if (!text.empty()) {
                const Result part = ApplyMembers(members, oconv, text);
                expected.status = std::max(expected.status, part.status);
                expected.text += part.text;
            }
        };
        for (std::size_t pos = 0; pos < value.size();) {
            const std::size_t mark = MarkLength(value, pos, options.encoding);
            if (mark == 0) {
                ++pos;
                continue;
            }
            piece(value.substr(start, pos - start));
            expected.text += value.substr(pos, mark);
            pos += mark;
            start = pos;
        }
        piece(value.substr(start));
    }
    FuzzCheck(chain.TreatsMarksAsData() == whole && result.status == expected.status &&
                  result.text == expected.text,
              "a chain converts as its members applied in turn", [&] {
                  return context + " gave " + Escaped(result.text) + " status " +
                         std::to_string(result.status) + ", members " + Escaped(expected.text) +
                         " status " + std::to_string(expected.status);
              });
}

void CheckConversion(const ConversionCode& code, std::string_view codeText,
                     const CodeOptions& options, bool oconv, std::string_view value,
                     const std::string& context) {
    const Dialect dialect = options.dialect;
    const Encoding encoding = options.encoding;
    const Result result = Convert(code, oconv, value);
    std::string fresh;
    const int again = oconv ? code.Oconv(value, fresh) : code.Iconv(value, fresh);
    FuzzCheck(again == result.status && fresh == result.text,
              "a conversion replaces the output's old content", context);
    FuzzCheck(result.status >= 0 && result.status <= 3, "STATUS is 0 to 3", context);
    if (!code.Valid()) {
        FuzzCheck(result.status == kStatusBadCode && result.text == (oconv ? value : ""),
                  "an invalid code converts nothing", context);
        return;
    }
    FuzzCheck(result.status != kStatusBadCode, "a valid code never reports an invalid code",
              context);
    const std::vector<std::string> members = ChainMembers(codeText, encoding);
    if (members.size() > 1) {
        CheckChain(code, codeText, options, oconv, value, result, context);
    }
    const bool marksAsData =
        std::any_of(members.begin(), members.end(),
                    [&](const std::string& member) { return TreatsMarksAsData(member, dialect); });
    if (marksAsData) {
        if (result.status == kStatusBadInput) {
            FuzzCheck(result.text == (oconv ? value : ""),
                      "a failed conversion keeps the input (OCONV) or gives nothing (ICONV)",
                      [&] { return context + " gave " + Escaped(result.text); });
        }
        return;
    }
    // The bulk rule: each piece between marks on its own, the marks kept byte for byte.
    std::string joined;
    int highest = kStatusConverted;
    std::size_t start = 0;
    const auto piece = [&](std::string_view text) {
        const Result part = Convert(code, oconv, text);
        if (part.status == kStatusBadInput) {
            FuzzCheck(part.text == (oconv ? text : ""),
                      "a failed conversion keeps the input (OCONV) or gives nothing (ICONV)", [&] {
                          return context + " piece " + Escaped(text) + " gave " +
                                 Escaped(part.text);
                      });
        }
        highest = std::max(highest, part.status);
        joined += part.text;
    };
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t mark = MarkLength(value, pos, encoding);
        if (mark == 0) {
            ++pos;
            continue;
        }
        piece(value.substr(start, pos - start));
        joined += value.substr(pos, mark);
        pos += mark;
        start = pos;
    }
    if (start > 0) {
        piece(value.substr(start));
        FuzzCheck(result.text == joined && result.status == highest,
                  "a value with marks converts piece by piece with its marks kept", [&] {
                      return context + " gave " + Escaped(result.text) + " status " +
                             std::to_string(result.status) + ", pieces " + Escaped(joined);
                  });
    } else if (result.status == kStatusBadInput) {
        FuzzCheck(result.text == (oconv ? value : ""),
                  "a failed conversion keeps the input (OCONV) or gives nothing (ICONV)",
                  [&] { return context + " gave " + Escaped(result.text); });
    }
}

// Codes whose OCONV writes the whole number again, in a form their ICONV reads.
void CheckRoundTrip(FuzzInput& input, const CodeOptions& options, const std::string& context) {
    struct RoundTrip {
        const char* code;
        bool universeOnly;  // and the others pick-only when their code begins "MC"
        std::int64_t lowest;
        std::int64_t highest;
    };
    static constexpr RoundTrip kRoundTrips[] = {
        {"D", false, kFirstPickDay, kLastPickDay},
        {"D4", false, kFirstPickDay, kLastPickDay},
        {"D/", false, kFirstPickDay, kLastPickDay},
        {"D4-", false, kFirstPickDay, kLastPickDay},
        {"D.", false, kFirstPickDay, kLastPickDay},
        {"D/E", true, kFirstPickDay, kLastPickDay},
        {"DI", true, kFirstPickDay, kLastPickDay},
        {"D-YMD", true, kFirstPickDay, kLastPickDay},
        {"D DMBY", true, kFirstPickDay, kLastPickDay},
        {"D/MDY[Z,Z,4]", true, kFirstPickDay, kLastPickDay},
        {"ISO", false, kFirstPickDay, kLastPickDay},
        {"PC", false, kFirstPickDay, kLastPickDay},
        {"MTS", false, 0, 86399},
        {"MTHS", false, 0, 86399},
        {"MTS.", false, 0, 86399},
        {"MTS", true, INT32_MIN, INT32_MAX},
        {"MTMS", true, 0, 86399999},
        {"ISOT", false, 0, 86399},
        {"NR", true, 1, 3999999},
        {"MCDR", false, 1, 3999},
    };
    const RoundTrip& trip = input.Pick(kRoundTrips);
    const bool pickOnly = std::string_view(trip.code).substr(0, 2) == "MC";
    if ((trip.universeOnly && options.dialect != Dialect::Universe) ||
        (pickOnly && options.dialect != Dialect::Pick)) {
        return;
    }
    const ConversionCode code = ParseExact(trip.code, options);
    FuzzCheck(code.Valid(), "a round-trip code is valid", trip.code);
    const std::string number = std::to_string(input.Range(trip.lowest, trip.highest));
    const auto where = [&] { return context + " code " + trip.code + " number " + number; };
    const Result written = Convert(code, true, number);
    FuzzCheck(written.status == kStatusConverted, "OCONV converts a number in range",
              [&] { return where() + " status " + std::to_string(written.status); });
    const Result read = Convert(code, false, written.text);
    FuzzCheck(read.status == kStatusConverted && read.text == number,
              "ICONV reads back what OCONV wrote", [&] {
                  return where() + " written " + Escaped(written.text) + " read " +
                         Escaped(read.text) + " status " + std::to_string(read.status);
              });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    CodeOptions options;
    const std::uint8_t flags = input.Byte();
    options.dialect = (flags & 1) != 0 ? Dialect::Pick : Dialect::Universe;
    options.european = (flags & 2) != 0;
    options.encoding = (flags & 4) != 0 ? Encoding::Utf8 : Encoding::Bytes;
    options.today.year = input.Range(1, 9999);
    options.today.month = input.Range(1, 12);
    options.today.day = input.Range(1, DaysInMonth(options.today.year, options.today.month));
    const std::string context =
        std::string(options.dialect == Dialect::Pick ? "pick" : "universe") +
        (options.european ? " european" : "") +
        (options.encoding == Encoding::Utf8 ? " utf8" : "") + " today " +
        std::to_string(options.today.year) + "-" + std::to_string(options.today.month) + "-" +
        std::to_string(options.today.day);

    if ((flags & 8) != 0) {
        CheckRoundTrip(input, options, context);
        return 0;
    }
    const std::string codeText = MakeCode(input);
    const ConversionCode code = ParseExact(codeText, options);
    const std::string codeContext = context + " code " + Escaped(codeText);
    if (!code.Valid()) {
        FuzzCheck(code.ErrorPosition() <= codeText.size() && !code.ErrorReason().empty(),
                  "an invalid code says where and why", codeContext);
    }
    if (const std::vector<std::string> members = ChainMembers(codeText, options.encoding);
        members.size() > 1) {
        const bool allValid = std::all_of(
            members.begin(), members.end(),
            [&](const std::string& member) { return ParseExact(member, options).Valid(); });
        FuzzCheck(code.Valid() == allValid, "a chain is valid exactly when every member is",
                  codeContext);
    }
    if (codeText.find_first_of("'\"") == std::string::npos) {
        const ConversionCode lower = ParseExact(Lower(codeText), options);
        const ConversionCode upper = ParseExact(Upper(codeText), options);
        FuzzCheck(lower.Valid() == code.Valid() && upper.Valid() == code.Valid(),
                  "codes read the same in either case", codeContext);
    }
    for (int values = 0; values < 4 && !input.Empty(); ++values) {
        const bool oconv = input.Bool();
        const std::string value = MakeValue(input);
        CheckConversion(code, codeText, options, oconv, value,
                        codeContext + (oconv ? " OCONV " : " ICONV ") + Escaped(value));
    }
    return 0;
}
