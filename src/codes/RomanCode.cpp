#include "codes/RomanCode.h"

#include <cstddef>
#include <cstdint>

#include "codes/ConversionCode.h"
#include "codes/DirectText.h"
#include "codes/ValueText.h"

namespace {

// The letters of one decimal place: one, five and ten of it ('\0' where there is none).
struct PlaceLetters {
    char one;
    char five;
    char ten;
};

constexpr PlaceLetters kPickPlaces[] = {
    {'I', 'V', 'X'}, {'X', 'L', 'C'}, {'C', 'D', 'M'}, {'M', '\0', '\0'}};
constexpr PlaceLetters kUniversePlaces[] = {{'i', 'v', 'x'},  {'x', 'l', 'c'}, {'c', 'd', 'm'},
                                            {'m', 'V', 'X'},  {'X', 'L', 'C'}, {'C', 'D', 'M'},
                                            {'M', '\0', '\0'}};

// Each digit's letters in subtractive form: 0 one, 1 five, 2 ten.
constexpr std::string_view kDigitForms[] = {"",  "0",  "00",  "000",  "01",
                                            "1", "10", "100", "1000", "02"};

// The longest numeral: 3888 (pick, 15 letters) or 3,888,888 (universe, 27 letters).
constexpr std::size_t kLongestNumeral = 27;

struct RomanTable {
    const PlaceLetters* places;
    std::size_t count;
    std::int64_t largest;
};

RomanTable TableOf(RomanLetters letters) {
    if (letters == RomanLetters::Pick) {
        return {kPickPlaces, std::size(kPickPlaces), 3999};
    }
    return {kUniversePlaces, std::size(kUniversePlaces), 3999999};
}

char LetterOf(const PlaceLetters& place, char index) {
    return index == '0' ? place.one : (index == '1' ? place.five : place.ten);
}

void AppendNumeral(std::int64_t number, const RomanTable& table, std::string& out) {
    std::int64_t scale = 1;
    for (std::size_t place = 1; place < table.count; ++place) {
        scale *= 10;
    }
    for (std::size_t place = table.count; place-- > 0; scale /= 10) {
        for (const char index : kDigitForms[number / scale % 10]) {
            out.push_back(LetterOf(table.places[place], index));
        }
    }
}

// Whether the digit's form, in the place's letters, stands at pos of text.
bool FormAt(std::string_view text, std::size_t pos, const PlaceLetters& place, int digit) {
    const std::string_view form = kDigitForms[digit];
    if (form.size() > text.size() - pos) {
        return false;
    }
    for (std::size_t i = 0; i < form.size(); ++i) {
        const char letter = LetterOf(place, form[i]);
        if (letter == '\0' || text[pos + i] != letter) {
            return false;
        }
    }
    return true;
}

// The number a numeral writes, or 0 when it is not exactly the form written for one. Places
// never share a first letter with the place above, so the longest form at each place is the
// only one that can lead to a whole match.
std::int64_t ReadNumeral(std::string_view text, const RomanTable& table) {
    std::int64_t number = 0;
    std::size_t pos = 0;
    for (std::size_t place = table.count; place-- > 0;) {
        int best = 0;
        for (int digit = 1; digit <= 9; ++digit) {
            if (FormAt(text, pos, table.places[place], digit) &&
                kDigitForms[digit].size() > kDigitForms[best].size()) {
                best = digit;
            }
        }
        number = number * 10 + best;
        pos += kDigitForms[best].size();
    }
    return pos == text.size() ? number : 0;
}

int IntegerToNumeral(std::string_view text, RomanLetters letters, std::string& out) {
    const auto reading = ReadIntegerValue(text);
    const RomanTable table = TableOf(letters);
    if (!reading || reading->value < 1 || reading->value > table.largest) {
        return kStatusBadInput;
    }
    AppendNumeral(reading->value, table, out);
    return StatusOfReading(*reading);
}

int NumeralToInteger(std::string_view text, RomanLetters letters, std::string& out) {
    if (text.size() > kLongestNumeral) {
        return kStatusBadInput;
    }
    // Pick reads either case.
    char folded[kLongestNumeral];
    for (std::size_t i = 0; i < text.size(); ++i) {
        folded[i] = letters == RomanLetters::Pick ? AsciiUpper(text[i]) : text[i];
    }
    const std::int64_t number = ReadNumeral({folded, text.size()}, TableOf(letters));
    if (number == 0) {
        return kStatusBadInput;
    }
    DirectText(out, 20).PutDecimal(static_cast<std::uint64_t>(number));
    return kStatusConverted;
}

}  // namespace

int RomanCode::Oconv(std::string_view text, std::string& out) const {
    return numeralOutside ? IntegerToNumeral(text, letters, out)
                          : NumeralToInteger(text, letters, out);
}

int RomanCode::Iconv(std::string_view text, std::string& out) const {
    return numeralOutside ? NumeralToInteger(text, letters, out)
                          : IntegerToNumeral(text, letters, out);
}
