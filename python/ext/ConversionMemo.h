#pragma once
// What each distinct value converted to, within one call. A column of dates, times or amounts
// repeats its values many times over; a repeat takes the result made for its first occurrence
// (a str or bytes is immutable, so one object can stand in many places) and is not converted
// again, which saves the conversion, most of the objects a call would make and the memory they
// need. When the values turn out to be mostly distinct, the memo steps aside for the rest of
// the call.

#include <Python.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ValueBatch.h"

class ConversionMemo {
  public:
    struct Entry {
        PyObject* result;  // borrowed from the memo
        unsigned char status;
    };

    // For a call of count values: its table grows no larger than they need.
    explicit ConversionMemo(std::size_t count);
    ~ConversionMemo();
    ConversionMemo(const ConversionMemo&) = delete;
    ConversionMemo& operator=(const ConversionMemo&) = delete;

    // Whether the memo still looks values up; Find and Remember are only called while it does.
    bool Active() const noexcept { return active_; }
    // The entry of a value of this kind and bytes, or null.
    const Entry* Find(ValueKind kind, const char* data, std::size_t size);
    // Keeps result (a new reference of the memo's own) as what the value converts to, while
    // there is room.
    void Remember(ValueKind kind, const char* data, std::size_t size, PyObject* result,
                  unsigned char status);

  private:
    static constexpr std::size_t kLongestKey = 22;
    struct Slot {
        std::uint64_t hash = 0;  // 0: empty
        Entry entry{nullptr, 0};
        unsigned char kind = 0;
        unsigned char size = 0;
        char key[kLongestKey] = {};
    };
    Slot* Probe(std::uint64_t hash, ValueKind kind, const char* data, std::size_t size);
    void Count(bool hit);

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;      // the table's size less one, a power of two less one
    std::size_t mostUsed_ = 0;  // half the table, so that a probe soon meets an empty slot
    std::size_t used_ = 0;
    std::size_t lookups_ = 0;
    std::size_t hits_ = 0;
    bool active_ = true;
};
