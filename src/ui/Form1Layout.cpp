// The main window, control by control: bottom to top, geometry at 120 pixels per inch.
#include "ui/Form1Layout.h"

#include <array>

namespace {

using K = ControlKind;

constexpr FontDesc kParent{};
constexpr FontDesc Bold(int height, ColorRole color = ColorRole::Black) {
    return FontDesc{false, height, true, color, false};
}
constexpr FontDesc kAsciiFont{false, 15, false, ColorRole::WindowText, true};
constexpr FontDesc kNoticeFont{false, 13, true, ColorRole::WindowText, false};

constexpr ControlDesc Label(std::string_view name, std::string_view parent, Bounds b,
                            std::string_view text, FontDesc font, bool transparent = true) {
    ControlDesc d{name, K::Label, parent, b};
    d.text = text;
    d.font = font;
    d.tabStop = false;
    d.transparent = transparent;
    return d;
}

constexpr ControlDesc Panel(std::string_view name, std::string_view parent, Bounds b, int tabOrder,
                            Bevel bevel = Bevel::Raised) {
    ControlDesc d{name, K::Panel, parent, b, tabOrder};
    d.bevel = bevel;
    d.tabStop = false;
    return d;
}

constexpr ControlDesc Edit(std::string_view name, std::string_view parent, Bounds b, int tabOrder,
                           std::string_view text, EventBindings events, FontDesc font = kParent) {
    ControlDesc d{name, K::Edit, parent, b, tabOrder, text, font};
    d.events = events;
    return d;
}

constexpr ControlDesc Button(std::string_view name, std::string_view parent, Bounds b, int tabOrder,
                             std::string_view text, std::string_view onClick) {
    ControlDesc d{name, K::Button, parent, b, tabOrder, text};
    d.events.onClick = onClick;
    return d;
}

constexpr ControlDesc DiffPanel() {
    ControlDesc d = Panel("Diff", "Panel2", {11, 84, 266, 30}, 3, Bevel::Lowered);
    d.text = "Differences";
    d.events.onClick = "DiffClick";
    return d;
}

constexpr ControlDesc CalendarPicker() {
    ControlDesc d{"Calendar", K::DatePicker, "Panel2", {12, 52, 101, 24}, 0};
    d.events.onChange = "CalendarChange";
    d.events.onKeyPress = "CalendarKeyPress";
    d.dateValue = 39226.7078606019;  // 24 May 2007 at about 16:59:19
    return d;
}

constexpr ControlDesc BinaryEdit() {
    ControlDesc d = Edit("editBinary", "Panel3", {151, 46, 82, 24}, 4, "", {});
    d.enabled = false;
    d.tabStop = false;
    return d;
}

constexpr ControlDesc AboutPanel() {
    ControlDesc d = Panel("pnlAbout", "", {0, 0, 305, 65}, 5);
    d.visible = false;
    return d;
}

constexpr ControlDesc Logo() {
    ControlDesc d{"Image1", K::Image, "pnlAbout", {20, 48, 65, 65}};
    d.text = "LOGO";  // the bitmap resource drawn stretched into the box
    d.tabStop = false;
    return d;
}

constexpr ControlDesc Notice() {
    ControlDesc d{"Memo1", K::Memo, "pnlAbout", {48, 188, 209, 113}, 1};
    // One line per row, each ended by a line break; the last line is empty.
    d.text = " \r\n \r\n\r\n \r\n \r\nzelvor@quorlin.example.\r\n\r\n";
    return d;
}

constexpr std::array<PropertyValue, 4> kTrayIconProperties{{
    {"Visible", "true"},
    {"Hide", "true"},
    {"RestoreOn", "imDoubleClick"},
    {"PopupMenuOn", "imNone"},
}};

constexpr ControlDesc TrayIcon() {
    ControlDesc d{"TrayIcon1", K::Component};
    d.componentClass = "TTrayIcon";
    d.tabStop = false;
    d.properties = kTrayIconProperties;
    return d;
}

// clang-format off
constexpr std::array kControls{
    // The window's children.
    Panel("Panel2", "", {12, 12, 289, 133}, 0),
    Panel("Panel1", "", {12, 156, 289, 93}, 1),
    Panel("Panel3", "", {12, 260, 289, 89}, 2),
    Button("Button1", "", {180, 356, 93, 21}, 3, "E&xit", "Button1Click"),
    Button("Button2", "", {40, 356, 97, 21}, 4, "About", "Button2Click"),
    AboutPanel(),
    TrayIcon(),

    // Calendar conversions.
    Label("Label2", "Panel2", {57, 6, 176, 20}, "Calendar Conversions", Bold(17)),
    Label("Label16", "Panel2", {35, 32, 64, 16}, "Standard", Bold(15)),
    Label("Label13", "Panel2", {143, 32, 31, 16}, "Pick", Bold(15)),
    Label("Label1", "Panel2", {229, 29, 21, 16}, "PC", Bold(15)),
    CalendarPicker(),
    Edit("PickDate", "Panel2", {122, 51, 75, 24}, 1, "PickDate", {.onKeyUp = "PickDateKeyUp"}),
    Edit("SysDate", "Panel2", {208, 51, 69, 24}, 2, "PickDate", {.onKeyUp = "SysDateKeyUp"}),
    DiffPanel(),

    // Time conversions.
    Label("Label15", "Panel1", {68, 7, 142, 20}, "Time Conversions", Bold(17)),
    Label("Label3", "Panel1", {23, 33, 70, 16}, "Pick Time", Bold(15)),
    Label("Label6", "Panel1", {150, 34, 25, 16}, "Hrs", Bold(15)),
    Label("Label5", "Panel1", {190, 34, 33, 16}, "Mins", Bold(15)),
    Label("Label4", "Panel1", {234, 34, 36, 16}, "Secs", Bold(15)),
    Label("Label12", "Panel1", {101, 52, 41, 20}, "<==>", Bold(17, ColorRole::WindowText), false),
    Edit("PTime", "Panel1", {15, 51, 83, 24}, 0, "0", {.onKeyPress = "PTimeKeyPress", .onKeyUp = "PTimeKeyUp"}),
    Edit("Hr", "Panel1", {145, 52, 31, 24}, 1, "0", {.onKeyPress = "HrKeyPress", .onKeyUp = "HrKeyUp"}),
    Edit("Min", "Panel1", {191, 52, 30, 24}, 2, "0", {.onKeyPress = "MinKeyPress", .onKeyUp = "HrKeyUp"}),
    Edit("Sec", "Panel1", {236, 52, 31, 24}, 3, "0", {.onKeyPress = "SecKeyPress", .onKeyUp = "HrKeyUp"}),

    // Character conversions.
    Label("Label14", "Panel3", {37, 5, 183, 20}, "Character Conversions", Bold(17)),
    Label("Label7", "Panel3", {11, 27, 35, 16}, "Ascii", Bold(15)),
    Label("Label8", "Panel3", {59, 27, 29, 16}, "Dec", Bold(15)),
    Label("Label9", "Panel3", {110, 27, 28, 16}, "Hex", Bold(15)),
    Label("Label10", "Panel3", {172, 27, 45, 16}, "Binary", Bold(15)),
    Label("Label11", "Panel3", {245, 27, 24, 16}, "Ctrl", Bold(15)),
    Edit("editAscii", "Panel3", {16, 46, 21, 24}, 0, "", {.onKeyDown = "editAsciiKeyDown", .onKeyUp = "editAsciiKeyUp"}, kAsciiFont),
    Edit("editDec", "Panel3", {52, 46, 41, 24}, 1, "", {.onKeyPress = "editDecKeyPress", .onKeyUp = "editDecKeyUp"}),
    Edit("editHex", "Panel3", {108, 46, 30, 24}, 2, "", {.onKeyDown = "editHexKeyDown", .onKeyUp = "editHexKeyUp"}),
    Edit("editControl", "Panel3", {245, 46, 21, 24}, 3, "", {.onKeyPress = "editControlKeyPress", .onKeyUp = "editControlKeyUp"}),
    BinaryEdit(),

    // The About panel.
    Logo(),
    Label("Label17", "pnlAbout", {100, 48, 122, 37}, "Zelvor", Bold(32, ColorRole::Blue)),
    Label("Label19", "pnlAbout", {104, 92, 173, 16}, "A Quorlin conversion utility", kParent),
    Label("Label18", "pnlAbout", {4, 120, 305, 16}, "Copyright 2026 Zelvor Software", kNoticeFont),
    Notice(),
    Button("Button3", "pnlAbout", {204, 332, 69, 25}, 0, "&Close", "Button3Click"),
};
// clang-format on

constexpr FormDesc kForm1{
    "Form1",
    "Quorlin Conversions",
    {192, 132, 322, 425},
    FontDesc{false, 13, false, ColorRole::WindowText, false},
    16,
    "FormCreate",
    kControls,
};

}  // namespace

const FormDesc& Form1Layout() {
    return kForm1;
}
