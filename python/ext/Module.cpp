// The extension module quorlin._quorlin: a parsed code that converts a whole sequence of Python
// values in one call into the engine, through the library's C interface. The package quorlin
// (quorlin/__init__.py) gives it its public form.

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "BatchOutput.h"
#include "ValueBatch.h"
#include "quorlin.h"

namespace py = pybind11;

namespace {

// Values converted per call into the engine: enough to make the call's cost vanish, few enough
// that a chunk's buffers stay in the cache.
constexpr std::size_t kChunk = 16384;

struct CodeDeleter {
    void operator()(quorlin_code* code) const noexcept { quorlin_code_free(code); }
};
struct ResultsDeleter {
    void operator()(quorlin_results* results) const noexcept { quorlin_results_free(results); }
};

void Check(int result) {
    if (result == QUORLIN_NO_MEMORY) {
        throw std::bad_alloc();
    }
    if (result == QUORLIN_BAD_ARGUMENT) {
        throw py::value_error(quorlin_result_text(result));
    }
    if (result != QUORLIN_OK) {
        throw std::runtime_error(quorlin_result_text(result));
    }
}

class ParsedCode {
  public:
    ParsedCode(const py::bytes& text, int dialect, bool european, int year, int month, int day,
               int encoding) {
        quorlin_options options;
        quorlin_options_init(&options);
        options.dialect = dialect;
        options.european = european ? 1 : 0;
        options.today_year = year;
        options.today_month = month;
        options.today_day = day;
        options.encoding = encoding;
        const std::string view = text;
        quorlin_code* code = nullptr;
        const int result = quorlin_parse(view.data(), view.size(), &options, &code);
        code_.reset(code);
        if (result != QUORLIN_INVALID_CODE) {
            Check(result);
        }
    }

    bool Valid() const { return Error().valid != 0; }
    std::size_t ErrorPosition() const { return Error().position; }
    std::string ErrorReason() const { return Error().reason; }

    // Converts every item of values; returns (results or None, statuses as bytes, the first
    // failing position or -1). With stopAtFailure it stops at the first value that fails and
    // gives no results.
    py::tuple Convert(int direction, const py::object& values, int onFailure, bool stopAtFailure,
                      const py::tuple& missing) const {
        const auto items = py::reinterpret_steal<py::tuple>(PySequence_Tuple(values.ptr()));
        if (!items) {
            throw py::error_already_set();
        }
        return ConvertChunks(direction, items.size(), onFailure, stopAtFailure, items.ptr(),
                             nullptr, [&](ValueBatch& batch, std::size_t begin, std::size_t end) {
                                 return batch.Read(items.ptr(), begin, end, missing.ptr());
                             });
    }

    // The same for the numbers of a one-dimensional NumPy array of int64 or float64, read
    // straight from its memory; a NaN stays NaN.
    py::tuple ConvertArray(int direction, const py::array& numbers, int onFailure,
                           bool stopAtFailure) const {
        const bool integers = py::isinstance<py::array_t<std::int64_t>>(numbers);
        if (numbers.ndim() != 1 || !(numbers.flags() & py::array::c_style) ||
            !(integers || py::isinstance<py::array_t<double>>(numbers))) {
            throw py::type_error("a contiguous one-dimensional int64 or float64 array");
        }
        const auto count = static_cast<std::size_t>(numbers.size());
        const auto nan = py::reinterpret_steal<py::object>(PyFloat_FromDouble(std::nan("")));
        return ConvertChunks(
            direction, count, onFailure, stopAtFailure, nullptr, nan.ptr(),
            [&](ValueBatch& batch, std::size_t begin, std::size_t end) {
                if (integers) {
                    batch.ReadIntegers(static_cast<const std::int64_t*>(numbers.data()), begin,
                                       end);
                } else {
                    batch.ReadDoubles(static_cast<const double*>(numbers.data()), begin, end);
                }
                return true;
            });
    }

