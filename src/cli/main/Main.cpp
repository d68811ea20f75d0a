// The entry point of `quorlin`: the real standard streams around RunQuorlin.

#include "base/Exception.h"
#include "cli/ByteStreams.h"
#include "cli/CliApp.h"
#include "cli/FileStreams.h"

namespace {

// A closed standard output ends the run quietly, as the shell's own tools do.
constexpr int kExitClosedOutput = 141;

}  // namespace

int main(int argc, char* argv[]) {
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
