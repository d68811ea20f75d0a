// The masked decimal codes MD, ML and MR over any code text and any value, in both dialects and
// both encodings. Code and value sit in buffers of their exact size, so a read past either is a
// sanitizer finding. An invalid code says where and why and converts nothing; a valid one never
// reports an invalid code, OCONV converts every decimal number of at most 30 digits, and ICONV
// writes a plain integer. Codes built without loss (no mask cut, no digit rounded away: n >= f)
// read back by ICONV the integer their OCONV wrote.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "codes/ConversionCode.h"

namespace {

// A copy of text in a heap block of exactly its size.
class ExactBuffer {
  public:
    explicit ExactBuffer(const std::string& text)
        : bytes_(std::make_unique<char[]>(text.size())), size_(text.size()) {
        if (size_ > 0) {
            std::memcpy(bytes_.get(), text.data(), size_);
        }
    }
    std::string_view View() const { return {bytes_.get(), size_}; }

  private:
    std::unique_ptr<char[]> bytes_;
    std::size_t size_;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as the codes read it: a sign, digits with one optional point, 1 to 30 digits.
bool IsDecimalNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    std::size_t digits = 0;
    std::size_t points = 0;
    for (const char c : text) {
        digits += IsDigit(c) ? 1 : 0;
        points += c == '.' ? 1 : 0;
        if (!IsDigit(c) && c != '.') {
            return false;
        }
    }
    return digits >= 1 && digits <= 30 && points <= 1;
}

// An optional minus and digits without leading zeros, never -0.
bool IsPlainInteger(std::string_view text) {
    if (!text.empty() && text.front() == '-') {
        text.remove_prefix(1);
        if (text == "0") {
            return false;
        }
    }
    if (text.empty() || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    for (const char c : text) {
        if (!IsDigit(c)) {
            return false;
        }
    }
    return true;
}

bool HasMark(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 251 || c == '\xef') {
            return true;
        }
    }
    return false;
}

std::string MakeCode(FuzzInput& input) {
    static constexpr const char* kStarts[] = {"MD", "ML", "MR", "md", "mL", "Mr"};
    static constexpr const char* kPieces[] = {"0",
                                              "2",
                                              "9",
                                              "23",
                                              ",",
                                              "$",
                                              "Z",
                                              "P",
                                              "T",
                                              "C",
                                              "D",
                                              "E",
                                              "M",
                                              "N",
                                              "-",
                                              "<",
                                              "F",
                                              "+",
                                              "#",
                                              "#8",
                                              "#99",
                                              "#100",
                                              "*4",
                                              "%6",
                                              "&",
                                              "&*",
                                              "(",
                                              ")",
                                              "[",
                                              "]",
                                              "'",
                                              "\"",
                                              "[,,,]",
                                              "x",
                                              "Tel",
                                              "#0",
                                              " ",
                                              "\xfd",
                                              "\xe2\x82\xac",
                                              "[\"EUR \",\".\",\",\",\"\"]"};
    std::string code = input.Pick(kStarts);
    if (input.Bool()) {
        return code + input.Text(24);
    }
    for (int n = input.Range(0, 6); n > 0; --n) {
        code += input.Pick(kPieces);
    }
    return code;
}

std::string MakeValue(FuzzInput& input) {
    switch (input.Byte() % 5) {
        case 0: {
            std::string number = input.Bool() ? "-" : "";
            for (int n = input.Range(0, 32); n > 0; --n) {
                number += static_cast<char>('0' + input.Byte() % 10);
            }
            if (input.Bool()) {
                number.insert(number.size() - input.Range<std::size_t>(0, number.size()), ".");
            }
            return number;
        }
        case 1:
            return std::string(input.Range<std::size_t>(9990, 10010),
                               static_cast<char>('0' + input.Byte() % 10));
        default:
            return input.Text(40);
    }
}

struct Result {
    int status = 0;
    std::string text;
};

Result Convert(const ConversionCode& code, bool oconv, std::string_view value) {
    Result result;
    result.text = "left over";
    result.status = oconv ? code.Oconv(value, result.text) : code.Iconv(value, result.text);
    return result;
}

void CheckAnyCode(FuzzInput& input, const CodeOptions& options, const std::string& context) {
    const ExactBuffer codeText(MakeCode(input));
    const ConversionCode code = ConversionCode::Parse(codeText.View(), options);
    const std::string codeContext = context + " code " + Escaped(codeText.View());
    // A mark in the code makes it a chain, whose result is its last member's: the number
    // properties below are those of a masked decimal code alone.
    const bool chain = HasMark(codeText.View());
    if (!code.Valid()) {
        FuzzCheck(code.ErrorPosition() <= codeText.View().size() && !code.ErrorReason().empty(),
                  "an invalid code says where and why", codeContext);
    }
    for (int values = 0; values < 4 && !input.Empty(); ++values) {
        const bool oconv = input.Bool();
        const std::string valueText = MakeValue(input);
        const ExactBuffer value(valueText);
        const Result result = Convert(code, oconv, value.View());
        const auto where = [&] {
            return codeContext + (oconv ? " OCONV " : " ICONV ") + Escaped(valueText) + " gave " +
                   Escaped(result.text) + " status " + std::to_string(result.status);
        };
        if (!code.Valid()) {
            FuzzCheck(result.status == 2 && result.text == (oconv ? valueText : ""),
                      "an invalid code converts nothing", where);
            continue;
        }
        FuzzCheck(result.status == 0 || result.status == 1 || result.status == 3,
                  "a valid code gives STATUS 0, 1 or 3", where);
        if (HasMark(valueText)) {
            continue;
        }
        if (result.status == 1) {
            FuzzCheck(result.text == (oconv ? valueText : ""),
                      "a failed conversion keeps the input (OCONV) or gives nothing (ICONV)",
                      where);
        }
        if (chain) {
            continue;
        }
        if (oconv && IsDecimalNumber(valueText)) {
            FuzzCheck(result.status != 1, "OCONV converts every number of 30 digits", where);
        }
        if (!oconv && result.status == 0 && !result.text.empty()) {
            FuzzCheck(IsPlainInteger(result.text), "ICONV writes a plain integer", where);
        }
    }
}

