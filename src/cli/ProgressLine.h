#pragma once
// The progress line of a long `convert` on a terminal: bytes done of the file's size, the rate
// and the time left, rewritten in place a few times a second.

#include <chrono>
#include <cstdint>
#include <string>

#include "cli/ByteStreams.h"

class ProgressLine {
  public:
    using Clock = std::chrono::steady_clock;

    ProgressLine(ByteSink& terminal, std::uint64_t total);
    // Shown at most every quarter of a second.
    void Update(std::uint64_t done);
    // Removes the line, so the summary starts on a clean line.
    void Clear();

  private:
    ByteSink& terminal_;
    std::uint64_t total_;
    Clock::time_point start_;
    Clock::time_point shown_;
    std::size_t width_ = 0;
};

// "1.5 MB", "320 kB", "2.0 GB": decimal units, one decimal.
std::string ByteCountText(std::uint64_t bytes);
// The line itself, for done bytes of total after the given seconds.
std::string ProgressText(std::uint64_t done, std::uint64_t total, double seconds);
