#pragma once
// Byte streams the command line reads and writes: files, standard input and output, or memory in
// the tests. Reads and writes are whole-buffer and unformatted, so every byte passes unchanged.

#include <cstddef>
#include <string>
#include <string_view>

#include "base/Exception.h"

// A read or write failed; the message names the file and the system's reason.
class EStreamError : public Exception {
  public:
    using Exception::Exception;
    const char* ClassName() const noexcept override { return "EStreamError"; }
};

// Reading an input failed (as opposed to writing the output).
class EReadError : public EStreamError {
  public:
    using EStreamError::EStreamError;
    const char* ClassName() const noexcept override { return "EReadError"; }
};

// Standard output was closed by its reader (a pipe into `head`): the run ends quietly.
class EClosedOutput : public Exception {
  public:
    EClosedOutput() : Exception("output closed") {}
    const char* ClassName() const noexcept override { return "EClosedOutput"; }
};

class ByteSource {
  public:
    virtual ~ByteSource() = default;
    // Up to size bytes into buffer; 0 only at the end. Raises EStreamError.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // All of bytes, or EStreamError / EClosedOutput.
    virtual void Write(std::string_view bytes) = 0;
};

class StringSource : public ByteSource {
  public:
    explicit StringSource(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* buffer, std::size_t size) override;

  private:
    std::string text_;
    std::size_t pos_ = 0;
};

class StringSink : public ByteSink {
  public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Collects small writes (result lines) and hands them on in large ones.
class BufferedSink : public ByteSink {
  public:
    explicit BufferedSink(ByteSink& target) : target_(target) {}
    ~BufferedSink() override;
    BufferedSink(const BufferedSink&) = delete;
    BufferedSink& operator=(const BufferedSink&) = delete;

    void Write(std::string_view bytes) override;
    void Flush();

  private:
    ByteSink& target_;
    std::string buffer_;
};
