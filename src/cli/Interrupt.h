#pragma once
// Ctrl+C during `convert -o`: the run stops between chunks and removes its temporary file instead
// of dying with it in place.

#include "base/Exception.h"

class EInterrupted : public Exception {
  public:
    EInterrupted() : Exception("interrupted") {}
    const char* ClassName() const noexcept override { return "EInterrupted"; }
};

// Catches SIGINT and SIGTERM for the life of the object; the default handling comes back after.
class InterruptCatcher {
  public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // Raises EInterrupted once a signal came.
    void Check() const;
};
