// The entry point of `quorlin`: the real standard streams around RunQuorlin.

#include "base/Exception.h"
#include "cli/ByteStreams.h"
#include "cli/CliApp.h"
#include "cli/FileStreams.h"

#ifdef _WIN32
#include <string_view>
#include <vector>

#include "cli/win32/Utf8Arguments.h"
#endif

namespace {

// A closed standard output ends the run quietly, as the shell's own tools do.
constexpr int kExitClosedOutput = 141;

#ifdef _WIN32
bool AsksForUtf8(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--encoding=utf8" ||
            (arg == "--encoding" && i + 1 < argc && std::string_view(argv[i + 1]) == "utf8")) {
            return true;
        }
    }
    return false;
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
#ifdef _WIN32
    // In utf8 mode the values must arrive as UTF-8, which the ANSI arguments cannot carry.
    std::vector<std::string> utf8;
    std::vector<char*> utf8Pointers;
    if (AsksForUtf8(argc, argv)) {
        utf8 = Utf8Arguments();
        if (static_cast<int>(utf8.size()) == argc) {
            for (std::string& arg : utf8) {
                utf8Pointers.push_back(arg.data());
            }
            utf8Pointers.push_back(nullptr);
            argv = utf8Pointers.data();
        }
    }
#endif
    const std::unique_ptr<FdSource> in = StandardInput();
    FdSink out = StandardOutput();
    FdSink err(kStderrFd, "standard error");
    BufferedSink bufferedOut(out);
    Console console{
        *in, bufferedOut, err, IsTerminal(kStdinFd), IsTerminal(kStdoutFd), IsTerminal(kStderrFd)};
    try {
        const int exitCode = RunQuorlin(argc, argv, console);
        bufferedOut.Flush();
        return exitCode;
    } catch (const EClosedOutput&) {
        return kExitClosedOutput;
    } catch (const Exception& e) {
        try {
            bufferedOut.Flush();
            Diagnose(console, e.Message());
        } catch (const Exception&) {
        }
        return 2;
    }
}
