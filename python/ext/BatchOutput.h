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

// Puts the results of a batch read from items [begin, ...) into list at the same positions;
// false with a Python error set when memory runs out.
bool PutOutputs(PyObject* list, PyObject* items, std::size_t begin, const ValueBatch& batch,
                const quorlin_results* results, OnFailure onFailure);
