/*
 * quorlin: the MultiValue conversion codes (D, MT, the radix and character codes, CHAR/SEQ, the
 * migration codes, ...) as a C library: the same engine as the quorlin program.
 *
 * A code is parsed once into a handle that converts many values. Every call returns a
 * quorlin_result; QUORLIN_OK is 0. No call keeps a pointer it is given beyond its return.
 *
 * Threads: a parsed code is immutable, so any number of threads may convert with one code at
 * once. A quorlin_results is the caller's working memory: one thread at a time uses it.
 *
 * Memory: the library owns what it makes. quorlin_parse makes a code (freed by
 * quorlin_code_free); quorlin_results_new makes a results arena (freed by quorlin_results_free)
 * into which each conversion call writes its outputs, replacing the arena's previous contents and
 * reusing its memory. Pointers read from an arena stay valid until the next conversion into that
 * arena or its release.
 *
 * Values are byte strings given as pointer and length; they may hold any byte, NUL included.
 * Each output in an arena is also followed by a NUL byte that its length does not count.
 *
 *     quorlin_code* code;
 *     quorlin_results* results;
 *     const char* out;
 *     size_t length;
 *     int status;
 *     if (quorlin_parse("D4-", 3, NULL, &code) == QUORLIN_OK &&
 *         quorlin_results_new(&results) == QUORLIN_OK) {
 *         if (quorlin_convert(code, QUORLIN_OCONV, "21527", 5, results, &out, &length,
 *                             &status) == QUORLIN_OK) {
 *             printf("%s %d\n", out, status);  // 12-08-2026 0
 *         }
 *         quorlin_results_free(results);
 *     }
 *     quorlin_code_free(code);
 */
#ifndef QUORLIN_H
#define QUORLIN_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__) && !defined(_WIN32)
#define QUORLIN_API __attribute__((visibility("default")))
#else
#define QUORLIN_API
#endif

/* What a call returns. */
typedef enum quorlin_result {
    QUORLIN_OK = 0,
    QUORLIN_INVALID_CODE = 1, /* quorlin_parse: the code is invalid; the handle tells why */
    QUORLIN_BAD_ARGUMENT = 2, /* a null pointer, an index out of range, an option out of range */
    QUORLIN_NO_MEMORY = 3,    /* memory ran out; nothing was changed but the arena's contents */
    QUORLIN_INTERNAL = 4      /* an unexpected failure inside the library */
} quorlin_result;

/* The STATUS of one converted value, as the codes define it. */
enum {
    QUORLIN_STATUS_CONVERTED = 0, /* the result */
    QUORLIN_STATUS_BAD_INPUT = 1, /* OCONV: the input unchanged; ICONV: "" */
    QUORLIN_STATUS_BAD_CODE = 2,  /* the code is invalid; OCONV: the input unchanged; ICONV: "" */
    QUORLIN_STATUS_SUSPECT = 3    /* converted, but the input was suspect (a fraction dropped...) */
};

typedef enum quorlin_dialect { QUORLIN_UNIVERSE = 0, QUORLIN_PICK = 1 } quorlin_dialect;
typedef enum quorlin_encoding { QUORLIN_BYTES = 0, QUORLIN_UTF8 = 1 } quorlin_encoding;
typedef enum quorlin_direction { QUORLIN_OCONV = 0, QUORLIN_ICONV = 1 } quorlin_direction;

/*
 * How a code is read. Fill it with quorlin_options_init, then change what differs: later
 * versions may add fields at the end, and `size` tells the library which ones the caller knows.
 */
typedef struct quorlin_options {
    size_t size;     /* sizeof(quorlin_options), set by quorlin_options_init */
    int dialect;     /* quorlin_dialect; QUORLIN_UNIVERSE by default */
    int european;    /* nonzero: day-month-year is the default numeric date order */
    int today_year;  /* the current date for ICONV input without a year: 1..9999, */
    int today_month; /* 1..12 and a day of that month; all three 0 (the default) */
    int today_day;   /* mean the local system date at parse time */
    int encoding;    /* quorlin_encoding; QUORLIN_BYTES by default */
} quorlin_options;

typedef struct quorlin_code quorlin_code;
typedef struct quorlin_results quorlin_results;

/* The library's version, "MAJOR.MINOR.PATCH[.BUILD]", a static string. */
QUORLIN_API const char* quorlin_version(void);

/* A short English name of a quorlin_result, a static string ("" for an unknown one). */
QUORLIN_API const char* quorlin_result_text(int result);

/* Fills options with the defaults. */
QUORLIN_API int quorlin_options_init(quorlin_options* options);

/*
 * Parses code_length bytes of code under options (NULL: the defaults). On QUORLIN_OK and on
 * QUORLIN_INVALID_CODE *code receives a handle to free with quorlin_code_free; an invalid code
 * converts every value with STATUS 2. On any other result *code is set to NULL.
 */
QUORLIN_API int quorlin_parse(const char* code_text, size_t code_length,
                              const quorlin_options* options, quorlin_code** code);

/*
 * For an invalid code: *valid 0, *position the 0-based byte offset of the character that makes
 * it invalid (the code's length when it ends too early) and *reason a short English text owned by
 * the code. For a valid one: *valid 1, *position 0, *reason "". Any out pointer may be NULL.
 */
QUORLIN_API int quorlin_code_error(const quorlin_code* code, int* valid, size_t* position,
                                   const char** reason);

/* Releases a code; NULL is allowed. */
QUORLIN_API int quorlin_code_free(quorlin_code* code);

/* A new, empty results arena. */
QUORLIN_API int quorlin_results_new(quorlin_results** results);

/* Releases an arena; NULL is allowed. */
QUORLIN_API int quorlin_results_free(quorlin_results* results);

/*
 * Converts one value. On QUORLIN_OK *output and *output_length give the result (inside
 * results), *status its STATUS.
 */
QUORLIN_API int quorlin_convert(const quorlin_code* code, int direction, const char* value,
                                size_t value_length, quorlin_results* results, const char** output,
                                size_t* output_length, int* status);

/*
 * Converts count values, values[i] of lengths[i] bytes (values[i] must not be NULL; an empty
 * value is any pointer with length 0), into results, which then holds count outputs in order.
 * The values may be the arena's own last outputs (a round trip). When the call fails the arena
 * holds no outputs.
 */
QUORLIN_API int quorlin_convert_batch(const quorlin_code* code, int direction,
                                      const char* const* values, const size_t* lengths,
                                      size_t count, quorlin_results* results);

/* How many outputs the arena holds. */
QUORLIN_API int quorlin_results_count(const quorlin_results* results, size_t* count);

/* Output index of the arena: its bytes, length and STATUS. Any out pointer may be NULL. */
QUORLIN_API int quorlin_results_get(const quorlin_results* results, size_t index,
                                    const char** output, size_t* output_length, int* status);

/*
 * The whole arena at once, for callers that read many outputs: output i is the
 * lengths[i] bytes at data + offsets[i], and its STATUS is statuses[i] (0..3). The arrays have
 * *count entries. Any out pointer may be NULL.
 */
QUORLIN_API int quorlin_results_view(const quorlin_results* results, const char** data,
                                     const size_t** offsets, const size_t** lengths,
                                     const unsigned char** statuses, size_t* count);

#ifdef __cplusplus
}
#endif

#endif /* QUORLIN_H */
