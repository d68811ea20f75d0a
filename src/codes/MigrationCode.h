#pragma once
// The migration pseudo-codes, the same in both dialects: ISO dates and times, PC and Excel day
// serials, and Unix days and seconds (wall-clock values: no zone, no daylight saving).

#include <string>
#include <string_view>

enum class MigrationKind : unsigned char {
    IsoDate,      // ISO, ISOD
    IsoTime,      // ISOT
    PcSerial,     // PC
    ExcelSerial,  // XL
    UnixDay,      // UNIXD
    UnixSeconds,  // UNIXS
};

struct MigrationCode {
    MigrationKind kind = MigrationKind::IsoDate;

    // A piece without its spaces, never empty.
    int Oconv(std::string_view text, std::string& out) const;
    int Iconv(std::string_view text, std::string& out) const;
};
