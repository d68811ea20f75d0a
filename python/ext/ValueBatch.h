#pragma once
// Python values read into one buffer of byte strings, so the engine converts them together
// without the interpreter's lock. Each value remembers what kind of object it came from, for the
// kind of object its result becomes. One batch is reused for every chunk of a long sequence, so
// its memory stays small and warm.

#include <Python.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class ValueKind : unsigned char {
    kMissing,  // None, NaN or one of the caller's missing markers: it stays as it is
    kText,     // str: passed as UTF-8 (lone surrogates as the bytes they escape)
    kBytes,    // bytes: passed as they are
    kNumber,   // int or float: passed as its decimal text; its result is a str
};

class ValueBatch {
  public:
    // Reads the items [begin, end) of items (a tuple), replacing what the batch held. missing is
    // a tuple of extra objects that mean "no value" (pandas' NA and NaT). Sets a Python error
    // and returns false for an item of another kind, naming its position and type.
    bool Read(PyObject* items, std::size_t begin, std::size_t end, PyObject* missing);
    // Reads the numbers [begin, end) of a NumPy array's data, without a Python object each; a
    // NaN is a missing value.
    void ReadIntegers(const std::int64_t* numbers, std::size_t begin, std::size_t end);
    void ReadDoubles(const double* numbers, std::size_t begin, std::size_t end);

    // Values are numbered from 0 within the batch.
    std::size_t Count() const noexcept { return kinds_.size(); }
    ValueKind Kind(std::size_t i) const noexcept { return kinds_[i]; }
    const char* const* Values() const noexcept { return pointers_.data(); }
    const std::size_t* Lengths() const noexcept { return lengths_.data(); }

  private:
    void Clear();
    void Finish();
    void AddInteger(long long number);
    bool ReadItem(PyObject* item, PyObject* missing, std::size_t index);
    bool ReadText(PyObject* item);
    bool ReadInteger(PyObject* item);
    void ReadFloat(double number);
    void Add(const char* data, std::size_t size, ValueKind kind);

    std::string arena_;
    std::vector<std::size_t> offsets_;
    std::vector<std::size_t> lengths_;
    std::vector<ValueKind> kinds_;
    std::vector<const char*> pointers_;  // filled once every value is read
};
