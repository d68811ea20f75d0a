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

void ChunkSources::Split(const ValueBatch& batch, ConversionMemo& memo) {
    using State = ConversionMemo::State;
    const std::size_t count = batch.Count();
    sources_.resize(count);
    values_.clear();
    lengths_.clear();
    for (std::size_t i = 0; i < count; ++i) {
        const ValueKind kind = batch.Kind(i);
        const char* value = batch.Values()[i];
        const std::size_t length = batch.Lengths()[i];
        if (kind == ValueKind::kMissing) {
            sources_[i] = Source{kMissing, nullptr};
            continue;
        }
        ConversionMemo::Entry* entry = nullptr;
        if (memo.Active()) {
            entry = memo.Find(kind, value, length);
            if (entry != nullptr && entry->state == State::kDone) {
                sources_[i] = Source{kKnown, entry};
                continue;
            }
            if (entry != nullptr && entry->state == State::kPending) {
                sources_[i] = Source{entry->output, entry};  // a repeat within this chunk
                continue;
            }
            // A value that failed before is converted again, on its own.
            entry = entry == nullptr ? memo.Add(kind, value, length, values_.size()) : nullptr;
        }
        sources_[i] = Source{values_.size(), entry};
        values_.push_back(value);
        lengths_.push_back(length);
    }
}

void ChunkSources::Statuses(const unsigned char* converted, unsigned char* statuses) const {
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        const Source& source = sources_[i];
        statuses[i] = source.output == kMissing ? 0
                      : source.output == kKnown ? source.entry->status
                                                : converted[source.output];
    }
}

std::size_t FirstFailure(const ValueBatch& batch, const unsigned char* statuses) {
    for (std::size_t i = 0; i < batch.Count(); ++i) {
        if (batch.Kind(i) != ValueKind::kMissing && Failed(statuses[i])) {
            return i;
        }
    }
    return batch.Count();
}

bool ChunkSources::PutOutputs(PyObject* list, std::size_t begin, const ValueBatch& batch,
                              const quorlin_results* results, OnFailure onFailure, PyObject* items,
                              PyObject* missing) const {
    const char* data = nullptr;
    const std::size_t* offsets = nullptr;
    const std::size_t* lengths = nullptr;
    const unsigned char* statuses = nullptr;
    quorlin_results_view(results, &data, &offsets, &lengths, &statuses, nullptr);
    for (std::size_t i = 0; i < sources_.size(); ++i) {
        const auto position = static_cast<Py_ssize_t>(begin + i);
        // The object the value came as.
        const auto given = [&] {
            return NewReference(items != nullptr ? PyTuple_GET_ITEM(items, position) : missing);
        };
        const Source& source = sources_[i];
        ConversionMemo::Entry* entry = source.entry;
        PyObject* output = nullptr;
        if (source.output == kKnown ||
            (entry != nullptr && entry->state == ConversionMemo::State::kDone)) {
            output = NewReference(entry->result);
        } else if (source.output == kMissing) {
            output = given();
        } else {
            const std::size_t j = source.output;
            const ValueKind kind = batch.Kind(i);
            if (!Failed(statuses[j])) {
                output = Decode(kind, data + offsets[j], lengths[j]);
                if (output != nullptr && entry != nullptr) {
                    ConversionMemo::Done(*entry, output, statuses[j]);
                }
            } else {
                if (entry != nullptr) {
                    ConversionMemo::Failed(*entry);
                }
                if (onFailure == OnFailure::kEmpty) {
                    output = Decode(kind, data + offsets[j], lengths[j]);
                } else if (kind == ValueKind::kNumber) {
                    output = Decode(kind, batch.Values()[i], batch.Lengths()[i]);
                } else {
                    output = given();
                }
            }
        }
        if (output == nullptr) {
            return false;
        }
        PyList_SET_ITEM(list, position, output);
    }
    return true;
}
