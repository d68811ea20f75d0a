// The C interface over the conversion codes: handles around the engine's objects, every pointer
// checked, no exception let out.

#include <cstddef>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "capi/ApiOptions.h"
#include "capi/ResultArena.h"
#include "codes/ConversionCode.h"
#include "quorlin.h"

struct quorlin_code {
    ConversionCode code;
};

struct quorlin_results {
    ResultArena arena;
    std::string scratch;  // one output as the engine writes it, its capacity reused
};

namespace {

// Runs body, turning any exception into a result.
template <typename Body>
int Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return QUORLIN_NO_MEMORY;
    } catch (...) {
        return QUORLIN_INTERNAL;
    }
}

bool KnownDirection(int direction) {
    return direction == QUORLIN_OCONV || direction == QUORLIN_ICONV;
}

int ConvertOne(const ConversionCode& code, int direction, std::string_view value,
               std::string& out) {
    return direction == QUORLIN_OCONV ? code.Oconv(value, out) : code.Iconv(value, out);
}

template <typename T>
void SetIf(T* target, T value) {
    if (target != nullptr) {
        *target = value;
    }
}

}  // namespace

extern "C" {

const char* quorlin_version(void) {
    return QC_VERSION;
}

const char* quorlin_result_text(int result) {
    switch (result) {
        case QUORLIN_OK:
            return "ok";
        case QUORLIN_INVALID_CODE:
            return "invalid code";
        case QUORLIN_BAD_ARGUMENT:
            return "bad argument";
        case QUORLIN_NO_MEMORY:
            return "out of memory";
        case QUORLIN_INTERNAL:
            return "internal error";
        default:
            return "";
    }
}

int quorlin_options_init(quorlin_options* options) {
    if (options == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    *options = quorlin_options{};
    options->size = sizeof *options;
    return QUORLIN_OK;
}

int quorlin_parse(const char* code_text, size_t code_length, const quorlin_options* options,
                  quorlin_code** code) {
    if (code == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    *code = nullptr;
    if (code_text == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    return Guarded([&] {
        CodeOptions read;
        if (!ReadApiOptions(options, read)) {
            return QUORLIN_BAD_ARGUMENT;
        }
        ConversionCode parsed = ConversionCode::Parse({code_text, code_length}, read);
        // The engine names a code it had no memory to parse "no code"; every other invalid code
        // has a reason of its own.
        if (!parsed.Valid() && parsed.ErrorReason() == "no code") {
            return QUORLIN_NO_MEMORY;
        }
        const bool valid = parsed.Valid();
        *code = new quorlin_code{std::move(parsed)};
        return valid ? QUORLIN_OK : QUORLIN_INVALID_CODE;
    });
}

int quorlin_code_error(const quorlin_code* code, int* valid, size_t* position,
                       const char** reason) {
    if (code == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    SetIf(valid, code->code.Valid() ? 1 : 0);
    SetIf(position, code->code.ErrorPosition());
    SetIf(reason, code->code.ErrorReason().c_str());
    return QUORLIN_OK;
}

int quorlin_code_free(quorlin_code* code) {
    delete code;
    return QUORLIN_OK;
}

int quorlin_results_new(quorlin_results** results) {
    if (results == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    *results = nullptr;
    return Guarded([&] {
        *results = new quorlin_results;
        return QUORLIN_OK;
    });
}

int quorlin_results_free(quorlin_results* results) {
    delete results;
    return QUORLIN_OK;
}

int quorlin_convert(const quorlin_code* code, int direction, const char* value, size_t value_length,
                    quorlin_results* results, const char** output, size_t* output_length,
                    int* status) {
    const int result = quorlin_convert_batch(code, direction, &value, &value_length, 1, results);
    if (result != QUORLIN_OK) {
        return result;
    }
    return quorlin_results_get(results, 0, output, output_length, status);
}

int quorlin_convert_batch(const quorlin_code* code, int direction, const char* const* values,
                          const size_t* lengths, size_t count, quorlin_results* results) {
    if (results == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    bool valid = code != nullptr && KnownDirection(direction) &&
                 (count == 0 || (values != nullptr && lengths != nullptr));
    bool readsOwnOutputs = false;
    for (size_t i = 0; valid && i < count; ++i) {
        valid = values[i] != nullptr;
        readsOwnOutputs = readsOwnOutputs || (valid && results->arena.Holds(values[i]));
    }
    // Values read from this arena's last outputs stay where they are until the batch is done.
    ResultArena previous;
    if (readsOwnOutputs) {
        std::swap(previous, results->arena);
    }
    results->arena.Clear();
    if (!valid) {
        return QUORLIN_BAD_ARGUMENT;
    }
    const int result = Guarded([&] {
        results->arena.Reserve(count);
        for (size_t i = 0; i < count; ++i) {
            results->arena.AppendWritten([&](std::string& out) {
                const int status =
                    ConvertOne(code->code, direction, {values[i], lengths[i]}, results->scratch);
                out.append(results->scratch);
                return status;
            });
        }
        return QUORLIN_OK;
    });
    if (result != QUORLIN_OK) {
        results->arena.Clear();
    }
    return result;
}

int quorlin_results_count(const quorlin_results* results, size_t* count) {
    if (results == nullptr || count == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    *count = results->arena.Count();
    return QUORLIN_OK;
}

int quorlin_results_get(const quorlin_results* results, size_t index, const char** output,
                        size_t* output_length, int* status) {
    if (results == nullptr || index >= results->arena.Count()) {
        return QUORLIN_BAD_ARGUMENT;
    }
    const ResultArena& arena = results->arena;
    SetIf(output, arena.Data() + arena.Offsets()[index]);
    SetIf(output_length, arena.Lengths()[index]);
    SetIf(status, static_cast<int>(arena.Statuses()[index]));
    return QUORLIN_OK;
}

int quorlin_results_view(const quorlin_results* results, const char** data, const size_t** offsets,
                         const size_t** lengths, const unsigned char** statuses, size_t* count) {
    if (results == nullptr) {
        return QUORLIN_BAD_ARGUMENT;
    }
    const ResultArena& arena = results->arena;
    SetIf(data, arena.Data());
    SetIf(offsets, arena.Offsets());
    SetIf(lengths, arena.Lengths());
    SetIf(statuses, arena.Statuses());
    SetIf(count, arena.Count());
    return QUORLIN_OK;
}

}  // extern "C"
