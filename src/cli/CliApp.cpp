#include "cli/CliApp.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/Clock.h"
#include "cli/CodeCommands.h"
#include "cli/ConvertCommand.h"
#include "cli/ValueCommands.h"

namespace {

constexpr unsigned kMostJobs = 64;

// The options every command takes, as given.
struct CommonArgs {
    std::string dialect = "universe";
    bool european = false;
    std::string today;
    std::string encoding = "bytes";
};

void AddCommon(CLI::App& command, CommonArgs& args) {
    command.add_option("--dialect", args.dialect, "universe (default) or pick")
        ->check(CLI::IsMember({"universe", "pick"}));
    command.add_flag("--european", args.european, "day before month (DMY) as the numeric order");
    command.add_option("--today", args.today, "the current date (default: the clock)")
        ->type_name("YYYY-MM-DD");
    command.add_option("--encoding", args.encoding, "bytes (default) or utf8")
        ->check(CLI::IsMember({"bytes", "utf8"}));
}

void AddFormat(CLI::App& command, std::string& format) {
    command
        .add_option("--format", format,
                    "text (aligned, the default on a terminal), tsv (with a header row, the "
                    "default otherwise) or json (one object per value)")
        ->check(CLI::IsMember({"text", "tsv", "json"}));
}

CLI::App* AddCommand(CLI::App& app, const char* name, const char* description,
                     const char* example) {
    CLI::App* command = app.add_subcommand(name, description);
    command->footer(std::string("Example:\n  ") + example);
    return command;
}

// A mark name or a single byte for --delimiter.
bool ReadDelimiter(const std::string& text, char& delimiter) {
    static constexpr std::pair<const char*, int> kNames[] = {
        {"im", 255}, {"am", 254},  {"fm", 254}, {"vm", 253},
        {"sm", 252}, {"svm", 252}, {"tm", 251}, {"tab", '\t'}};
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    for (const auto& [name, code] : kNames) {
        if (lower == name) {
            delimiter = static_cast<char>(static_cast<unsigned char>(code));
            return true;
        }
    }
    if (text.size() == 1 && text[0] != '\n' && text[0] != '\r') {
        delimiter = text[0];
        return true;
    }
    return false;
}

class Invocation {
  public:
    explicit Invocation(Console& console) : console_(console) {}

    int Run(int argc, const char* const argv[]);

  private:
    int Usage(const std::string& message) {
        Diagnose(console_, message);
        Diagnose(console_, "run 'quorlin --help' or 'quorlin help COMMAND' for the usage");
        return kExitUsage;
    }
    void Print(const std::string& text) { console_.out.Write(text); }
    bool ResolveCommon(std::string& error);
    int RunConvertCommand();

