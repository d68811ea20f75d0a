#include "ConversionMemo.h"

#include <cstring>

namespace {

constexpr std::size_t kMostSlots = std::size_t{1} << 16;
// Once full, the memo is judged over each window of lookups: with fewer hits than this, the
// values are too varied for it to pay.
constexpr std::size_t kWindow = 16384;
constexpr std::size_t kLeastHitsPerWindow = kWindow / 4;

std::uint64_t Hash(ValueKind kind, const char* data, std::size_t size) {
    // FNV-1a over the bytes, the kind and length mixed in first.
    std::uint64_t hash = 0xcbf29ce484222325ULL ^ (size << 8 | static_cast<std::uint64_t>(kind));
    for (std::size_t i = 0; i < size; ++i) {
        hash = (hash ^ static_cast<unsigned char>(data[i])) * 0x100000001b3ULL;
    }
    hash ^= hash >> 29;  // the low bits pick the slot: let the high ones in
    return hash | 1;     // never 0, which marks an empty slot
}

}  // namespace

ConversionMemo::ConversionMemo(std::size_t count) {
    std::size_t slots = 16;
    while (slots < kMostSlots && slots < 2 * count) {
        slots *= 2;
    }
    mask_ = slots - 1;
    mostUsed_ = slots / 2;
}

ConversionMemo::~ConversionMemo() {
    for (const Slot& slot : slots_) {
        Py_XDECREF(slot.entry.result);
    }
}

ConversionMemo::Slot* ConversionMemo::Probe(std::uint64_t hash, ValueKind kind, const char* data,
                                            std::size_t size) {
    if (slots_.empty()) {
        slots_.resize(mask_ + 1);
    }
    for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.hash == 0 || (slot.hash == hash && slot.kind == static_cast<unsigned char>(kind) &&
                               slot.size == size && std::memcmp(slot.key, data, size) == 0)) {
            return &slot;
        }
    }
}

void ConversionMemo::Count(bool hit) {
    if (used_ < mostUsed_) {
        return;  // still filling: misses are expected
    }
    hits_ += hit ? 1 : 0;
    if (++lookups_ == kWindow) {
        active_ = hits_ >= kLeastHitsPerWindow;
        lookups_ = hits_ = 0;
    }
}

ConversionMemo::Entry* ConversionMemo::Find(ValueKind kind, const char* data, std::size_t size) {
    miss_ = Miss{};
    if (size > kLongestKey) {
        return nullptr;
    }
    const std::uint64_t hash = Hash(kind, data, size);
    Slot* slot = Probe(hash, kind, data, size);
    const bool hit = slot->hash != 0;
    Count(hit);
    if (!hit) {
        miss_ = Miss{slot, hash};  // where Add puts this value
    }
    return hit ? &slot->entry : nullptr;
}

ConversionMemo::Entry* ConversionMemo::Add(ValueKind kind, const char* data, std::size_t size,
                                           std::size_t output) {
    if (size > kLongestKey || used_ >= mostUsed_) {
        return nullptr;
    }
    // The slot where Find last missed, unless another value was looked up since.
    const std::uint64_t hash = miss_.slot != nullptr ? miss_.hash : Hash(kind, data, size);
    Slot* slot = miss_.slot != nullptr ? miss_.slot : Probe(hash, kind, data, size);
    miss_ = Miss{};
    if (slot->hash != 0) {
        return nullptr;  // already there
    }
    slot->hash = hash;
    slot->entry = Entry{State::kPending, 0, output, nullptr};
    slot->kind = static_cast<unsigned char>(kind);
    slot->size = static_cast<unsigned char>(size);
    std::memcpy(slot->key, data, size);
    ++used_;
    return &slot->entry;
}

void ConversionMemo::Done(Entry& entry, PyObject* result, unsigned char status) {
    Py_INCREF(result);
    entry.result = result;
    entry.status = status;
    entry.state = State::kDone;
}
