#include "cli/ProgressLine.h"

#include <cstdio>

namespace {

constexpr auto kInterval = std::chrono::milliseconds(250);

std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string Duration(double seconds) {
    const auto total = static_cast<std::uint64_t>(seconds + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu", static_cast<unsigned long long>(total / 60),
                  static_cast<unsigned long long>(total % 60));
    return text;
}

}  // namespace

std::string ByteCountText(std::uint64_t bytes) {
    const double b = static_cast<double>(bytes);
    if (bytes >= 1000000000u) {
        return OneDecimal(b / 1e9) + " GB";
    }
    if (bytes >= 1000000u) {
        return OneDecimal(b / 1e6) + " MB";
    }
    if (bytes >= 1000u) {
        return OneDecimal(b / 1e3) + " kB";
    }
    return std::to_string(bytes) + " B";
}

std::string ProgressText(std::uint64_t done, std::uint64_t total, double seconds) {
    std::string text = ByteCountText(done) + " of " + ByteCountText(total);
    if (seconds > 0 && done > 0) {
        const double rate = static_cast<double>(done) / seconds;
        text += "  " + ByteCountText(static_cast<std::uint64_t>(rate)) + "/s";
        if (total >= done) {
            text += "  " + Duration(static_cast<double>(total - done) / rate) + " left";
        }
    }
    return text;
}

ProgressLine::ProgressLine(ByteSink& terminal, std::uint64_t total)
    : terminal_(terminal), total_(total), start_(Clock::now()), shown_(start_) {}

void ProgressLine::Update(std::uint64_t done) {
    const Clock::time_point now = Clock::now();
    if (now - shown_ < kInterval) {
        return;
    }
    shown_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    std::string line = ProgressText(done, total_, seconds);
    const std::size_t width = line.size();
    if (width < width_) {
        line.append(width_ - width, ' ');
    }
    width_ = width;
    terminal_.Write("\r" + line);
}

void ProgressLine::Clear() {
    if (width_ > 0) {
        terminal_.Write("\r" + std::string(width_, ' ') + "\r");
        width_ = 0;
    }
}