// A code from parts that lose nothing on the way out and back.
struct LosslessCode {
    std::string text;
    bool suppressesMinus = false;
    bool blanksZero = false;
    bool zeroFill = false;
};

LosslessCode MakeLosslessCode(FuzzInput& input, bool pick) {
    static constexpr const char* kKinds[] = {"MD", "ML", "MR"};
    static constexpr const char* kUniverseSigns[] = {"", "-", "<", "C", "D"};
    static constexpr const char* kPickSigns[] = {"", "C", "D", "E", "M", "N", "-", "<"};
    static constexpr const char* kInternational[] = {"[\"EUR \",\".\",\",\",\"\"]", "[,,,\" kr\"]",
                                                     "[,' ',',',]", "[US$,,,]"};
    static constexpr const char* kMasks[] = {"#20", "*25", "#3/#3:#30"};
    static constexpr const char* kPickMasks[] = {"&*#24", "(#40)", "&_(x#10x)", "#4"};
    LosslessCode code;
    const std::string kind = input.Pick(kKinds);
    code.text = kind;
    const int decimals = input.Range(0, 9);
    code.text += std::to_string(decimals) + std::to_string(input.Range(0, decimals));
    const std::uint8_t options = input.Byte();
    if (!pick && (options & 1) != 0) {
        code.text += input.Pick(kInternational);
    } else {
        code.text += (options & 2) != 0 ? "," : "";
        code.text += (options & 4) != 0 ? "$" : "";
    }
    const std::string sign = pick ? input.Pick(kPickSigns) : input.Pick(kUniverseSigns);
    code.suppressesMinus = sign == "N";
    code.text += sign;
    code.blanksZero = (options & 8) != 0;
    code.text += code.blanksZero ? "Z" : "";
    code.text += !pick && (options & 16) != 0 ? "P" : "";
    code.text += !pick && (options & 32) != 0 ? "T" : "";
    const bool right = kind == "MR" || (kind == "MD" && pick);
    switch (input.Byte() % 4) {
        case 0:
            break;
        case 1:
            // Zeros are data, so a 0 fill reads back only in front of a number.
            code.zeroFill = right;
            code.text += right ? "%24" : "#24";
            break;
        case 2:
            code.text += input.Pick(kMasks);
            break;
        default:
            code.text += pick ? input.Pick(kPickMasks) : input.Pick(kMasks);
            break;
    }
    return code;
}

void CheckRoundTrip(FuzzInput& input, const CodeOptions& options, const std::string& context) {
    const LosslessCode made = MakeLosslessCode(input, options.dialect == Dialect::Pick);
    const ConversionCode code = ConversionCode::Parse(made.text, options);
    FuzzCheck(code.Valid(), "a code built from valid parts is valid",
              [&] { return made.text + " " + code.ErrorReason(); });
    const bool negative = input.Bool();
    std::string digits;
    for (int n = input.Range(1, 30); n > 0; --n) {
        digits += static_cast<char>('0' + input.Byte() % 10);
    }
    const std::size_t first = digits.find_first_not_of('0');
    const bool zero = first == std::string::npos;
    const std::string stored = zero ? "0" : (negative ? "-" : "") + digits.substr(first);
    if ((made.suppressesMinus && negative) || (made.blanksZero && zero) ||
        (made.zeroFill && negative)) {
        return;
    }
    const std::string where = context + " code " + made.text + " value " + stored;
    const Result written = Convert(code, true, (negative ? "-" : "") + digits);
    FuzzCheck(written.status == 0 || written.status == 3, "OCONV converts a number",
              [&] { return where + " status " + std::to_string(written.status); });
    std::size_t writtenDigits = 0;
    for (const char c : written.text) {
        writtenDigits += IsDigit(c) ? 1 : 0;
    }
    // A mask cut the number, or a number of more than 30 digits cannot be read.
    if (written.status == 3 || writtenDigits > 30) {
        return;
    }
    const Result read = Convert(code, false, written.text);
    FuzzCheck(read.status == 0 && read.text == stored, "ICONV reads back what OCONV wrote", [&] {
        return where + " written " + Escaped(written.text) + " read " + Escaped(read.text) +
               " status " + std::to_string(read.status);
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    CodeOptions options;
    const std::uint8_t flags = input.Byte();
    options.dialect = (flags & 1) != 0 ? Dialect::Pick : Dialect::Universe;
    options.encoding = (flags & 2) != 0 ? Encoding::Utf8 : Encoding::Bytes;
    const std::string context =
        std::string(options.dialect == Dialect::Pick ? "pick" : "universe") +
        (options.encoding == Encoding::Utf8 ? " utf8" : "");
    if ((flags & 4) != 0) {
        CheckRoundTrip(input, options, context);
    } else {
        CheckAnyCode(input, options, context);
    }
    return 0;
}
