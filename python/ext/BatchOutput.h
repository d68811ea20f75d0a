#pragma once
// A chunk of values through the engine and back into Python objects of the kind each value came
// in as, under the caller's choice for values that fail; values met before in the call take
// their earlier result from the memo instead of being converted again.

#include <Python.h>

#include <cstddef>
#include <vector>

#include "ConversionMemo.h"
#include "ValueBatch.h"
#include "quorlin.h"

enum class OnFailure : int {
    kKeep = 0,   // the value as it was given
    kEmpty = 1,  // what the code returns for a failure: OCONV the input, ICONV ""
};

// Where each value of a chunk gets its result from.
class ChunkSources {
  public:
    // Looks every value of batch up in memo; the others, but for missing values and repeats
    // within the chunk, are the ones to convert, in Values()/Lengths().
    void Split(const ValueBatch& batch, ConversionMemo& memo);
    const char* const* Values() const noexcept { return values_.data(); }
    const std::size_t* Lengths() const noexcept { return lengths_.data(); }
    std::size_t ToConvert() const noexcept { return values_.size(); }

    // The STATUS of every value of the chunk, given those of the converted ones (0 for a
    // missing value), into statuses.
    void Statuses(const unsigned char* converted, unsigned char* statuses) const;

    // Puts the results into list from position begin on; a missing value, or a failed str or
    // bytes value kept, is given back as the object it came from: the item of items (a tuple),
    // or `missing` for values read from a NumPy array. The memo's entries of the chunk's values
    // are completed. False with a Python error set when memory runs out.
    bool PutOutputs(PyObject* list, std::size_t begin, const ValueBatch& batch,
                    const quorlin_results* results, OnFailure onFailure, PyObject* items,
                    PyObject* missing) const;

  private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);
    static constexpr std::size_t kKnown = static_cast<std::size_t>(-2);
    struct Source {
        std::size_t output;            // the index among the converted values, kMissing or kKnown
        ConversionMemo::Entry* entry;  // the value's in the memo, if it has one
    };
    std::vector<Source> sources_;
    std::vector<const char*> values_;
    std::vector<std::size_t> lengths_;
};

// The first value of the batch whose STATUS is 1 or 2, or its count when none fails.
std::size_t FirstFailure(const ValueBatch& batch, const unsigned char* statuses);