  private:
    // Values go through the engine a chunk at a time, each chunk converted with the
    // interpreter's lock released, the buffers reused. read(batch, begin, end) reads a chunk.
    template <typename ReadChunk>
    py::tuple ConvertChunks(int direction, std::size_t count, int onFailure, bool stopAtFailure,
                            PyObject* items, PyObject* missing, ReadChunk&& read) const {
        auto outputs = py::reinterpret_steal<py::list>(PyList_New(static_cast<Py_ssize_t>(count)));
        auto statuses = py::reinterpret_steal<py::bytes>(
            PyBytes_FromStringAndSize(nullptr, static_cast<Py_ssize_t>(count)));
        if (!outputs || !statuses) {
            throw py::error_already_set();
        }
        char* statusBytes = PyBytes_AS_STRING(statuses.ptr());
        quorlin_results* made = nullptr;
        Check(quorlin_results_new(&made));
        const std::unique_ptr<quorlin_results, ResultsDeleter> results(made);
        ValueBatch batch;
        ChunkSources sources;
        ConversionMemo memo(count);
        std::size_t firstFailure = count;
        for (std::size_t begin = 0; begin < count; begin += kChunk) {
            const std::size_t end = std::min(count, begin + kChunk);
            if (!read(batch, begin, end)) {
                throw py::error_already_set();
            }
            sources.Split(batch, memo);
            int converted = QUORLIN_OK;
            {
                const py::gil_scoped_release unlocked;
                converted =
                    quorlin_convert_batch(code_.get(), direction, sources.Values(),
                                          sources.Lengths(), sources.ToConvert(), results.get());
            }
            Check(converted);
            const unsigned char* convertedStatuses = nullptr;
            quorlin_results_view(results.get(), nullptr, nullptr, nullptr, &convertedStatuses,
                                 nullptr);
            unsigned char* chunkStatuses = reinterpret_cast<unsigned char*>(statusBytes + begin);
            sources.Statuses(convertedStatuses, chunkStatuses);
            const std::size_t failure = FirstFailure(batch, chunkStatuses);
            if (firstFailure == count && failure < batch.Count()) {
                firstFailure = begin + failure;
                if (stopAtFailure) {
                    return py::make_tuple(py::none(), statuses, py::int_(firstFailure));
                }
            }
            if (!sources.PutOutputs(outputs.ptr(), begin, batch, results.get(),
                                    static_cast<OnFailure>(onFailure), items, missing)) {
                throw py::error_already_set();
            }
        }
        const py::int_ failure = firstFailure < count ? py::int_(firstFailure) : py::int_(-1);
        return py::make_tuple(outputs, statuses, failure);
    }

    struct ErrorInfo {
        int valid = 0;
        std::size_t position = 0;
        const char* reason = "";
    };
    ErrorInfo Error() const {
        ErrorInfo info;
        Check(quorlin_code_error(code_.get(), &info.valid, &info.position, &info.reason));
        return info;
    }

    std::unique_ptr<quorlin_code, CodeDeleter> code_;
};

}  // namespace

PYBIND11_MODULE(_quorlin, module) {
    module.doc() = "The conversion engine behind the quorlin package (use quorlin, not this).";
    module.attr("version") = quorlin_version();
    py::class_<ParsedCode>(module, "ParsedCode")
        .def(py::init<const py::bytes&, int, bool, int, int, int, int>(), py::arg("text"),
             py::arg("dialect"), py::arg("european"), py::arg("year"), py::arg("month"),
             py::arg("day"), py::arg("encoding"))
        .def_property_readonly("valid", &ParsedCode::Valid)
        .def_property_readonly("error_position", &ParsedCode::ErrorPosition)
        .def_property_readonly("error_reason", &ParsedCode::ErrorReason)
        .def("convert", &ParsedCode::Convert, py::arg("direction"), py::arg("values"),
             py::arg("on_failure"), py::arg("stop_at_failure"), py::arg("missing"))
        .def("convert_array", &ParsedCode::ConvertArray, py::arg("direction"), py::arg("numbers"),
             py::arg("on_failure"), py::arg("stop_at_failure"));
}
