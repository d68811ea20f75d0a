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
        std::memcpy(Extend(bytes.size()), bytes.data(), bytes.size());
    }
    size_ = bytes.size();
}

ChunkReader::ChunkReader(ByteSource& source, RecordFormat format, std::size_t chunkSize,
                         std::size_t longestRecord)
    : source_(source),
      format_(format),
      chunkSize_(chunkSize),
      longestRecord_(std::max(longestRecord, chunkSize)) {}

ChunkOutcome ChunkReader::Next(ChunkBuffer& chunk) {
    chunk.Assign(carry_.View());
    carry_.Truncate(0);
    std::size_t target = chunkSize_;
    for (;;) {
        while (!ended_ && chunk.Size() < target) {
            const std::size_t room = target - chunk.Size();
            const std::size_t n = source_.Read(chunk.Extend(room), room);
            chunk.Grow(n);
            bytesRead_ += n;
            ended_ = n == 0;
        }
        if (ended_) {
            return chunk.Size() == 0 ? ChunkOutcome::kEnd : ChunkOutcome::kChunk;
        }
        const std::size_t end = LastRecordEnd(chunk.View(), format_);
        if (end > 0) {
            carry_.Assign(chunk.View().substr(end));
            chunk.Truncate(end);
            return ChunkOutcome::kChunk;
        }
        if (chunk.Size() >= longestRecord_) {
            return ChunkOutcome::kOverlong;
        }
        target = std::min(chunk.Size() * 2, longestRecord_);
    }
}
