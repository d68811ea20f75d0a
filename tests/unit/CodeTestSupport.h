#pragma once
// Runs rows of conversion-code examples in the dialects each row names; a failure names the row,
// dialect, code, direction and input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codes/ConversionCode.h"

inline const std::string kIM = "\xFF";
inline const std::string kAM = "\xFE";
inline const std::string kVM = "\xFD";
inline const std::string kSM = "\xFC";
inline const std::string kTM = "\xFB";

enum class Dialects { Both, Universe, Pick, PickEuropean, UniverseEuropean };

struct CodeRow {
    int row;
    Dialects dialects;
    std::string code;
    char direction;  // 'O' or 'I'
    std::string input;
    std::string expected;
    int status;
};

// The examples' fixed "today", 8 December 2026.
inline CodeOptions ExampleOptions(Dialect dialect, bool european = false,
                                  Encoding encoding = Encoding::Bytes) {
    CodeOptions options;
    options.dialect = dialect;
    options.european = european;
    options.today = CivilDate{2026, 12, 8};
    options.encoding = encoding;
    return options;
}

// Marks and other bytes outside printable ASCII written so that a failure can be read.
inline std::string Printable(const std::string& text) {
    static const char* const kMarks[] = {"<TM>", "<SM>", "<VM>", "<AM>", "<IM>"};
    static const char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 251) {
            shown += kMarks[byte - 251];
        } else if (byte < 0x20 || byte >= 0x7F) {
            shown += std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
        } else {
            shown += c;
        }
    }
    return shown;
}

inline void ExpectRow(const CodeRow& row, Dialect dialect, bool european) {
    const ConversionCode code = ConversionCode::Parse(row.code, ExampleOptions(dialect, european));
    std::string out = "left over";
    const int status =
        row.direction == 'O' ? code.Oconv(row.input, out) : code.Iconv(row.input, out);
    const std::string where =
        "row " + std::to_string(row.row) + ", " + (dialect == Dialect::Pick ? "pick" : "universe") +
        (european ? " european" : "") + ", " + row.code + " " +
        (row.direction == 'O' ? "OCONV" : "ICONV") + " of \"" + Printable(row.input) + "\"";
    EXPECT_EQ(Printable(out), Printable(row.expected)) << where;
    EXPECT_EQ(status, row.status) << where;
}

inline void ExpectRows(const std::vector<CodeRow>& rows) {
    for (const CodeRow& row : rows) {
        switch (row.dialects) {
            case Dialects::Both:
                ExpectRow(row, Dialect::Universe, false);
                ExpectRow(row, Dialect::Pick, false);
                break;
            case Dialects::Universe:
                ExpectRow(row, Dialect::Universe, false);
                break;
            case Dialects::Pick:
                ExpectRow(row, Dialect::Pick, false);
                break;
            case Dialects::PickEuropean:
                ExpectRow(row, Dialect::Pick, true);
                break;
            case Dialects::UniverseEuropean:
                ExpectRow(row, Dialect::Universe, true);
                break;
        }
    }
}

// A code that must be refused, with the position and reason of its error.
struct RefusedCode {
    const char* code;
    Dialect dialect;
    std::size_t position;
    const char* reason;
};

inline void ExpectInvalid(const std::vector<RefusedCode>& cases) {
    for (const RefusedCode& c : cases) {
        const ConversionCode code = ConversionCode::Parse(c.code, ExampleOptions(c.dialect));
        EXPECT_FALSE(code.Valid()) << Printable(c.code);
        EXPECT_EQ(code.ErrorPosition(), c.position) << Printable(c.code);
        EXPECT_EQ(code.ErrorReason(), c.reason) << Printable(c.code);
    }
}
