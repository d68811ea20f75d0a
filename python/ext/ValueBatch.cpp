#include "ValueBatch.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

bool IsMissing(PyObject* item, PyObject* missing) {
    if (item == Py_None) {
        return true;
    }
    if (PyFloat_Check(item) && std::isnan(PyFloat_AS_DOUBLE(item))) {
        return true;
    }
    const Py_ssize_t count = PyTuple_GET_SIZE(missing);
    for (Py_ssize_t i = 0; i < count; ++i) {
        if (item == PyTuple_GET_ITEM(missing, i)) {
            return true;
        }
    }
    return false;
}

// Doubles this large or larger are whole numbers whose integer text would be long and
// imprecise; they are written as the shortest text that reads back the same.
constexpr double kWholeLimit = 9007199254740992.0;  // 2^53

}  // namespace

bool ValueBatch::Read(PyObject* items, std::size_t begin, std::size_t end, PyObject* missing) {
    Clear();
    for (std::size_t i = begin; i < end; ++i) {
        if (!ReadItem(PyTuple_GET_ITEM(items, static_cast<Py_ssize_t>(i)), missing, i)) {
            return false;
        }
    }
    Finish();
    return true;
}

void ValueBatch::ReadIntegers(const std::int64_t* numbers, std::size_t begin, std::size_t end) {
    Clear();
    for (std::size_t i = begin; i < end; ++i) {
        AddInteger(numbers[i]);
    }
    Finish();
}

void ValueBatch::ReadDoubles(const double* numbers, std::size_t begin, std::size_t end) {
    Clear();
    for (std::size_t i = begin; i < end; ++i) {
        if (std::isnan(numbers[i])) {
            Add("", 0, ValueKind::kMissing);
        } else {
            ReadFloat(numbers[i]);
        }
    }
    Finish();
}

void ValueBatch::Clear() {
    arena_.clear();
    offsets_.clear();
    lengths_.clear();
    kinds_.clear();
}

void ValueBatch::Finish() {
    const std::size_t count = kinds_.size();
    pointers_.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        pointers_[i] = arena_.data() + offsets_[i];
    }
}

void ValueBatch::AddInteger(long long number) {
    std::array<char, 24> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), number);
    Add(text.data(), static_cast<std::size_t>(written.ptr - text.data()), ValueKind::kNumber);
}

bool ValueBatch::ReadItem(PyObject* item, PyObject* missing, std::size_t index) {
    if (PyUnicode_Check(item)) {
        return ReadText(item);
    }
    if (PyBytes_Check(item)) {
        Add(PyBytes_AS_STRING(item), static_cast<std::size_t>(PyBytes_GET_SIZE(item)),
            ValueKind::kBytes);
        return true;
    }
    if (IsMissing(item, missing)) {
        Add("", 0, ValueKind::kMissing);
        return true;
    }
    if (PyBool_Check(item)) {
        PyErr_Format(PyExc_TypeError, "value %zu is a bool, not a value to convert", index);
        return false;
    }
    if (PyLong_Check(item)) {
        return ReadInteger(item);
    }
    if (PyFloat_Check(item)) {
        ReadFloat(PyFloat_AS_DOUBLE(item));
        return true;
    }
    if (PyIndex_Check(item)) {  // NumPy's integer scalars
        PyObject* integer = PyNumber_Index(item);
        if (integer == nullptr) {
            return false;
        }
        const bool read = ReadInteger(integer);
        Py_DECREF(integer);
        return read;
    }
    PyErr_Format(PyExc_TypeError,
                 "value %zu is of type %.200s; values are str, bytes, int or float "
                 "(None, NaN or pandas.NA for a missing value)",
                 index, Py_TYPE(item)->tp_name);
    return false;
}

bool ValueBatch::ReadText(PyObject* item) {
    Py_ssize_t size = 0;
    if (const char* utf8 = PyUnicode_AsUTF8AndSize(item, &size)) {
        Add(utf8, static_cast<std::size_t>(size), ValueKind::kText);
        return true;
    }
    // Lone surrogates: the bytes they stand for, as Python's own file names carry them.
    PyErr_Clear();
    PyObject* encoded = PyUnicode_AsEncodedString(item, "utf-8", "surrogateescape");
    if (encoded == nullptr) {
        return false;
    }
    Add(PyBytes_AS_STRING(encoded), static_cast<std::size_t>(PyBytes_GET_SIZE(encoded)),
        ValueKind::kText);
    Py_DECREF(encoded);
    return true;
}

bool ValueBatch::ReadInteger(PyObject* item) {
    int overflow = 0;
    const long long number = PyLong_AsLongLongAndOverflow(item, &overflow);
    if (overflow == 0 && !(number == -1 && PyErr_Occurred())) {
        AddInteger(number);
        return true;
    }
    // Beyond 64 bits: its decimal text, which every code refuses as out of range.
    PyErr_Clear();
    PyObject* text = PyObject_Str(item);
    if (text == nullptr) {
        return false;
    }
    Py_ssize_t size = 0;
    const char* utf8 = PyUnicode_AsUTF8AndSize(text, &size);
    if (utf8 != nullptr) {
        Add(utf8, static_cast<std::size_t>(size), ValueKind::kNumber);
    }
    Py_DECREF(text);
    return utf8 != nullptr;
}

void ValueBatch::ReadFloat(double number) {
    std::array<char, 32> text{};
    std::to_chars_result written{};
    if (std::isfinite(number) && std::trunc(number) == number && std::fabs(number) < kWholeLimit) {
        // A whole number held as a float (a pandas column of days with gaps): its integer text.
        written =
            std::to_chars(text.data(), text.data() + text.size(), static_cast<long long>(number));
    } else {
        written = std::to_chars(text.data(), text.data() + text.size(), number);
    }
    Add(text.data(), static_cast<std::size_t>(written.ptr - text.data()), ValueKind::kNumber);
}

void ValueBatch::Add(const char* data, std::size_t size, ValueKind kind) {
    offsets_.push_back(arena_.size());
    lengths_.push_back(size);
    kinds_.push_back(kind);
    arena_.append(data, size);
}
