#pragma once
// The engine's outputs turned back into Python objects of the kind each value came in as, under
// the caller's choice for values that fail.

#include <Python.h>

#include <cstddef>

#include "ValueBatch.h"
#include "quorlin.h"

enum class OnFailure : int {
    kKeep = 0,   // the value as it was given
    kEmpty = 1,  // what the code returns for a failure: OCONV the input, ICONV ""
};

// The first value of the batch whose STATUS is 1 or 2, or its count when none fails.
std::size_t FirstFailure(const ValueBatch& batch, const unsigned char* statuses);

// Puts the results of a batch read from position begin on into list at the same positions; a
// missing value, or a failed str or bytes value kept, is given back as the object it came from:
// the item of items (a tuple), or `missing` for values read from a NumPy array. False with a
// Python error set when memory runs out.
bool PutOutputs(PyObject* list, std::size_t begin, const ValueBatch& batch,
                const quorlin_results* results, OnFailure onFailure, PyObject* items,
                PyObject* missing);
