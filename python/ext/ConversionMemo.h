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
    enum class State : unsigned char {
        kPending,  // being converted in this chunk, as its output `output`
        kDone,     // converted: result and status hold
        kFailed,   // did not convert: each occurrence is converted and handled on its own
    };
    struct Entry {
        State state = State::kPending;
        unsigned char status = 0;
        std::size_t output = 0;
        PyObject* result = nullptr;  // a reference of the memo's own
    };

    // For a call of count values: its table grows no larger than they need.
    explicit ConversionMemo(std::size_t count);
    ~ConversionMemo();
    ConversionMemo(const ConversionMemo&) = delete;
    ConversionMemo& operator=(const ConversionMemo&) = delete;

    // Whether the memo still looks values up; Find and Add are only called while it does.
    bool Active() const noexcept { return active_; }
    // The entry of a value of this kind and bytes, or null.
    Entry* Find(ValueKind kind, const char* data, std::size_t size);
    // A new entry, pending as output `output`, for the value the last Find did not find; null
    // when there is no room for it.
    Entry* Add(ValueKind kind, const char* data, std::size_t size, std::size_t output);
    // Marks a pending entry converted to result (the memo takes a reference) or failed.
    static void Done(Entry& entry, PyObject* result, unsigned char status);
    static void Failed(Entry& entry) { entry.state = State::kFailed; }

  private:
    static constexpr std::size_t kLongestKey = 22;
    struct Slot {
        std::uint64_t hash = 0;  // 0: empty
        Entry entry;
        unsigned char kind = 0;
        unsigned char size = 0;
        char key[kLongestKey] = {};
    };
    Slot* Probe(std::uint64_t hash, ValueKind kind, const char* data, std::size_t size);
    void Count(bool hit);

    // The empty slot where the last Find of a value ended, for an Add of that value.
    struct Miss {
        Slot* slot = nullptr;
        std::uint64_t hash = 0;
    };

    std::vector<Slot> slots_;
    Miss miss_;
    std::size_t mask_ = 0;      // the table's size less one, a power of two less one
    std::size_t mostUsed_ = 0;  // half the table, so that a probe soon meets an empty slot
    std::size_t used_ = 0;
    std::size_t lookups_ = 0;
    std::size_t hits_ = 0;
    bool active_ = true;
};
