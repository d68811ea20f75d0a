#pragma once
// The values of a command read from standard input: LF ends a line and one CR before it is
// removed; a last line without LF still counts, an empty end does not.

#include <string>

#include "cli/ByteStreams.h"

class LineReader {
  public:
    explicit LineReader(ByteSource& source) : source_(source) {}
    bool Next(std::string& line);

  private:
    ByteSource& source_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};
