#pragma once
// Rows of results in the three output formats: aligned text for people, tab-separated values with
// a header row, or one JSON object per row.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ByteStreams.h"

enum class OutputFormat : unsigned char { kText, kTsv, kJson };

struct Column {
    std::string name;
    bool number = false;  // written unquoted in JSON
};

struct Cell {
    std::string value;
    std::string shown;  // the text form when it differs from value ("pc:46364"); else empty
};

class TableWriter {
  public:
    // Text rows are aligned in blocks of up to alignRows rows (1: each row at once). With utf8
    // the cells are UTF-8 text, which JSON keeps as it is.
    TableWriter(ByteSink& sink, OutputFormat format, std::vector<Column> columns,
                std::size_t alignRows, bool utf8 = false);

    void Row(std::vector<Cell> cells);
    // Writes the rows still held for alignment.
    void Finish();

  private:
    void WriteHeader();

    ByteSink& sink_;
    OutputFormat format_;
    std::vector<Column> columns_;
    std::size_t alignRows_;
    std::vector<std::vector<std::string>> held_;
    bool headerWritten_ = false;
    bool utf8_;
};

// Appends text as a JSON string, quotes included. Bytes from 128 on are read as the code points
// U+0080 to U+00FF, so any byte string gives valid JSON, unless the text is UTF-8 (utf8).
void AppendJsonString(std::string& out, std::string_view text, bool utf8 = false);
// Tabs, line breaks and backslashes as \t, \n, \r and \\, so a value stays in its TSV cell.
void AppendTsvCell(std::string& out, std::string_view text);
