#pragma once
// The drop-down date picker: short date format, date only.

#include <cstdint>
#include <string>

#include "base/DateTime.h"
#include "toolkit/win32/Controls.h"

class TDatePicker : public TControl {
  public:
    static constexpr ControlKind kKind = ControlKind::DatePicker;
    using TControl::TControl;
    void CreateWnd(HWND parent) override;
    bool Reflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The date and time held: whole days since 30 December 1899, the time of day as a fraction
    // (subtracted for days before it).
    TDateTime Value() const;
    // Sets the day and keeps the time of day. A day the picker cannot show raises
    // ECommonCalendarError and the old value stays.
    void SetDay(std::int64_t pcDaySerial);
    // Shows the date through `pattern` (d, dd, M, MM, y, yy, yyyy and quoted text) rather than the
    // desktop's short-date form; an empty pattern goes back to that form.
    void SetFormat(const std::string& pattern);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  private:
    void WriteValue(std::int64_t day, double timeOfDay);
};
