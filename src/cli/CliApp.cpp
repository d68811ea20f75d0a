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
#include "cli/HelpTexts.h"
#include "cli/ValueCommands.h"

namespace {

constexpr unsigned kMostJobs = 64;

// The options every command takes, as given. Their descriptions, like every text of the usage,
// are in the manual's source (cli/HelpTexts.h).
struct CommonArgs {
    std::string dialect = "universe";
    bool european = false;
    std::string today;
    std::string encoding = "bytes";
};

void AddCommon(CLI::App& command, CommonArgs& args) {
    command.add_option("--dialect", args.dialect)->check(CLI::IsMember({"universe", "pick"}));
    command.add_flag("--european", args.european);
    command.add_option("--today", args.today);
    command.add_option("--encoding", args.encoding)->check(CLI::IsMember({"bytes", "utf8"}));
}

void AddFormat(CLI::App& command, std::string& format) {
    command.add_option("--format", format)->check(CLI::IsMember({"text", "tsv", "json"}));
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
    CLI::App app("", "quorlin");
    app.set_version_flag("--version", std::string("quorlin ") + QC_VERSION);
    // Options are written the Unix way in both builds: a path like /tmp/x is never an option.
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    AddCommon(app, common_);

    CLI::App* day = app.add_subcommand("day");
    CLI::App* time = app.add_subcommand("time");
    CLI::App* chr = app.add_subcommand("char");
    CLI::App* diff = app.add_subcommand("diff");
    for (CLI::App* command : {day, time, chr, diff}) {
        command->add_option("VALUE", args_);
        AddFormat(*command, format_);
    }
    CLI::App* oconv = app.add_subcommand("oconv");
    CLI::App* iconv = app.add_subcommand("iconv");
    for (CLI::App* command : {oconv, iconv}) {
        command->add_option("CODE", code_);
        command->add_option("VALUE", args_);
        command->add_flag("--status", withStatus_);
    }
    CLI::App* convert = app.add_subcommand("convert");
    convert->add_flag("--csv", csv_);
    convert->add_flag("--tsv", tsv_);
    convert->add_option("--delimiter", delimiter_);
    convert->add_flag("--header", header_);
    convert->add_option("--field", fields_)
        ->expected(1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    convert->add_option("--on-error", onError_)->check(CLI::IsMember({"keep", "empty", "fail"}));
    convert->add_option("-o,--output", output_);
    convert->add_option("--jobs", jobs_)->check(CLI::Range(1u, kMostJobs));
    convert->add_flag("--quiet", quiet_);
    convert->add_option("FILE", args_);
    for (CLI::App* command : {day, time, chr, diff, oconv, iconv, convert}) {
        AddCommon(*command, common_);
    }
    CLI::App* help = app.add_subcommand("help");
    help->add_option("TOPIC", helpTopic_);

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
        // -h or --help: the usage of the command it follows, or of the program.
        const auto commands = app.get_subcommands();
        Print(std::string(commands.empty() ? GeneralHelp()
                                           : TopicHelp(commands.front()->get_name())));
        return 0;
    } catch (const CLI::CallForVersion&) {
        Print(app.version() + "\n");
        return 0;
    } catch (const CLI::ParseError& e) {
        return Usage(e.what());
    }
    if (help->parsed()) {
        const std::string_view text = helpTopic_.empty() ? GeneralHelp() : TopicHelp(helpTopic_);
        if (text.empty()) {
            return Usage("help: no command or topic named '" + helpTopic_ + "'");
        }
        Print(std::string(text));
        return 0;
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
