// The time panel over a view, fed random sequences of typed keys, pasted texts, releases and
// starts under a random clock. Only PTime's release may raise, and only EConvertError naming
// PTime's text, with nothing written. After UpdatePickTime, PTime is exactly Hr × 3600 + Min × 60
// + Sec (an edit that is no integer counting 0, an empty one set to "0"); after PTime's release,
// Hr, Min and Sec split it with minutes and seconds under 60 carrying its sign, and joining them
// again gives PTime's value back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "base/Clock.h"
#include "base/Exception.h"
#include "convert/IntegerText.h"
#include "convert/TimePanel.h"

namespace {

using View = FuzzPanelView<TimeField, 4>;
using F = TimeField;

std::string Show(const View& view) {
    return "PTime " + Escaped(view.texts[0]) + " Hr " + Escaped(view.texts[1]) + " Min " +
           Escaped(view.texts[2]) + " Sec " + Escaped(view.texts[3]);
}

std::int64_t CountOf(const std::string& text) {
    try {
        return TextToInteger(text);
    } catch (const EConvertError&) {
        return 0;
    }
}

// A plain decimal as IntegerToText writes it, read in 64 bits.
bool PlainDecimal(const std::string& text, std::int64_t& value) {
    const std::size_t digits = text.starts_with('-') ? 1 : 0;
    if (text.size() == digits || text.size() > digits + 10 ||
        (text[digits] == '0' && text.size() > digits + 1)) {
        return false;
    }
    for (std::size_t i = digits; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    value = std::stoll(text);
    return value != 0 || digits == 0;
}

void CheckUpdatePickTime(TimePanel& panel, View& view, bool initialise) {
    const View before = view;
    if (initialise) {
        panel.Initialise();
    } else {
        panel.UpdatePickTime();
    }
    const auto context = [&] { return "after " + Show(view) + " before " + Show(before); };
    std::int64_t total = 0;
    constexpr std::int64_t kSeconds[] = {3600, 60, 1};
    for (std::size_t i = 1; i < 4; ++i) {
        if (!initialise) {
            const std::string& old = before.texts[i];
            FuzzCheck(view.texts[i] == (old.empty() ? "0" : old),
                      "only an empty Hr, Min or Sec is written, as 0", context);
        }
        total += CountOf(view.texts[i]) * kSeconds[i - 1];
    }
    FuzzCheck(view[F::PTime] == std::to_string(total),
              "PTime is Hr x 3600 + Min x 60 + Sec exactly", context);
}

void CheckPTimeKeyUp(TimePanel& panel, View& view) {
    const View before = view;
    view.writes = 0;
    const auto context = [&] { return "before " + Show(before); };
    try {
        panel.PTimeKeyUp();
    } catch (const EConvertError& error) {
        FuzzCheck(view.writes == 0, "a refused PTime writes nothing", context);
        FuzzCheck(error.Message() == "'" + before.texts[0] + "' is not a valid integer value",
                  "the refusal names PTime's text", context);
        return;
    }
    if (before.texts[0].empty()) {
        FuzzCheck(view.writes == 0, "an empty PTime changes nothing", context);
        return;
    }
    const auto shown = [&] { return "after " + Show(view) + ", " + context(); };
    const std::int64_t n = TextToInteger(before.texts[0]);
    std::int64_t h = 0;
    std::int64_t m = 0;
    std::int64_t s = 0;
    FuzzCheck(PlainDecimal(view[F::Hr], h) && PlainDecimal(view[F::Min], m) &&
                  PlainDecimal(view[F::Sec], s),
              "Hr, Min and Sec are plain decimals", shown);
    FuzzCheck(h * 3600 + m * 60 + s == n, "Hr, Min and Sec add up to PTime", shown);
    FuzzCheck(m > -60 && m < 60 && s > -60 && s < 60 && h * n >= 0 && m * n >= 0 && s * n >= 0,
              "minutes and seconds are under 60 and carry PTime's sign", shown);
    FuzzCheck(view[F::PTime] == before.texts[0], "PTime is not rewritten", shown);
    panel.HrKeyUp();
    FuzzCheck(view[F::PTime] == std::to_string(n), "the split joins back to PTime's value", shown);
}

void TypeIn(TimePanel& panel, View& view, F field, char typed) {
    char key = typed;
    switch (field) {
        case F::PTime:
            panel.PTimeKeyPress(key);
            break;
        case F::Hr:
            panel.HrKeyPress(key);
            break;
        case F::Min:
            panel.MinKeyPress(key);
            break;
        case F::Sec:
            panel.SecKeyPress(key);
            break;
    }
    const bool passes = typed == '\b' || (typed >= '0' && typed <= '9');
    FuzzCheck(key == (passes ? typed : '\0'), "the time edits take only Backspace and digits",
              [&] { return "typed " + std::to_string(static_cast<unsigned char>(typed)); });
    std::string& text = view[field];
    if (key == '\b') {
        if (!text.empty()) {
            text.pop_back();
        }
    } else if (key != 0) {
        text += key;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    LocalClockReading now;
    const ScopedClockSource clock([&now] { return now; });
    View view;
    view.texts = {"0", "0", "0", "0"};  // as the window's layout has them
    TimePanel panel(view);
    for (int steps = 0; steps < 64 && !input.Empty(); ++steps) {
        const std::uint8_t op = input.Byte();
        const F field = static_cast<F>(op % 4);
        switch (op / 4 % 5) {
            case 0: {
                // A digit most of the time, or any byte.
                const std::uint8_t typing = input.Byte();
                TypeIn(panel, view, field,
                       typing < 200   ? static_cast<char>('0' + typing % 10)
                       : typing < 210 ? '\b'
                                      : static_cast<char>(typing));
                break;
            }
            case 1:
                view[field] = input.Text(14);
                break;
            case 2:
                if (field == F::PTime) {
                    CheckPTimeKeyUp(panel, view);
                } else {
                    CheckUpdatePickTime(panel, view, false);
                }
                break;
            case 3: {
                now.hour = input.Range(-2, 25);
                now.minute = input.Range(-2, 61);
                now.second = input.Range(-2, 61);
                CheckUpdatePickTime(panel, view, true);
                const auto field2 = [](int value, int highest) {
                    const int clamped = value < 0 ? 0 : value > highest ? highest : value;
                    return (clamped < 10 ? " " : "") + std::to_string(clamped);
                };
                FuzzCheck(view[F::Hr] == field2(now.hour, 23) &&
                              view[F::Min] == field2(now.minute, 59) &&
                              view[F::Sec] == field2(now.second, 59),
                          "the start shows the clock in two-character fields",
                          [&] { return Show(view); });
                break;
            }
            default:
                CheckUpdatePickTime(panel, view, false);
                break;
        }
    }
    return 0;
}
