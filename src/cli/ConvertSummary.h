#pragma once
// What `convert` tells at the end of a run: how many records and fields it read and converted,
// how many failed by STATUS, and the first failures with their record, column and value.

#include <string>
#include <utility>
#include <vector>

#include "cli/ChunkConverter.h"
#include "cli/ConvertStream.h"

struct RunTotals {
    ConvertCounts counts;
    std::vector<std::pair<std::string, FieldFailure>> failures;  // input name, failure

    void Add(const std::string& name, const StreamReport& report);
};

// "3 records, 6 fields read, 5 converted, 1 failed (STATUS 1: 1), 1 short record".
std::string SummaryText(const RunTotals& totals);
// One line per kept failure.
std::vector<std::string> FailureLines(const RunTotals& totals);
// "orders.csv: record 17, column date (2): STATUS 1 for '12/45'".
std::string FailureText(const std::string& name, const FieldFailure& failure);
// A value as a diagnostic shows it: quoted, marks as <VM> and the like, other control bytes
// as \xNN, cut after 60 bytes.
std::string ShownValue(std::string_view value);
