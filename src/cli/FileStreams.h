#pragma once
// Files and the standard streams as byte streams, on Linux and on Windows (binary mode there, so
// no line break is ever translated).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/ByteStreams.h"

// Reads a file descriptor it may own. Errors name the file.
class FdSource : public ByteSource {
  public:
    FdSource(int fd, std::string name, bool owned);
    ~FdSource() override;
    FdSource(const FdSource&) = delete;
    FdSource& operator=(const FdSource&) = delete;

    std::size_t Read(char* buffer, std::size_t size) override;
    const std::string& Name() const { return name_; }
    // The size of a regular file, for the progress line; nothing for a pipe or a terminal.
    std::optional<std::uint64_t> RegularFileSize() const;

  private:
    int fd_;
    std::string name_;
    bool owned_;
};

// Writes a file descriptor it does not own (standard output). A reader that went away
// raises EClosedOutput.
class FdSink : public ByteSink {
  public:
    FdSink(int fd, std::string name) : fd_(fd), name_(std::move(name)) {}
    void Write(std::string_view bytes) override;

  private:
    int fd_;
    std::string name_;
};

// Standard input and output in binary mode.
std::unique_ptr<FdSource> StandardInput();
FdSink StandardOutput();

// Opens a file for reading; EStreamError "cannot read 'NAME': REASON".
std::unique_ptr<FdSource> OpenInputFile(const std::string& path);

bool IsTerminal(int fd);
inline constexpr int kStdinFd = 0;
inline constexpr int kStdoutFd = 1;
inline constexpr int kStderrFd = 2;

// A file written through a temporary file in the same folder and renamed over the target only by
// Commit, so that the target is never seen half-written. Without Commit the temporary file is
// removed.
class ReplacingFile : public ByteSink {
  public:
    explicit ReplacingFile(std::string target);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void Write(std::string_view bytes) override;
    void Commit();
    const std::string& TemporaryPath() const { return temporary_; }

  private:
    void Discard() noexcept;

    std::string target_;
    std::string temporary_;
    int fd_ = -1;
};

// True when both paths name one existing file (through links or different spellings too).
bool SameFile(const std::string& a, const std::string& b);

// The system's text for an errno value.
std::string SystemReason(int error);
