#pragma once
// A MultiValue conversion code (D, MT, the radix and character codes, CHAR/SEQ, the migration
// codes, the MC text codes, G, T, L, R, P, Roman numerals, or a chain of codes joined by value
// marks) parsed once into a value that converts many values, in the dialect the data came from.
// Const use is safe from several threads at once: a parsed code holds no mutable state (a chain's
// working buffers belong to the calling thread).

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "codes/QuickConvert.h"

struct ParsedCode;

enum class Dialect : unsigned char { Universe, Pick };
enum class Encoding : unsigned char { Bytes, Utf8 };

// A calendar day, for the "current date" of ICONV input without a year.
struct CivilDate {
    int year = 1970;
    int month = 1;
    int day = 1;
};

struct CodeOptions {
    Dialect dialect = Dialect::Universe;
    bool european = false;  // DMY instead of MDY as the default numeric order
    CivilDate today;        // the caller fills it (from --today or the local clock)
    Encoding encoding = Encoding::Bytes;
};

// The STATUS of a conversion.
enum ConversionStatus : int {
    kStatusConverted = 0,
    kStatusBadInput = 1,
    kStatusBadCode = 2,
    kStatusSuspect = 3,
};

class ConversionCode {
  public:
    // Parses the code text under the options; never throws, whatever the text.
    static ConversionCode Parse(std::string_view code, const CodeOptions& options);

    bool Valid() const noexcept;
    // For an invalid code: the 0-based byte offset of the character that makes it invalid (the
    // code's length when it ends too early), and a short reason for people ("unknown code",
    // "year digit must be 0 to 4", ...).
    std::size_t ErrorPosition() const noexcept;
    const std::string& ErrorReason() const noexcept;

    // Whether the code works on bytes and sees marks as data (the character codes, and chains
    // holding one) rather than converting the pieces between marks on their own.
    bool TreatsMarksAsData() const noexcept;

    // Convert one whole value (marks inside it are handled by the bulk rule): out receives the
    // result (its old content replaced, its capacity reused) and the STATUS is returned. An
    // invalid code gives STATUS 2 with the input unchanged (Oconv) or "" (Iconv).
    int Oconv(std::string_view value, std::string& out) const;
    int Iconv(std::string_view value, std::string& out) const;
    // The OCONV result appended to out, which must not hold the value: the common values of the
    // common codes are written there directly, the others through scratch.
    int AppendOconv(std::string_view value, std::string& out, std::string& scratch) const;
    // The direct path of OCONV alone, for a caller that converts many values: it takes the
    // common values of the common codes (see QuickPath) and leaves the others to AppendOconv.
    // It points into this code, which must outlive it.
    QuickPath DirectOconvPath() const;
    // Every byte but the digits that the direct path's results may hold.
    std::string DirectOconvBytes() const;

  private:
    explicit ConversionCode(std::shared_ptr<const ParsedCode> parsed);

    // Immutable once parsed, so copies share it and const use needs no lock.
    std::shared_ptr<const ParsedCode> parsed_;
};
