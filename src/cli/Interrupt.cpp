#include "cli/Interrupt.h"

#include <csignal>

namespace {

// A signal handler can only reach the program through a flag of its own; this is the one.
volatile std::sig_atomic_t interruptSignal = 0;

extern "C" void NoteInterrupt(int signal) {
    interruptSignal = signal;
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    interruptSignal = 0;
    std::signal(SIGINT, NoteInterrupt);
    std::signal(SIGTERM, NoteInterrupt);
}

InterruptCatcher::~InterruptCatcher() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
}

void InterruptCatcher::Check() const {
    if (interruptSignal != 0) {
        throw EInterrupted();
    }
}
