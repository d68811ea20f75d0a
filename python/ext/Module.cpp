// The extension module quorlin._quorlin: a parsed code that converts a whole sequence of Python
// values in one call into the engine, through the library's C interface. The package quorlin
// (quorlin/__init__.py) gives it its public form.

#include <pybind11/pybind11.h>

#include <cstddef>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>

#include "BatchOutput.h"
#include "ValueBatch.h"
#include "quorlin.h"

namespace py = pybind11;

namespace {

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
    // failing position or -1). With stopAtFailure the results are not built when a value fails.
    py::tuple Convert(int direction, const py::object& values, int onFailure, bool stopAtFailure,
                      const py::tuple& missing) const {
        const auto items = py::reinterpret_steal<py::tuple>(PySequence_Tuple(values.ptr()));
        if (!items) {
            throw py::error_already_set();
        }
        ValueBatch batch;
        if (!batch.Read(items.ptr(), missing.ptr())) {
            throw py::error_already_set();
        }
        quorlin_results* made = nullptr;
        Check(quorlin_results_new(&made));
        const std::unique_ptr<quorlin_results, ResultsDeleter> results(made);
        int converted = QUORLIN_OK;
        {
            const py::gil_scoped_release unlocked;
            converted = quorlin_convert_batch(code_.get(), direction, batch.Values(),
                                              batch.Lengths(), batch.Count(), results.get());
        }
        Check(converted);
        const unsigned char* statuses = nullptr;
        quorlin_results_view(results.get(), nullptr, nullptr, nullptr, &statuses, nullptr);
        const py::bytes statusBytes(reinterpret_cast<const char*>(statuses), batch.Count());
        const std::size_t first = FirstFailure(batch, statuses, 0);
        const py::int_ failure = first < batch.Count() ? py::int_(first) : py::int_(-1);
        if (stopAtFailure && first < batch.Count()) {
            return py::make_tuple(py::none(), statusBytes, failure);
        }
        PyObject* outputs =
            BuildOutputs(items.ptr(), batch, results.get(), static_cast<OnFailure>(onFailure));
        if (outputs == nullptr) {
            throw py::error_already_set();
        }
        return py::make_tuple(py::reinterpret_steal<py::list>(outputs), statusBytes, failure);
    }

  private:
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
             py::arg("on_failure"), py::arg("stop_at_failure"), py::arg("missing"));
}
