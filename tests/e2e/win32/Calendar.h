#pragma once
// Days as the program counts them, worked out independently of the program: the PC day serial
// counts from 30 December 1899, the Pick day number from 31 December 1967.
#include <windows.h>

#include <optional>
#include <ostream>
#include <string>

namespace e2e {

inline constexpr int kPickEpochOffset = 24837;

struct Day {
    int year;
    int month;
    int day;
    bool operator==(const Day&) const = default;
};

// How a failed check shows a day: 2000-01-01.
void PrintTo(const Day& day, std::ostream* os);

Day Today();
int PcSerial(const Day& day);
Day FromPcSerial(int serial);
int DaysInMonth(int year, int month);

// The short-date texts of the two regional settings the tests run under.
std::string MonthFirstText(const Day& day);  // M/d/yyyy, as the United States setting writes it
std::string DayFirstText(const Day& day);    // dd/MM/yyyy, as the United Kingdom setting writes it

// The date the picker holds, read with DTM_GETSYSTEMTIME through memory of the program's process.
std::optional<Day> PickerDay(HWND picker, HANDLE process);

}  // namespace e2e
