#include "win32/Calendar.h"

#include <commctrl.h>

#include <chrono>
#include <cstdio>

namespace e2e {

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr sys_days kPcEpoch = sys_days{year{1899} / 12 / 30};

// Memory in the program's process, freed on every path.
class RemoteBuffer {
  public:
    RemoteBuffer(HANDLE process, SIZE_T size)
        : process_(process),
          address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteBuffer() {
        if (address_ != nullptr) {
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        }
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    void* get() const { return address_; }

  private:
    HANDLE process_;
    void* address_;
};

}  // namespace

Day Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

int PcSerial(const Day& d) {
    const sys_days days{year{d.year} / month{static_cast<unsigned>(d.month)} /
                        day{static_cast<unsigned>(d.day)}};
    return static_cast<int>((days - kPcEpoch).count());
}

Day FromPcSerial(int serial) {
    const year_month_day ymd{kPcEpoch + std::chrono::days{serial}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

void PrintTo(const Day& d, std::ostream* os) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
    *os << text;
}

int DaysInMonth(int y, int m) {
    const auto last = year{y} / month{static_cast<unsigned>(m)} / std::chrono::last;
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::string MonthFirstText(const Day& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%d/%d/%d", d.month, d.day, d.year);
    return text;
}

std::string DayFirstText(const Day& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", d.day, d.month, d.year);
    return text;
}

std::optional<Day> PickerDay(HWND picker, HANDLE process) {
    RemoteBuffer buffer(process, sizeof(SYSTEMTIME));
    if (buffer.get() == nullptr) {
        return std::nullopt;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(buffer.get()),
                             SMTO_ABORTIFHUNG, 2000, &result) ||
        result != GDT_VALID) {
        return std::nullopt;
    }
    SYSTEMTIME time{};
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, buffer.get(), &time, sizeof time, &read) ||
        read != sizeof time) {
        return std::nullopt;
    }
    return Day{time.wYear, time.wMonth, time.wDay};
}

}  // namespace e2e
