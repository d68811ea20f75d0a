// Every operation of the three panels over a view of plain texts, as the window runs them on a
// key or a click. Each is timed alone; the views' texts are set back before every run so each
// run does the same work. Reported as the median of several repetitions.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "base/Clock.h"
#include "convert/CharPanel.h"
#include "convert/DatePanel.h"
#include "convert/RegionalSettings.h"
#include "convert/TimePanel.h"

namespace {

template <class Field, std::size_t N>
class TextsView : public TPanelView<Field> {
  public:
    std::array<std::string, N> texts;
    std::string Text(Field field) const override { return texts[static_cast<std::size_t>(field)]; }
    void SetText(Field field, const std::string& text) override {
        texts[static_cast<std::size_t>(field)] = text;
    }
};

class DateView : public DatePanelView {
  public:
    std::array<std::string, 3> texts;
    double picker = 46364.7078606019;  // 8 December 2026, in the afternoon
    std::string Text(DateField field) const override {
        return texts[static_cast<std::size_t>(field)];
    }
    void SetText(DateField field, const std::string& text) override {
        texts[static_cast<std::size_t>(field)] = text;
    }
    TDateTime PickerValue() const override { return picker; }
    void SetPickerDay(std::int32_t day) override { picker = day + (picker - std::trunc(picker)); }
};

// The settings and clock a user has: a month-first pattern, and a fixed day.
struct Environment {
    ScopedRegionalSettings settings{RegionalDateSettings{}};
    ScopedClockSource clock{[] { return LocalClockReading{2026, 12, 8, 16, 59, 19, 0}; }};
};

template <class Operation>
void RunDate(benchmark::State& state, Operation operation, const char* pickDate,
             const char* sysDate, bool referenceSet) {
    Environment environment;
    DateView view;
    TDateTime reference = referenceSet ? 46300.5 : SentinelDate();
    DatePanel panel(view, reference);
    for (auto _ : state) {
        view.texts = {pickDate, sysDate, "Difference"};
        operation(panel);
        benchmark::DoNotOptimize(view.texts);
    }
}

template <class Operation>
void RunTime(benchmark::State& state, Operation operation, std::array<std::string, 4> texts) {
    Environment environment;
    TextsView<TimeField, 4> view;
    TimePanel panel(view);
    for (auto _ : state) {
        view.texts = texts;
        operation(panel);
        benchmark::DoNotOptimize(view.texts);
    }
}

template <class Operation>
void RunChar(benchmark::State& state, Operation operation, std::array<std::string, 5> texts) {
    TextsView<CharField, 5> view;
    CharPanel panel(view);
    for (auto _ : state) {
        view.texts = texts;
        operation(panel);
        benchmark::DoNotOptimize(view.texts);
    }
}

// Calendar conversions.
void CalendarChange(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.CalendarChange(); }, "21527", "46364", true);
}
void CalendarChangeUnset(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.CalendarChange(); }, "21527", "46364", false);
}
void PickDateKeyUp(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.PickDateKeyUp(); }, "21528", "46364", true);
}
void SysDateKeyUp(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.SysDateKeyUp(); }, "21527", "46365", true);
}
void DiffClick(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.DiffClick(); }, "21527", "46364", true);
}
void CalendarKeyPress(benchmark::State& s) {
    RunDate(
        s,
        [](DatePanel& p) {
            char key = 'a';
            p.CalendarKeyPress(key);
            benchmark::DoNotOptimize(key);
        },
        "", "", false);
}
void DateInitialise(benchmark::State& s) {
    RunDate(
        s, [](DatePanel& p) { p.Initialise(); }, "", "", false);
}

