#pragma once
// What every fuzz target shares: a broken property aborts with a message saying what should have
// held (libFuzzer then keeps the input as a finding), texts shown with their bytes escaped, and a
// view of a panel's fields over plain strings.

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>

#include "convert/PanelView.h"

// The text with every byte outside printable ASCII written as \xNN, in double quotes.
inline std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= 0x20 && code < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[code >> 4];
            out += kHex[code & 0xF];
        }
    }
    return out + "\"";
}

[[noreturn]] inline void FuzzFail(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "\nBROKEN PROPERTY: %.*s\n  %.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline void FuzzCheck(bool holds, std::string_view property) {
    if (!holds) {
        FuzzFail(property, {});
    }
}

// A detail as text, whether given as text or as a callable that makes it.
template <class Detail>
std::string DetailText(const Detail& detail) {
    if constexpr (std::is_invocable_v<const Detail&>) {
        return detail();
    } else {
        return std::string(detail);
    }
}

// The detail is a text, or a callable that makes it: most checks run millions of times and hold,
// so their details are best made only when one is broken.
template <class Detail>
inline void FuzzCheck(bool holds, std::string_view property, const Detail& detail) {
    if (!holds) {
        FuzzFail(property, DetailText(detail));
    }
}

// A panel's fields as plain strings, N of them numbered by the panel's enumeration, under the
// panel's view class; counts writes so a target can tell that an operation wrote nothing.
template <class Field, std::size_t N, class View = TPanelView<Field>>
class FuzzPanelView : public View {
  public:
    std::string Text(Field field) const override { return texts[Index(field)]; }
    void SetText(Field field, const std::string& text) override {
        texts[Index(field)] = text;
        ++writes;
    }
    std::string& operator[](Field field) { return texts[Index(field)]; }

    std::array<std::string, N> texts;
    std::size_t writes = 0;

  private:
    static std::size_t Index(Field field) { return static_cast<std::size_t>(field); }
};
