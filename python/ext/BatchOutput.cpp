#include "BatchOutput.h"

#include <cstring>

namespace {

bool Failed(unsigned char status) {
    return status == QUORLIN_STATUS_BAD_INPUT || status == QUORLIN_STATUS_BAD_CODE;
}

PyObject* NewReference(PyObject* object) {
    Py_INCREF(object);
    return object;
}

bool IsAscii(const char* data, std::size_t size) {
    unsigned char any = 0;
    for (std::size_t i = 0; i < size; ++i) {
        any |= static_cast<unsigned char>(data[i]);
    }
    return any < 0x80;
}

PyObject* Decode(ValueKind kind, const char* data, std::size_t size) {
    const auto length = static_cast<Py_ssize_t>(size);
    if (kind == ValueKind::kBytes) {
        return PyBytes_FromStringAndSize(data, length);
    }
    if (IsAscii(data, size)) {
        // Most results (dates, times, numbers) are ASCII: copied straight into a new str.
        PyObject* text = PyUnicode_New(length, 127);
        if (text != nullptr && size > 0) {
            std::memcpy(PyUnicode_1BYTE_DATA(text), data, size);
        }
        return text;
    }
    return PyUnicode_DecodeUTF8(data, length, "surrogateescape");
}

}  // namespace

std::size_t FirstFailure(const ValueBatch& batch, const unsigned char* statuses) {
    for (std::size_t i = 0; i < batch.Count(); ++i) {
        if (batch.Kind(i) != ValueKind::kMissing && Failed(statuses[i])) {
            return i;
        }
    }
    return batch.Count();
}

bool PutOutputs(PyObject* list, std::size_t begin, const ValueBatch& batch,
                const quorlin_results* results, OnFailure onFailure, PyObject* items,
                PyObject* missing) {
    const char* data = nullptr;
    const std::size_t* offsets = nullptr;
    const std::size_t* lengths = nullptr;
    const unsigned char* statuses = nullptr;
    std::size_t count = 0;
    quorlin_results_view(results, &data, &offsets, &lengths, &statuses, &count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto position = static_cast<Py_ssize_t>(begin + i);
        PyObject* given = items != nullptr ? PyTuple_GET_ITEM(items, position) : missing;
        const ValueKind kind = batch.Kind(i);
        PyObject* output = nullptr;
        if (kind == ValueKind::kMissing) {
            output = NewReference(given);
        } else if (Failed(statuses[i]) && onFailure == OnFailure::kKeep) {
            output = kind == ValueKind::kNumber
                         ? Decode(kind, batch.Values()[i], batch.Lengths()[i])
                         : NewReference(given);
        } else {
            output = Decode(kind, data + offsets[i], lengths[i]);
        }
        if (output == nullptr) {
            return false;
        }
        PyList_SET_ITEM(list, position, output);
    }
    return true;
}
