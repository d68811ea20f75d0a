#pragma once
// A window's layout as data: one row per control, read when the window object is constructed.
// Geometry is in pixels at the design density (kDesignPixelsPerInch), relative to the parent's
// client area.

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

inline constexpr int kDesignPixelsPerInch = 120;

enum class ControlKind { Panel, Label, Edit, Button, DatePicker, Image, Memo, Component };
enum class Bevel { None, Raised, Lowered };

// Colours as 0x00BBGGRR, or a system colour.
enum class ColorRole { WindowText, Black, Blue };

struct FontDesc {
    bool parentFont = true;  // take the parent's font; the rest is ignored
    int height = 13;         // character height in pixels at the design density
    bool bold = false;
    ColorRole color = ColorRole::WindowText;
    bool ansiCharset = false;  // ANSI character set instead of the default one
};

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
};

// Handler names bound to a control's events; empty when unbound.
struct EventBindings {
    std::string_view onClick;
    std::string_view onChange;
    std::string_view onKeyDown;
    std::string_view onKeyPress;
    std::string_view onKeyUp;
};

struct PropertyValue {
    std::string_view name;
    std::string_view value;
};

struct ControlDesc {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // empty: the window itself
    Bounds bounds;
    int tabOrder = -1;  // -1: takes no part in focus navigation
    std::string_view text;
    FontDesc font;
    Bevel bevel = Bevel::None;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    bool transparent = true;  // labels: draw on the parent's background
    double dateValue = 0;     // date pickers: the date and time of day the layout stores
    EventBindings events;
    std::string_view componentClass;            // ControlKind::Component only
    std::span<const PropertyValue> properties;  // ControlKind::Component: written in order
    int id = 0;  // the window control identifier, given by ControlIdOf when the window is built
};

struct FormDesc {
    std::string_view name;
    std::string_view caption;
    Bounds bounds;  // outer, in screen pixels (not scaled)
    FontDesc font;  // the window font
    int designTextHeight = 16;
    std::string_view onCreate;
    std::span<const ControlDesc> controls;  // bottom to top
};

// The window control identifier of the layout's control `name`: its row's place in the layout,
// counted from kFirstControlId, so a program and a tool that drives it agree; 0 when the layout
// has no such control.
inline constexpr int kFirstControlId = 100;
int ControlIdOf(const FormDesc& form, std::string_view name);
