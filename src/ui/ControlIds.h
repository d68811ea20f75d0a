#pragma once
// Window control identifiers of the main window's controls, by control name. The end-to-end
// driver finds controls through these, so they are part of the program's outside face.

enum ControlId : int {
    kIdPanel2 = 100,
    kIdLabel2,
    kIdLabel16,
    kIdLabel13,
    kIdLabel1,
    kIdCalendar,
    kIdPickDate,
    kIdSysDate,
    kIdDiff,

    kIdPanel1 = 200,
    kIdLabel15,
    kIdLabel3,
    kIdLabel6,
    kIdLabel5,
    kIdLabel4,
    kIdLabel12,
    kIdPTime,
    kIdHr,
    kIdMin,
    kIdSec,

    kIdPanel3 = 300,
    kIdLabel14,
    kIdLabel7,
    kIdLabel8,
    kIdLabel9,
    kIdLabel10,
    kIdLabel11,
    kIdEditAscii,
    kIdEditDec,
    kIdEditHex,
    kIdEditControl,
    kIdEditBinary,

    kIdButton1 = 400,
    kIdButton2,

    kIdPnlAbout = 500,
    kIdImage1,
    kIdLabel17,
    kIdLabel19,
    kIdLabel18,
    kIdMemo1,
    kIdButton3,
};

// Window class names the program registers, so the driver can find its windows.
inline constexpr const char* kMainWindowClass = "TForm1";
inline constexpr const char* kApplicationWindowClass = "TApplication";