    Console& console_;
    CommonArgs common_;
    CodeSettings codes_;
    ValueOptions values_;
    std::string format_;
    std::vector<std::string> args_;
    std::string code_;
    bool withStatus_ = false;
    std::string helpTopic_;
    // convert
    bool csv_ = false;
    bool tsv_ = false;
    std::string delimiter_;
    bool header_ = false;
    std::vector<std::string> fields_;
    std::string onError_ = "keep";
    std::string output_;
    unsigned jobs_ = 0;
    bool quiet_ = false;
};

bool Invocation::ResolveCommon(std::string& error) {
    codes_.pick = common_.dialect == "pick";
    codes_.european = common_.european;
    codes_.utf8 = common_.encoding == "utf8";
    if (common_.today.empty()) {
        const LocalClockReading now = ReadLocalClock();
        codes_.today = CalendarDate{now.year, now.month, now.day};
    } else if (!ReadIsoDate(common_.today, codes_.today)) {
        error = "--today '" + common_.today + "' is not a date YYYY-MM-DD";
        return false;
    }
    values_.today = codes_.today;
    values_.utf8 = codes_.utf8;
    if (format_.empty()) {
        values_.format = console_.outIsTerminal ? OutputFormat::kText : OutputFormat::kTsv;
    } else {
        values_.format = format_ == "json"  ? OutputFormat::kJson
                         : format_ == "tsv" ? OutputFormat::kTsv
                                            : OutputFormat::kText;
    }
    return true;
}

int Invocation::RunConvertCommand() {
    ConvertRequest request;
    if (csv_ && tsv_) {
        return Usage("convert: --csv and --tsv exclude each other");
    }
    if (tsv_ && !delimiter_.empty()) {
        return Usage("convert: --tsv and --delimiter exclude each other");
    }
    request.format.kind = csv_                            ? RecordKind::kCsv
                          : (tsv_ || !delimiter_.empty()) ? RecordKind::kSeparated
                                                          : RecordKind::kLines;
    request.format.delimiter = tsv_ ? '\t' : ',';
    if (!delimiter_.empty() && !ReadDelimiter(delimiter_, request.format.delimiter)) {
        return Usage("convert: --delimiter '" + delimiter_ +
                     "' is not a single byte or a mark name (am, vm, sm, tm, im)");
    }
    if (csv_ && request.format.delimiter == '"') {
        return Usage("convert: the quote cannot be the delimiter of --csv");
    }
    if (codes_.utf8 && static_cast<unsigned char>(request.format.delimiter) >= 0x80) {
        return Usage("convert: --delimiter takes a byte below 128 with --encoding utf8");
    }
    if (fields_.empty()) {
        return Usage("convert: nothing to convert: give --field SPEC=oconv:CODE");
    }
    for (const std::string& text : fields_) {
        FieldRequest field;
        std::string error;
        if (!ReadFieldRequest(text, field, error)) {
            return Usage("convert: " + error);
        }
        request.fields.push_back(field);
    }
    request.header = header_;
    request.onError = onError_ == "fail"    ? OnError::kFail
                      : onError_ == "empty" ? OnError::kEmpty
                                            : OnError::kKeep;
    request.output = output_;
    request.quiet = quiet_;
    request.files = args_;
    if (jobs_ == 0) {
        jobs_ = std::max(1u, std::thread::hardware_concurrency());
    }
    request.jobs = std::min(jobs_, kMostJobs);
    const CodeSettings settings = codes_;
    return RunConvert(
        console_, request,
        [&settings](Direction direction, const std::string& code, std::string& error) {
            return MakeCodeConverter(direction, code, settings, error);
        });
}

int Invocation::Run(int argc, const char* const argv[]) {
    CLI::App app(
        "quorlin: Pick days, times and characters, and the MultiValue conversion codes, "
        "from a shell and over whole files.",
        "quorlin");
    app.set_version_flag("--version", std::string("quorlin ") + QC_VERSION);
    // Options are written the Unix way in both builds: a path like /tmp/x is never an option.
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    app.get_formatter()->label("Subcommands", "Commands");
    app.get_formatter()->label("SUBCOMMAND", "COMMAND");
    app.footer(
        "With no VALUE, each line of standard input is one value.\n"
        "Exit codes: 0 done; 1 a value did not convert (oconv/iconv: the highest STATUS);\n"
        "2 a file could not be read or written; 64 a usage error.\n"
        "Example:\n  quorlin day 21527");
    AddCommon(app, common_);

    CLI::App* day = AddCommand(app, "day", "a day in every form: Pick day, PC serial, ISO, weekday",
                               "quorlin day 21527 pc:46364 2026-12-08 today");
    day->add_option("VALUE", args_, "a Pick day, pc:SERIAL, YYYY-MM-DD or today");
    CLI::App* time = AddCommand(app, "time", "a time of day in both forms: seconds and H:MM:SS",
                                "quorlin time 62864 17:27:44");
    time->add_option("VALUE", args_, "seconds past midnight or H:MM[:SS]");
    CLI::App* chr = AddCommand(
        app, "char", "a character in every form: Ascii, Dec, Hex, Binary, Ctrl (and its mark)",
        "quorlin char A 65 x41 ^J VM");
    chr->add_option("VALUE", args_,
                    "a character (a lone digit is a code), a code (65, x41, 0x41, $41), a control "
                    "letter (^J) or a mark name (IM AM FM VM SM SVM TM)");
    CLI::App* diff =
        AddCommand(app, "diff", "days from FROM to TO", "quorlin diff 2026-01-01 2026-12-08");
    diff->add_option("FROM TO", args_, "two days, in any form of 'quorlin day'");
    for (CLI::App* command : {day, time, chr, diff}) {
        AddFormat(*command, format_);
    }
    CLI::App* oconv = AddCommand(app, "oconv", "internal to external under a conversion code",
                                 "quorlin oconv D4- 21527 --dialect pick");
    CLI::App* iconv = AddCommand(app, "iconv", "external to internal under a conversion code",
                                 "quorlin iconv D '12/8/2026'");
    for (CLI::App* command : {oconv, iconv}) {
        command->add_option("CODE", code_,
                            "a conversion code: D, MT, MX, MCDX, ISO, PC, ... (required)");
        command->add_option("VALUE", args_, "values to convert");
        command->add_flag("--status", withStatus_, "add the STATUS of each value after a tab");
    }
    CLI::App* convert = AddCommand(
        app, "convert", "convert chosen fields of every record of delimited files",
        "quorlin convert --csv --header --field date=oconv:D4- --field 5=oconv:MTS orders.csv");
    convert->add_flag("--csv", csv_, "CSV records: quoted fields, doubled quotes, CRLF or LF");
    convert->add_flag("--tsv", tsv_, "tab-separated fields");
    convert
        ->add_option("--delimiter", delimiter_,
                     "fields separated by this byte or mark (am, vm, sm, tm, im); with --csv "
                     "it replaces the comma")
        ->type_name("C");
    convert->add_flag("--header", header_, "the first record names the columns");
    convert
        ->add_option("--field", fields_,
                     "SPEC=oconv:CODE or SPEC=iconv:CODE; SPEC is a column number from 1 or, with "
                     "--header, a name (repeatable)")
        ->type_name("SPEC=DIRECTION:CODE")
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    convert->add_option("--on-error", onError_, "keep (the original text), empty, or fail")
        ->check(CLI::IsMember({"keep", "empty", "fail"}));
    convert->add_option("-o,--output", output_, "write to this file (replaced only at the end)")
        ->type_name("FILE");
    convert->add_option("--jobs", jobs_, "chunks converted in parallel (default: the cores)")
        ->type_name("N")
        ->check(CLI::Range(1u, kMostJobs));
    convert->add_flag("--quiet", quiet_, "no progress line and no summary");
    convert->add_option("FILE", args_, "input files (default or '-': standard input)");
    for (CLI::App* command : {day, time, chr, diff, oconv, iconv, convert}) {
        AddCommon(*command, common_);
    }
    CLI::App* help =
        AddCommand(app, "help", "the usage of quorlin or of one command", "quorlin help convert");
    help->add_option("COMMAND", helpTopic_, "a command");

    // A first word that names no command would otherwise be reported as a missing command.
    if (argc > 1 && argv[1][0] != '-') {
        const std::string first = argv[1];
        const auto commands = app.get_subcommands({});
        if (std::none_of(commands.begin(), commands.end(), [&first](const CLI::App* command) {
                return command->get_name() == first;
            })) {
            return Usage("no command named '" + first + "'");
        }
    }
    // Everything after "--" is a value or a file, whatever it looks like. The parser is given
    // only what comes before, as it honours "--" only before the first value.
    int parsed = argc;
    for (int i = 2; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--") {
            parsed = i;
            break;
        }
    }
    std::vector<std::string> afterDashes(argv + std::min(parsed + 1, argc), argv + argc);
    try {
        app.parse(parsed, argv);
    } catch (const CLI::CallForHelp&) {
        Print(app.help());
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        Print(app.help());
        return 0;
    } catch (const CLI::CallForVersion&) {
        Print(app.version() + "\n");
        return 0;
    } catch (const CLI::ParseError& e) {
        return Usage(e.what());
    }
    if (help->parsed()) {
        if (helpTopic_.empty()) {
            Print(app.help());
            return 0;
        }
        for (CLI::App* command : app.get_subcommands({})) {
            if (command->get_name() == helpTopic_) {
                Print(command->help());
                return 0;
            }
        }
        return Usage("help: no command named '" + helpTopic_ + "'");
    }
    if ((oconv->parsed() || iconv->parsed()) && code_.empty() && !afterDashes.empty()) {
        code_ = afterDashes.front();
        afterDashes.erase(afterDashes.begin());
    }
    args_.insert(args_.end(), afterDashes.begin(), afterDashes.end());
    if ((oconv->parsed() || iconv->parsed()) && code_.empty()) {
        return Usage(std::string(oconv->parsed() ? "oconv" : "iconv") + ": CODE is required");
    }
    if (diff->parsed() && args_.size() != 2) {
        return Usage("diff: give two days, FROM and TO");
    }
    std::string error;
    if (!ResolveCommon(error)) {
        return Usage(error);
    }
    if (day->parsed()) {
        return RunDay(console_, args_, values_);
    }
    if (time->parsed()) {
        return RunTime(console_, args_, values_);
    }
    if (chr->parsed()) {
        return RunChar(console_, args_, values_);
    }
    if (diff->parsed()) {
        return RunDiff(console_, args_[0], args_[1], values_);
    }
    if (oconv->parsed() || iconv->parsed()) {
        return RunCodeCommand(console_, oconv->parsed() ? Direction::kOconv : Direction::kIconv,
                              code_, args_, withStatus_, codes_);
    }
    return RunConvertCommand();
}

}  // namespace

int RunQuorlin(int argc, const char* const argv[], Console& console) {
    Invocation invocation(console);
    return invocation.Run(argc, argv);
}
