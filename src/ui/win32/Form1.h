#pragma once
// The main window: the calendar, time and character panels, the About panel and Exit. Its
// handlers only forward to the panel units; the layout binds them by name.

#include <memory>

#include "base/DateTime.h"
#include "convert/CharPanel.h"
#include "convert/DatePanel.h"
#include "convert/TimePanel.h"
#include "toolkit/win32/DatePicker.h"
#include "toolkit/win32/Form.h"
#include "trayicon/TrayIcon.h"
#include "ui/win32/ApplicationTrayAdapter.h"
#include "ui/win32/PanelViews.h"

class Win32TrayServices;

class TForm1 : public TForm {
  public:
    // Assigns `self` first, so the creation handler can reach the window through it.
    TForm1(TApplication& application, TForm1*& self);
    ~TForm1() override;

    void FormCreate(TControl& sender);
    void ArrangeWindow();
    // The user's regional settings were read anew: the picker shows dates the way the panel
    // writes them where the desktop's own form would not draw in a left-to-right window.
    void RegionalSettingsChanged();

    // Calendar conversions.
    void CalendarChange(TControl& sender);
    void CalendarKeyPress(TControl& sender, char& key);
    void PickDateKeyUp(TControl& sender, TKey key);
    void SysDateKeyUp(TControl& sender, TKey key);
    void DiffClick(TControl& sender);

    // Time conversions.
    void PTimeKeyPress(TControl& sender, char& key);
    void HrKeyPress(TControl& sender, char& key);
    void MinKeyPress(TControl& sender, char& key);
    void SecKeyPress(TControl& sender, char& key);
    void PTimeKeyUp(TControl& sender, TKey key);
    void HrKeyUp(TControl& sender, TKey key);

    // Character conversions.
    void editAsciiKeyDown(TControl& sender, KeyDownArgs& args);
    void editAsciiKeyUp(TControl& sender, TKey key);
    void editDecKeyPress(TControl& sender, char& key);
    void editDecKeyUp(TControl& sender, TKey key);
    void editHexKeyDown(TControl& sender, KeyDownArgs& args);
    void editHexKeyUp(TControl& sender, TKey key);
    void editControlKeyPress(TControl& sender, char& key);
    void editControlKeyUp(TControl& sender, TKey key);

    // About and Exit.
    void Button1Click(TControl& sender);
    void Button2Click(TControl& sender);
    void Button3Click(TControl& sender);

  protected:
    void CreateComponent(const ControlDesc& desc) override;

  private:
    // The one table of the window's bindings: each control of the layout into its member below,
    // each handler name of the layout to its method above.
    std::vector<TControlSlot> ControlSlots();
    THandlers Handlers();
    // Gives the panels' views their controls.
    void AssignViews();
    void ShowTrayIcon();

    // One member per control of the layout, under its name; the window owns them all.
    TPanel* Panel2 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label16 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label1 = nullptr;
    TDatePicker* Calendar = nullptr;
    TEdit* PickDate = nullptr;
    TEdit* SysDate = nullptr;
    TPanel* Diff = nullptr;
    TPanel* Panel1 = nullptr;
    TLabel* Label15 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label12 = nullptr;
    TEdit* PTime = nullptr;
    TEdit* Hr = nullptr;
    TEdit* Min = nullptr;
    TEdit* Sec = nullptr;
    TPanel* Panel3 = nullptr;
    TLabel* Label14 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TEdit* editAscii = nullptr;
    TEdit* editDec = nullptr;
    TEdit* editHex = nullptr;
    TEdit* editControl = nullptr;
    TEdit* editBinary = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TPanel* pnlAbout = nullptr;
    TImage* Image1 = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label19 = nullptr;
    TLabel* Label18 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* Button3 = nullptr;

    ApplicationTrayAdapter trayApplication_;
    std::unique_ptr<Win32TrayServices> trayServices_;
    TTrayIcon* TrayIcon1 = nullptr;  // owned by the window as its component

    TDateTime referenceDate_ = 0;
    TDatePanelView dateView_;
    TTimePanelView timeView_;
    TCharPanelView charView_;
    DatePanel datePanel_;
    TimePanel timePanel_;
    CharPanel charPanel_;
};

// The main window, assigned when its construction begins.
extern TForm1* Form1;