// Time conversions.
void PTimeKeyPress(benchmark::State& s) {
    RunTime(s,
            [](TimePanel& p) {
                char key = '7';
                p.PTimeKeyPress(key);
                benchmark::DoNotOptimize(key);
            },
            {"6286", "1", "44", "46"});
}
void PTimeKeyUp(benchmark::State& s) {
    RunTime(s, [](TimePanel& p) { p.PTimeKeyUp(); }, {"62864", "1", "44", "46"});
}
void HrKeyUp(benchmark::State& s) {
    RunTime(s, [](TimePanel& p) { p.HrKeyUp(); }, {"0", "17", "27", "44"});
}
void TimeInitialise(benchmark::State& s) {
    RunTime(s, [](TimePanel& p) { p.Initialise(); }, {"", "", "", ""});
}

// Character conversions.
void AsciiKeyDown(benchmark::State& s) {
    RunChar(s,
            [](CharPanel& p) {
                KeyDownArgs key{0x41, 'A'};
                p.editAsciiKeyDown(key);
            },
            {"B", "66", "42", "100 0010", ""});
}
void AsciiKeyUp(benchmark::State& s) {
    RunChar(s, [](CharPanel& p) { p.editAsciiKeyUp(); }, {"A", "66", "42", "100 0010", ""});
}
void DecKeyPress(benchmark::State& s) {
    RunChar(s,
            [](CharPanel& p) {
                char key = '5';
                p.editDecKeyPress(key);
                benchmark::DoNotOptimize(key);
            },
            {"", "6", "6", "110", "F"});
}
void DecKeyUp(benchmark::State& s) {
    RunChar(s, [](CharPanel& p) { p.editDecKeyUp(); }, {"", "65", "6", "110", "F"});
}
void HexKeyDown(benchmark::State& s) {
    RunChar(s,
            [](CharPanel& p) {
                KeyDownArgs key{0x46, 'F'};
                p.editHexKeyDown(key);
            },
            {"", "4", "4", "100", "D"});
}
void HexKeyUp(benchmark::State& s) {
    RunChar(s, [](CharPanel& p) { p.editHexKeyUp(); }, {"", "4", "4f", "100", "D"});
}
void ControlKeyPress(benchmark::State& s) {
    RunChar(s,
            [](CharPanel& p) {
                char key = 'j';
                p.editControlKeyPress(key);
                benchmark::DoNotOptimize(key);
            },
            {"", "9", "9", "1001", "I"});
}
void ControlKeyUp(benchmark::State& s) {
    RunChar(s, [](CharPanel& p) { p.editControlKeyUp(); }, {"", "9", "9", "1001", "J"});
}

// The baseline: setting the view's texts back, which every run above does too.
void ResetOnly(benchmark::State& s) {
    RunChar(s, [](CharPanel&) {}, {"", "9", "9", "1001", "J"});
}

}  // namespace

#define QC_PANEL_BENCHMARK(name) \
    BENCHMARK(name)->Repetitions(9)->ReportAggregatesOnly(true)->DisplayAggregatesOnly(true)

QC_PANEL_BENCHMARK(CalendarChange);
QC_PANEL_BENCHMARK(CalendarChangeUnset);
QC_PANEL_BENCHMARK(PickDateKeyUp);
QC_PANEL_BENCHMARK(SysDateKeyUp);
QC_PANEL_BENCHMARK(DiffClick);
QC_PANEL_BENCHMARK(CalendarKeyPress);
QC_PANEL_BENCHMARK(DateInitialise);
QC_PANEL_BENCHMARK(PTimeKeyPress);
QC_PANEL_BENCHMARK(PTimeKeyUp);
QC_PANEL_BENCHMARK(HrKeyUp);
QC_PANEL_BENCHMARK(TimeInitialise);
QC_PANEL_BENCHMARK(AsciiKeyDown);
QC_PANEL_BENCHMARK(AsciiKeyUp);
QC_PANEL_BENCHMARK(DecKeyPress);
QC_PANEL_BENCHMARK(DecKeyUp);
QC_PANEL_BENCHMARK(HexKeyDown);
QC_PANEL_BENCHMARK(HexKeyUp);
QC_PANEL_BENCHMARK(ControlKeyPress);
QC_PANEL_BENCHMARK(ControlKeyUp);
QC_PANEL_BENCHMARK(ResetOnly);

BENCHMARK_MAIN();
