#include "cli/CodeCommands.h"

#include <algorithm>

#include "codes/ConversionCode.h"

namespace {

CodeOptions OptionsOf(const CodeSettings& settings) {
    CodeOptions options;
    options.dialect = settings.pick ? Dialect::Pick : Dialect::Universe;
    options.european = settings.european;
    options.today = CivilDate{settings.today.year, settings.today.month, settings.today.day};
    options.encoding = settings.utf8 ? Encoding::Utf8 : Encoding::Bytes;
    return options;
}

// "invalid code 'DZ': 'Z' at position 2: unknown code" (positions counted from 1).
std::string InvalidCodeText(const std::string& text, const ConversionCode& code) {
    const std::size_t at = code.ErrorPosition();
    std::string where = at < text.size()
                            ? "'" + text.substr(at, 1) + "' at position " + std::to_string(at + 1)
                            : "it ends too early";
    return "invalid code '" + text + "': " + where + ": " + code.ErrorReason();
}

// A parsed code applied in one direction; shared by every worker of `convert`.
class CodeConverter : public ValueConverter {
  public:
    CodeConverter(ConversionCode code, Direction direction)
        : code_(std::move(code)), direction_(direction) {}

    int Convert(std::string_view value, std::string& out) const override {
        return direction_ == Direction::kOconv ? code_.Oconv(value, out) : code_.Iconv(value, out);
    }
    int ConvertAppend(std::string_view value, std::string& out,
                      std::string& scratch) const override {
        if (direction_ == Direction::kOconv) {
            return code_.AppendOconv(value, out, scratch);
        }
        const int status = code_.Iconv(value, scratch);
        out.append(scratch);
        return status;
    }
    DirectPath Direct() const override {
        static_assert(kQuickRoom <= kDirectRoom);
        if (direction_ != Direction::kOconv) {
            return {};
        }
        const QuickPath path = code_.DirectOconvPath();
        return {path.write, path.rule, true, code_.DirectOconvBytes()};
    }

  private:
    const ConversionCode code_;
    const Direction direction_;
};

}  // namespace

std::unique_ptr<ValueConverter> MakeCodeConverter(Direction direction, const std::string& code,
                                                  const CodeSettings& settings,
                                                  std::string& error) {
    ConversionCode parsed = ConversionCode::Parse(code, OptionsOf(settings));
    if (!parsed.Valid()) {
        error = InvalidCodeText(code, parsed);
        return nullptr;
    }
    return std::make_unique<CodeConverter>(std::move(parsed), direction);
}

int RunCodeCommand(Console& console, Direction direction, const std::string& code,
                   const std::vector<std::string>& values, bool withStatus,
                   const CodeSettings& settings) {
    const ConversionCode parsed = ConversionCode::Parse(code, OptionsOf(settings));
    const char* command = direction == Direction::kOconv ? "oconv: " : "iconv: ";
    if (!parsed.Valid()) {
        // Reported once; every value still gets its line, with STATUS 2.
        Diagnose(console, command + InvalidCodeText(code, parsed));
    }
    int highest = 0;
    std::string scratch;
    std::string line;
    const auto convert = [&](std::string_view value) {
        // The result goes straight into the line, by the same path as convert's fields.
        line.clear();
        int status = 0;
        if (direction == Direction::kOconv) {
            status = parsed.AppendOconv(value, line, scratch);
        } else {
            status = parsed.Iconv(value, line);
        }
        highest = std::max(highest, status);
        if (withStatus) {
            line += '\t';
            line += std::to_string(status);
        }
        line += '\n';
        console.out.Write(line);
    };
    EachValue(console, values, convert);
    return highest;
}
