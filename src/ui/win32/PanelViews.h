#pragma once
// The panels' views over the window's real controls: one control per field, in the order of the
// panel's field enumeration, assigned once the window has made its controls.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "convert/CharPanel.h"
#include "convert/DatePanel.h"
#include "convert/TimePanel.h"
#include "toolkit/win32/Controls.h"
#include "toolkit/win32/DatePicker.h"

template <class View, class Field, std::size_t N>
class TFieldsView : public View {
  public:
    void Assign(const std::array<TControl*, N>& controls) { controls_ = controls; }

    std::string Text(Field field) const override { return Of(field).Text(); }
    void SetText(Field field, const std::string& text) override { Of(field).SetText(text); }

  private:
    TControl& Of(Field field) const { return *controls_.at(static_cast<std::size_t>(field)); }

    std::array<TControl*, N> controls_{};  // the window's, not owned
};

class TDatePanelView : public TFieldsView<DatePanelView, DateField, 3> {
  public:
    void AssignPicker(TDatePicker* picker) { picker_ = picker; }
    TDateTime PickerValue() const override { return picker_->Value(); }
    void SetPickerDay(std::int32_t daySerial) override { picker_->SetDay(daySerial); }

  private:
    TDatePicker* picker_ = nullptr;  // the window's, not owned
};

using TTimePanelView = TFieldsView<TimePanelView, TimeField, 4>;
using TCharPanelView = TFieldsView<CharPanelView, CharField, 5>;
