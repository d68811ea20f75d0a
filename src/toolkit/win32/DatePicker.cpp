#include "toolkit/win32/DatePicker.h"

#include <commctrl.h>

#include <cmath>

#include "base/Calendar.h"
#include "base/Exception.h"
#include "toolkit/DatePickerRange.h"

namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

SYSTEMTIME ToSystemTime(std::int64_t day, double timeOfDay) {
    const CalendarDay c = DecodeDate(static_cast<TDateTime>(day));
    auto ms = static_cast<long long>(std::llround(timeOfDay * kMillisecondsPerDay));
    if (ms >= 86400000LL)
        ms = 86399999LL;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(c.year);
    st.wMonth = static_cast<WORD>(c.month);
    st.wDay = static_cast<WORD>(c.day);
    st.wDayOfWeek = static_cast<WORD>(c.dayOfWeek);
    st.wHour = static_cast<WORD>(ms / 3600000);
    st.wMinute = static_cast<WORD>(ms / 60000 % 60);
    st.wSecond = static_cast<WORD>(ms / 1000 % 60);
    st.wMilliseconds = static_cast<WORD>(ms % 1000);
    return st;
}

[[noreturn]] void RefuseDay() {
    throw ECommonCalendarError("Failed to set calendar date or time");
}

}  // namespace

void TDatePicker::CreateWnd(HWND parent) {
    CreateSystemClass(DATETIMEPICK_CLASSA,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | DTS_SHORTDATEFORMAT, 0,
                      parent, "");
    // The range covers the whole of its last day: the control compares the time of day too.
    SYSTEMTIME range[2] = {ToSystemTime(kFirstPickerDay, 0.0),
                           ToSystemTime(kLastPickerDay, 86399999.0 / kMillisecondsPerDay)};
    SendMessageA(Handle(), DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range));
    const TDateTime initial = Desc().dateValue;
    const double day = std::trunc(initial);
    WriteValue(static_cast<std::int64_t>(day), std::fabs(initial - day));
}

TDateTime TDatePicker::Value() const {
    SYSTEMTIME st{};
    SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st));
    const TDateTime day = EncodeDate(st.wYear, st.wMonth, st.wDay);
    const double time = ((st.wHour * 60.0 + st.wMinute) * 60.0 + st.wSecond) / 86400.0 +
                        st.wMilliseconds / kMillisecondsPerDay;
    return day >= 0 ? day + time : day - time;
}

void TDatePicker::SetDay(std::int64_t pcDaySerial) {
    if (!PickerCanShowDay(pcDaySerial))
        RefuseDay();
    const TDateTime value = Value();
    WriteValue(pcDaySerial, std::fabs(value - std::trunc(value)));
}

// A control may answer success and still keep its old value; what it holds afterwards decides.
void TDatePicker::WriteValue(std::int64_t day, double timeOfDay) {
    SYSTEMTIME st = ToSystemTime(day, timeOfDay);
    if (!SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st))) {
        RefuseDay();
    }
    SYSTEMTIME held{};
    SendMessageA(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&held));
    if (held.wYear != st.wYear || held.wMonth != st.wMonth || held.wDay != st.wDay)
        RefuseDay();
}

void TDatePicker::SetFormat(const std::string& pattern) {
    SendMessageA(Handle(), DTM_SETFORMATA, 0,
                 pattern.empty() ? 0 : reinterpret_cast<LPARAM>(pattern.c_str()));
}

bool TDatePicker::Reflect(UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == DTN_DATETIMECHANGE) {
        // Only the user's changes are reported: the control sends none for DTM_SETSYSTEMTIME.
        if (OnChange)
            OnChange(*this);
        result = 0;
        return true;
    }
    return false;
}

LRESULT TDatePicker::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    return KeyboardProc(msg, wParam, lParam);
}
