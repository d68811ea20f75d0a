#include "BatchOutput.h"

namespace {

bool Failed(unsigned char status) {
    return status == QUORLIN_STATUS_BAD_INPUT || status == QUORLIN_STATUS_BAD_CODE;
}

PyObject* NewReference(PyObject* object) {
    Py_INCREF(object);
    return object;
}

PyObject* Decode(ValueKind kind, const char* data, std::size_t size) {
    const auto length = static_cast<Py_ssize_t>(size);
    if (kind == ValueKind::kBytes) {
        return PyBytes_FromStringAndSize(data, length);
    }
    return PyUnicode_DecodeUTF8(data, length, "surrogateescape");
}

}  // namespace

std::size_t FirstFailure(const ValueBatch& batch, const unsigned char* statuses, std::size_t from) {
    for (std::size_t i = from; i < batch.Count(); ++i) {
        if (batch.Kind(i) != ValueKind::kMissing && Failed(statuses[i])) {
            return i;
        }
    }
    return batch.Count();
}

PyObject* BuildOutputs(PyObject* items, const ValueBatch& batch, const quorlin_results* results,
                       OnFailure onFailure) {
    const char* data = nullptr;
    const std::size_t* offsets = nullptr;
    const std::size_t* lengths = nullptr;
    const unsigned char* statuses = nullptr;
    std::size_t count = 0;
    quorlin_results_view(results, &data, &offsets, &lengths, &statuses, &count);
    PyObject* list = PyList_New(static_cast<Py_ssize_t>(count));
    if (list == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i < count; ++i) {
        PyObject* given = PyTuple_GET_ITEM(items, static_cast<Py_ssize_t>(i));
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
            Py_DECREF(list);
            return nullptr;
        }
        PyList_SET_ITEM(list, static_cast<Py_ssize_t>(i), output);
    }
    return list;
}
