/* A C program of a library user: it parses codes, converts one value and a batch, reads an
 * invalid code's error, and checks that bad arguments are refused. Exits 1 on the first wrong
 * answer, naming it. */
#include <quorlin.h>
#include <stdio.h>
#include <string.h>

static int failures = 0;

static void expect(int ok, const char* what) {
    if (!ok) {
        fprintf(stderr, "quorlin-program: wrong: %s\n", what);
        failures = 1;
    }
}

static int same(const char* data, size_t length, const char* expected) {
    return length == strlen(expected) && memcmp(data, expected, length) == 0;
}

int main(void) {
    quorlin_options options;
    quorlin_code* code = NULL;
    quorlin_code* invalid = NULL;
    quorlin_code* none = NULL;
    quorlin_results* results = NULL;
    const char* out = NULL;
    const char* reason = NULL;
    size_t length = 0;
    size_t position = 0;
    int status = -1;
    int valid = -1;

    const char* values[] = {"21527", "tomorrow", "0"};
    const size_t lengths[] = {5, 8, 1};
    const char* data = NULL;
    const size_t* offsets = NULL;
    const size_t* sizes = NULL;
    const unsigned char* statuses = NULL;
    size_t count = 0;

    expect(quorlin_version() != NULL && quorlin_version()[0] >= '1', "quorlin_version");
    expect(quorlin_options_init(&options) == QUORLIN_OK, "options_init");
    options.dialect = QUORLIN_PICK;
    options.today_year = 2026;
    options.today_month = 12;
    options.today_day = 8;
    expect(quorlin_parse("D4-", 3, &options, &code) == QUORLIN_OK && code != NULL, "parse D4-");
    expect(quorlin_results_new(&results) == QUORLIN_OK, "results_new");

    expect(quorlin_convert(code, QUORLIN_OCONV, "21527", 5, results, &out, &length, &status) ==
                   QUORLIN_OK &&
               same(out, length, "12-08-2026") && out[length] == '\0' && status == 0,
           "OCONV D4- 21527");
    expect(quorlin_convert(code, QUORLIN_ICONV, "12-08-2026", 10, results, &out, &length,
                           &status) == QUORLIN_OK &&
               same(out, length, "21527") && status == 0,
           "ICONV D4- 12-08-2026");

    expect(quorlin_convert_batch(code, QUORLIN_OCONV, values, lengths, 3, results) == QUORLIN_OK,
           "batch");
    expect(
        quorlin_results_view(results, &data, &offsets, &sizes, &statuses, &count) == QUORLIN_OK &&
            count == 3,
        "view");
    if (count == 3) {
        expect(same(data + offsets[0], sizes[0], "12-08-2026") && statuses[0] == 0, "batch 0");
        expect(same(data + offsets[1], sizes[1], "tomorrow") && statuses[1] == 1, "batch 1");
        expect(same(data + offsets[2], sizes[2], "12-31-1967") && statuses[2] == 0, "batch 2");
    }

    expect(quorlin_parse("D9", 2, NULL, &invalid) == QUORLIN_INVALID_CODE && invalid != NULL,
           "parse D9");
    expect(quorlin_code_error(invalid, &valid, &position, &reason) == QUORLIN_OK && valid == 0 &&
               position == 1 && reason != NULL && reason[0] != '\0',
           "error of D9");
    expect(quorlin_convert(invalid, QUORLIN_OCONV, "1", 1, results, &out, &length, &status) ==
                   QUORLIN_OK &&
               same(out, length, "1") && status == QUORLIN_STATUS_BAD_CODE,
           "an invalid code converts with STATUS 2");

    expect(quorlin_parse(NULL, 0, NULL, &none) == QUORLIN_BAD_ARGUMENT && none == NULL,
           "null code text");
    expect(quorlin_convert(code, QUORLIN_OCONV, NULL, 0, results, &out, &length, &status) ==
               QUORLIN_BAD_ARGUMENT,
           "null value");
    expect(quorlin_convert(NULL, QUORLIN_OCONV, "1", 1, results, &out, &length, &status) ==
               QUORLIN_BAD_ARGUMENT,
           "null code");
    expect(quorlin_results_get(results, 5, &out, &length, &status) == QUORLIN_BAD_ARGUMENT,
           "index out of range");

    quorlin_results_free(results);
    quorlin_code_free(code);
    quorlin_code_free(invalid);
    if (failures == 0) {
        printf("quorlin-program: %s: all answers right\n", quorlin_version());
    }
    return failures;
}
