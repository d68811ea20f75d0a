#pragma once
// The time conversions panel: a Pick time (seconds past midnight) in PTime, and the same time as
// hours, minutes and seconds in Hr, Min and Sec. The panel keeps nothing of its own; every value
// lives as the text of one of its four edits, reached through TimePanelView.

#include <string>

#include "convert/PanelView.h"

enum class TimeField { PTime, Hr, Min, Sec };

// The four edits of the panel.
using TimePanelView = TPanelView<TimeField>;

class TimePanel {
  public:
    // The view must outlive the panel (the window owns both).
    explicit TimePanel(TimePanelView& view) : view_(view) {}

    // Shows the local time of day: Hr, Min and Sec as two-character fields, then PTime.
    void Initialise();

    // The digit filter of the four edits: only Backspace and the digits 0 to 9 may enter; any
    // other character is cancelled by setting key to 0.
    void PTimeKeyPress(char& key) const;
    void HrKeyPress(char& key) const;
    void MinKeyPress(char& key) const;
    void SecKeyPress(char& key) const;

    // PTime to Hr, Min and Sec; an empty PTime changes nothing. Raises EConvertError (nothing
    // written) when PTime does not hold an integer.
    void PTimeKeyUp();
    // Bound to Hr, Min and Sec alike: runs UpdatePickTime.
    void HrKeyUp();
    // Hr, Min and Sec to PTime. Never raises: an empty edit is first set to "0", and an edit that
    // does not hold an integer counts as 0.
    void UpdatePickTime();

  private:
    TimePanelView& view_;
};
