#include "cli/ChunkReader.h"

#include <algorithm>
#include <cstring>

char* ChunkBuffer::Extend(std::size_t more) {
    if (capacity_ - size_ < more) {
        const std::size_t capacity = std::max(size_ + more, capacity_ + capacity_ / 2);
        std::unique_ptr<char[]> data(new char[capacity]);
        if (size_ > 0) {
            std::memcpy(data.get(), data_.get(), size_);
        }
        data_ = std::move(data);
        capacity_ = capacity;
    }
    return data_.get() + size_;
}

void ChunkBuffer::Assign(std::string_view bytes) {
    size_ = 0;
    if (!bytes.empty()) {
        std::memmove(Extend(bytes.size()), bytes.data(), bytes.size());
    }
    size_ = bytes.size();
}

ChunkReader::ChunkReader(ByteSource& source, RecordFormat format, std::size_t chunkSize,
                         std::size_t longestRecord)
    : source_(source),
      format_(format),
      chunkSize_(chunkSize),
      longestRecord_(std::max(longestRecord, chunkSize)) {}

void ChunkReader::PutBack(std::string_view bytes, std::size_t unfinished) {
    unfinished_ = unfinished;
    ChunkBuffer joined;
    joined.Assign(bytes);
    if (carry_.Size() > 0) {
        std::memcpy(joined.Extend(carry_.Size()), carry_.View().data(), carry_.Size());
        joined.Grow(carry_.Size());
    }
    carry_ = std::move(joined);
}

std::size_t ChunkReader::ReadRaw(char* buffer, std::size_t size) {
    if (carry_.Size() > 0) {
        const std::size_t n = std::min(size, carry_.Size());
        std::memcpy(buffer, carry_.View().data(), n);
        carry_.Assign(carry_.View().substr(n));
        return n;
    }
    const std::size_t n = ended_ ? 0 : source_.Read(buffer, size);
    bytesRead_ += n;
    ended_ = n == 0;
    return n;
}

ChunkOutcome ChunkReader::Next(ChunkBuffer& chunk, bool exactCut) {
    chunk.Assign(carry_.View());
    carry_.Truncate(0);
    // A record that was unfinished is read on to twice its length, so that a long one is read
    // again only a few times.
    std::size_t target = std::max(chunkSize_, 2 * unfinished_);
    for (;;) {
        while (!ended_ && chunk.Size() < target) {
            const std::size_t room = target - chunk.Size();
            const std::size_t n = source_.Read(chunk.Extend(room), room);
            chunk.Grow(n);
            bytesRead_ += n;
            ended_ = n == 0;
        }
        if (ended_) {
            unfinished_ = 0;
            return chunk.Size() == 0 ? ChunkOutcome::kEnd : ChunkOutcome::kChunk;
        }
        const std::size_t end =
            exactCut ? LastRecordEnd(chunk.View(), format_) : LastLineEnd(chunk.View());
        if (end > unfinished_) {
            unfinished_ = 0;
            carry_.Assign(chunk.View().substr(end));
            chunk.Truncate(end);
            return ChunkOutcome::kChunk;
        }
        // Longer than the longest only once a byte past it is read: a record of exactly the
        // longest length may yet end with the input.
        if (chunk.Size() > longestRecord_) {
            return ChunkOutcome::kOverlong;
        }
        target = std::min(chunk.Size() * 2, longestRecord_ + 1);
    }
}
