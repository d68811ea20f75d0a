#include "cli/ValueCommands.h"

#include <cstdint>
#include <functional>

#include "base/Exception.h"
#include "cli/CharForms.h"
#include "cli/TimeForms.h"

namespace {

// Values typed at a terminal are answered one by one; other input is aligned in blocks.
constexpr std::size_t kAlignedBlock = 1000;

std::size_t AlignRows(const Console& console, const std::vector<std::string>& values) {
    if (!values.empty()) {
        return values.size();
    }
    return console.inIsTerminal ? 1 : kAlignedBlock;
}

// Runs a value command: rows for the values read, one diagnostic for each that is not.
int RunRows(Console& console, const std::vector<std::string>& values, const char* command,
            const ValueOptions& options, std::vector<Column> columns,
            const std::function<std::vector<Cell>(const std::string&)>& describe) {
    TableWriter table(console.out, options.format, std::move(columns), AlignRows(console, values),
                      options.utf8);
    int exitCode = 0;
    EachValue(console, values, [&](const std::string& value) {
        try {
            table.Row(describe(value));
        } catch (const EConvertError& e) {
            Diagnose(console, std::string(command) + ": " + e.Message());
            exitCode = 1;
        }
    });
    table.Finish();
    return exitCode;
}

// The panel writes a group of four bits after a blank; people read the digits alone.
std::string TrimmedBlank(const std::string& binary) {
    return !binary.empty() && binary[0] == ' ' ? binary.substr(1) : "";
}

std::string Quoted(const std::string& text) {
    return "'" + text + "'";
}

}  // namespace

int RunDay(Console& console, const std::vector<std::string>& values, const ValueOptions& options) {
    return RunRows(console, values, "day", options,
                   {{"pick", true}, {"pc", true}, {"iso", false}, {"weekday", false}},
                   [&](const std::string& value) {
                       const DayForms day = DescribeDay(ReadDay(value, options.today));
                       return std::vector<Cell>{
                           {std::to_string(day.pick), ""},
                           {std::to_string(day.pc), "pc:" + std::to_string(day.pc)},
                           {day.iso, ""},
                           {day.weekday, ""}};
                   });
}

int RunTime(Console& console, const std::vector<std::string>& values, const ValueOptions& options) {
    return RunRows(
        console, values, "time", options, {{"seconds", true}, {"time", false}},
        [](const std::string& value) {
            const std::int32_t seconds = ReadTime(value);
            return std::vector<Cell>{{std::to_string(seconds), ""}, {TimeText(seconds), ""}};
        });
}

int RunChar(Console& console, const std::vector<std::string>& values, const ValueOptions& options) {
    return RunRows(console, values, "char", options,
                   {{"ascii", false},
                    {"dec", true},
                    {"hex", false},
                    {"binary", false},
                    {"ctrl", false},
                    {"mark", false}},
                   [&options](const std::string& value) {
                       const CharForms c = ReadChar(value, options.utf8);
                       // For people the character is quoted, so a blank or nothing shows, and a
                       // control letter reads as ^J.
                       return std::vector<Cell>{
                           {c.texts.Ascii, Quoted(c.texts.Ascii)},
                           {c.texts.Dec, ""},
                           {c.texts.Hex, ""},
                           {c.texts.Binary, TrimmedBlank(c.texts.Binary)},
                           {c.texts.Ctrl, c.texts.Ctrl.empty() ? "" : "^" + c.texts.Ctrl},
                           {c.mark, ""}};
                   });
}

int RunDiff(Console& console, const std::string& from, const std::string& to,
            const ValueOptions& options) {
    std::int64_t days[2] = {0, 0};
    int exitCode = 0;
    for (int i = 0; i < 2; ++i) {
        try {
            days[i] = ReadDay(i == 0 ? from : to, options.today);
        } catch (const EConvertError& e) {
            Diagnose(console, "diff: " + e.Message());
            exitCode = 1;
        }
    }
    if (exitCode == 0) {
        TableWriter table(console.out, options.format, {{"days", true}}, 1);
        table.Row({{std::to_string(days[1] - days[0]), ""}});
    }
    return exitCode;
}
