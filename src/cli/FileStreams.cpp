#include "cli/FileStreams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
// The C runtime of Windows counts in unsigned int.
constexpr std::size_t kLargestTransfer = INT_MAX;
int ReadFd(int fd, char* buffer, std::size_t size) {
    return _read(fd, buffer, static_cast<unsigned int>(size));
}
int WriteFd(int fd, const char* bytes, std::size_t size) {
    return _write(fd, bytes, static_cast<unsigned int>(size));
}
int CloseFd(int fd) {
    return _close(fd);
}
int ProcessId() {
    return _getpid();
}
int CreateExclusive(const char* path) {
    return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int OpenForReading(const char* path) {
    return _open(path, _O_RDONLY | _O_BINARY);
}
// A reader that went away shows as a broken pipe, or as the invalid argument the C runtime
// gives for a pipe that is being closed.
bool IsClosedReader(int error) {
    return error == EPIPE || error == EINVAL;
}
#else
constexpr std::size_t kLargestTransfer = 1u << 30;
ssize_t ReadFd(int fd, char* buffer, std::size_t size) {
    return ::read(fd, buffer, size);
}
ssize_t WriteFd(int fd, const char* bytes, std::size_t size) {
    return ::write(fd, bytes, size);
}
int CloseFd(int fd) {
    return ::close(fd);
}
int ProcessId() {
    return static_cast<int>(::getpid());
}
int CreateExclusive(const char* path) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int OpenForReading(const char* path) {
    return ::open(path, O_RDONLY | O_CLOEXEC);
}
bool IsClosedReader(int error) {
    return error == EPIPE;
}
#endif

void WriteAll(int fd, std::string_view bytes, const std::string& name, bool closedIsQuiet) {
    while (!bytes.empty()) {
        const std::size_t n = std::min(bytes.size(), kLargestTransfer);
        const auto written = WriteFd(fd, bytes.data(), n);
        if (written < 0) {
            const int error = errno;
            if (error == EINTR) {
                continue;
            }
            if (closedIsQuiet && IsClosedReader(error)) {
                throw EClosedOutput();
            }
            throw EStreamError("cannot write '" + name + "': " + SystemReason(error));
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

std::string SystemReason(int error) {
    return std::generic_category().message(error);
}

FdSource::FdSource(int fd, std::string name, bool owned)
    : fd_(fd), name_(std::move(name)), owned_(owned) {}

FdSource::~FdSource() {
    if (owned_) {
        CloseFd(fd_);
    }
}

std::size_t FdSource::Read(char* buffer, std::size_t size) {
    for (;;) {
        const auto n = ReadFd(fd_, buffer, std::min(size, kLargestTransfer));
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            throw EReadError("cannot read '" + name_ + "': " + SystemReason(errno));
        }
    }
}

std::optional<std::uint64_t> FdSource::RegularFileSize() const {
#ifdef _WIN32
    struct _stati64 info;
    if (_fstati64(fd_, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
        return std::nullopt;
    }
#else
    struct stat info;
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
#endif
    return static_cast<std::uint64_t>(info.st_size);
}

void FdSink::Write(std::string_view bytes) {
    WriteAll(fd_, bytes, name_, true);
}

std::unique_ptr<FdSource> StandardInput() {
#ifdef _WIN32
    _setmode(kStdinFd, _O_BINARY);
#endif
    return std::make_unique<FdSource>(kStdinFd, "standard input", false);
}

FdSink StandardOutput() {
#ifdef _WIN32
    _setmode(kStdoutFd, _O_BINARY);
#endif
    return FdSink(kStdoutFd, "standard output");
}

std::unique_ptr<FdSource> OpenInputFile(const std::string& path) {
    const int fd = OpenForReading(path.c_str());
    if (fd < 0) {
        throw EReadError("cannot read '" + path + "': " + SystemReason(errno));
    }
    return std::make_unique<FdSource>(fd, path, true);
}

bool IsTerminal(int fd) {
#ifdef _WIN32
    return _isatty(fd) != 0;
#else
    return ::isatty(fd) != 0;
#endif
}

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
    const std::filesystem::path path(target_);
    const std::filesystem::path folder = path.parent_path();
    const std::string stem =
        "." + path.filename().string() + ".quorlin-" + std::to_string(ProcessId()) + "-";
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = (folder / (stem + std::to_string(attempt))).string();
        fd_ = CreateExclusive(temporary_.c_str());
        if (fd_ < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd_ < 0) {
        throw EStreamError("cannot write '" + target_ + "': " + SystemReason(errno));
    }
}

ReplacingFile::~ReplacingFile() {
    Discard();
}

void ReplacingFile::Write(std::string_view bytes) {
    WriteAll(fd_, bytes, target_, false);
}

void ReplacingFile::Commit() {
    const int fd = fd_;
    fd_ = -1;
    if (CloseFd(fd) != 0) {
        const int error = errno;
        std::remove(temporary_.c_str());
        throw EStreamError("cannot write '" + target_ + "': " + SystemReason(error));
    }
    std::error_code error;
    std::filesystem::rename(temporary_, target_, error);
    if (error) {
        std::remove(temporary_.c_str());
        throw EStreamError("cannot write '" + target_ + "': " + error.message());
    }
    temporary_.clear();
}

void ReplacingFile::Discard() noexcept {
    if (fd_ >= 0) {
        CloseFd(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    const bool same = std::filesystem::equivalent(a, b, error);
    return !error && same;
}
