#pragma once
// Cuts an input into chunks of whole records, about chunkSize bytes each, for the converter. The
// part of a record that a read cut off is carried to the next chunk, so memory stays at a few
// chunks whatever the length of the input.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "cli/ByteStreams.h"
#include "cli/RecordScanner.h"

// A growable byte buffer that keeps its storage between chunks and never clears what it gets.
class ChunkBuffer {
  public:
    std::string_view View() const { return {data_.get(), size_}; }
    std::size_t Size() const { return size_; }
    // Room for at least `more` bytes after the end; returns where they go.
    char* Extend(std::size_t more);
    void Grow(std::size_t added) { size_ += added; }
    void Assign(std::string_view bytes);
    void Truncate(std::size_t size) { size_ = size; }

  private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

enum class ChunkOutcome : unsigned char {
    kChunk,     // the buffer holds whole records (the last one may lack its line break)
    kEnd,       // nothing is left
    kOverlong,  // the buffer holds the start of a record longer than the longest allowed
};

class ChunkReader {
  public:
    ChunkReader(ByteSource& source, RecordFormat format, std::size_t chunkSize,
                std::size_t longestRecord);

    // With exactCut the chunk ends after its last whole record by the quoting rules. Without, a
    // CSV chunk ends after its last LF, which may be inside quotes: the converter then hands
    // back the unfinished record, which is put back to start the next chunk. Reading every
    // byte only once that way is what makes the cut cheap.
    ChunkOutcome Next(ChunkBuffer& chunk, bool exactCut);
    // Bytes to be read again before the rest of the input, of which the first `unfinished`
    // are a record that did not end there: the next chunk reaches past them.
    void PutBack(std::string_view bytes, std::size_t unfinished = 0);
    // The rest of the input as it comes, bytes put back first.
    std::size_t ReadRaw(char* buffer, std::size_t size);
    // Nothing is left after the last chunk.
    bool Ended() const { return ended_ && carry_.Size() == 0; }
    std::uint64_t BytesRead() const { return bytesRead_; }

  private:
    ByteSource& source_;
    RecordFormat format_;
    std::size_t chunkSize_;
    std::size_t longestRecord_;
    ChunkBuffer carry_;
    std::size_t unfinished_ = 0;
    bool ended_ = false;
    std::uint64_t bytesRead_ = 0;
};
