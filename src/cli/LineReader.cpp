#include "cli/LineReader.h"

namespace {

constexpr std::size_t kReadSize = 64 * 1024;

}  // namespace

bool LineReader::Next(std::string& line) {
    for (;;) {
        const std::size_t lf = buffer_.find('\n', pos_);
        if (lf != std::string::npos || (ended_ && pos_ < buffer_.size())) {
            const std::size_t end = lf == std::string::npos ? buffer_.size() : lf;
            line.assign(buffer_, pos_, end - pos_);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            pos_ = lf == std::string::npos ? buffer_.size() : lf + 1;
            return true;
        }
        if (ended_) {
            return false;
        }
        buffer_.erase(0, pos_);
        pos_ = 0;
        const std::size_t old = buffer_.size();
        buffer_.resize(old + kReadSize);
        const std::size_t n = source_.Read(buffer_.data() + old, kReadSize);
        buffer_.resize(old + n);
        ended_ = n == 0;
    }
}
