#pragma once
// `quorlin convert`: the chosen fields of every record of the given files (or standard input)
// converted, every other byte written through, a summary at the end.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/ChunkConverter.h"
#include "cli/CodeCommands.h"
#include "cli/Console.h"

// One --field: SPEC=DIRECTION:CODE.
struct FieldRequest {
    std::string columnText;  // a 1-based column number, or a column name with --header
    Direction direction = Direction::kOconv;
    std::string code;
};

struct ConvertRequest {
    RecordFormat format;
    bool header = false;
    std::vector<FieldRequest> fields;
    OnError onError = OnError::kKeep;
    std::string output;  // empty: standard output
    unsigned jobs = 1;
    bool quiet = false;
    std::vector<std::string> files;  // empty or "-": standard input
};

// Reads "SPEC=DIRECTION:CODE"; false with why in error.
bool ReadFieldRequest(const std::string& text, FieldRequest& field, std::string& error);

// Makes the converter of a field's code, or nullptr with why in error.
using ConverterMaker = std::function<std::unique_ptr<ValueConverter>(
    Direction direction, const std::string& code, std::string& error)>;

// Exit code: 0; 1 when a field failed, a quote was left open or the run stopped at a failure;
// 2 when a file could not be read or the output not written; 64 for a usage error.
int RunConvert(Console& console, const ConvertRequest& request,
               const ConverterMaker& makeConverter);
