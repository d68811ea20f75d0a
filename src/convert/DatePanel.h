#pragma once
// The calendar conversions panel: the date picker, the Pick day number, the PC day serial and the
// difference from a reference date, kept in step through a narrow view of the window's controls.

#include <cstdint>
#include <string>

#include "base/DateTime.h"
#include "convert/PanelView.h"

enum class DateField { PickDate, SysDate, Diff };

// The calendar panel's fields (the Pick day number, the PC day serial and the difference
// caption) and its date picker.
class DatePanelView : public TPanelView<DateField> {
  public:
    // The picker's date and time of day.
    virtual TDateTime PickerValue() const = 0;
    // Sets the picker's day to the given PC day serial and keeps its time of day. A day the
    // picker cannot show raises ECommonCalendarError "Failed to set calendar date or time" and
    // leaves the picker as it was.
    virtual void SetPickerDay(std::int32_t daySerial) = 0;
};

// The marker that the reference date has not been fixed yet: 31 December of the year that the
// two digits 67 stand for today. It is built the same way under every regional setting, so the
// panel works whatever the user's date order and separator are.
TDateTime SentinelDate();

class DatePanel {
  public:
    // The reference date belongs to the window; only the panel writes it.
    DatePanel(DatePanelView& view, TDateTime& referenceDate);

    void Initialise();
    void CalendarChange();
    void PickDateKeyUp();
    void SysDateKeyUp();
    void DiffClick();
    // The picker takes no typed characters: the key is cancelled (set to 0).
    void CalendarKeyPress(char& key);

  private:
    // Moves the picker to the day of a Pick day number; gives the PC day serial it wrote.
    std::int32_t WritePickDay(std::int32_t pickDay);

    DatePanelView& view_;
    TDateTime& referenceDate_;
};
