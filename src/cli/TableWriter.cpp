#include "cli/TableWriter.h"

#include <algorithm>

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

// Columns are aligned by characters: in UTF-8 text a continuation byte adds none.
std::size_t Width(const std::string& text, bool utf8) {
    if (!utf8) {
        return text.size();
    }
    std::size_t width = 0;
    for (const char c : text) {
        width += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    }
    return width;
}

// The escapes JSON and TSV share: tab, line feed, carriage return and the backslash itself.
const char* ControlEscape(char c) {
    switch (c) {
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\\':
            return "\\\\";
        default:
            return nullptr;
    }
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view text, bool utf8) {
    out += '"';
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '"') {
            out += "\\\"";
        } else if (const char* escape = ControlEscape(c)) {
            out += escape;
        } else if (code < 0x20 || code == 0x7F || (code > 0x7F && !utf8)) {
            out += "\\u00";
            out += kHexDigits[code >> 4];
            out += kHexDigits[code & 0xF];
        } else {
            out += c;
        }
    }
    out += '"';
}

void AppendTsvCell(std::string& out, std::string_view text) {
    for (const char c : text) {
        const char* escape = ControlEscape(c);
        if (escape) {
            out += escape;
        } else {
            out += c;
        }
    }
}

TableWriter::TableWriter(ByteSink& sink, OutputFormat format, std::vector<Column> columns,
                         std::size_t alignRows, bool utf8)
    : sink_(sink),
      format_(format),
      columns_(std::move(columns)),
      alignRows_(alignRows),
      utf8_(utf8) {}

void TableWriter::WriteHeader() {
    if (headerWritten_ || format_ != OutputFormat::kTsv) {
        return;
    }
    headerWritten_ = true;
    std::string line;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        line += i == 0 ? "" : "\t";
        line += columns_[i].name;
    }
    line += '\n';
    sink_.Write(line);
}

void TableWriter::Row(std::vector<Cell> cells) {
    WriteHeader();
    std::string line;
    switch (format_) {
        case OutputFormat::kTsv:
            for (std::size_t i = 0; i < cells.size(); ++i) {
                line += i == 0 ? "" : "\t";
                AppendTsvCell(line, cells[i].value);
            }
            line += '\n';
            sink_.Write(line);
            return;
        case OutputFormat::kJson:
            line += '{';
            for (std::size_t i = 0; i < cells.size() && i < columns_.size(); ++i) {
                line += i == 0 ? "" : ",";
                AppendJsonString(line, columns_[i].name);
                line += ':';
                if (columns_[i].number) {
                    line += cells[i].value;
                } else {
                    AppendJsonString(line, cells[i].value, utf8_);
                }
            }
            line += "}\n";
            sink_.Write(line);
            return;
        case OutputFormat::kText:
            break;
    }
    std::vector<std::string> shown;
    for (Cell& cell : cells) {
        shown.push_back(cell.shown.empty() ? std::move(cell.value) : std::move(cell.shown));
    }
    held_.push_back(std::move(shown));
    if (held_.size() >= alignRows_) {
        Finish();
    }
}

void TableWriter::Finish() {
    if (held_.empty()) {
        return;
    }
    std::vector<std::size_t> widths;
    for (const auto& row : held_) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], Width(row[i], utf8_));
        }
    }
    std::string text;
    for (const auto& row : held_) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (i + 1 < row.size()) {
                line.append(widths[i] - Width(row[i], utf8_) + 2, ' ');
            }
        }
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    }
    held_.clear();
    sink_.Write(text);
}
