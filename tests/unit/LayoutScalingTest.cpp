#include "toolkit/LayoutScaling.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "toolkit/DatePickerRange.h"
#include "ui/ArrangeWindow.h"
#include "ui/Form1Layout.h"

namespace {

TEST(MulDivRound, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDivRound(13, 96, 120), 10);   // 10.4
    EXPECT_EQ(MulDivRound(13, 144, 120), 16);  // 15.6
    EXPECT_EQ(MulDivRound(5, 1, 2), 3);        // 2.5
    EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
    EXPECT_EQ(MulDivRound(7, 3, -2), -11);  // -10.5
    EXPECT_EQ(MulDivRound(2147483647, 2, 2), 2147483647);
}

TEST(ScaleFontHeight, FollowsTheScreenDensity) {
    EXPECT_EQ(ScaleFontHeight(13, 120), 13);
    EXPECT_EQ(ScaleFontHeight(13, 96), 10);
    EXPECT_EQ(ScaleFontHeight(13, 144), 16);
}

TEST(ScaleBounds, ScalesEdgesSoNeighboursStayAdjacent) {
    // Two panels meeting at y = 145 still meet after scaling, whatever rounding each edge gets.
    const Bounds upper{12, 12, 289, 133};
    const Bounds lower{12, 145, 289, 93};
    for (int textHeight : {13, 15, 20}) {
        const Bounds a = ScaleBounds(upper, textHeight, 16);
        const Bounds b = ScaleBounds(lower, textHeight, 16);
        EXPECT_EQ(a.Bottom(), b.top) << textHeight;
        EXPECT_EQ(a.left, b.left);
        EXPECT_EQ(a.Right(), b.Right());
    }
    EXPECT_EQ(ScaleBounds(upper, 16, 16).width, 289);
    const Bounds small = ScaleBounds(Bounds{12, 260, 289, 89}, 13, 16);
    EXPECT_EQ(small.left, 10);       // 9.75
    EXPECT_EQ(small.top, 211);       // 211.25
    EXPECT_EQ(small.Right(), 245);   // 244.5
    EXPECT_EQ(small.Bottom(), 284);  // 283.56
}

// The window is arranged from the character panel as the layout scales it for the window font's
// text height: 13 pixels (its height at 96 dpi), the design's 16 (120 dpi) and 20 (about 144 dpi).
struct Density {
    int pixelsPerInch;
    int textHeight;
    Bounds panel3;  // Panel3 once scaled
    int height;     // the window's outer height
    int width;      // and width
    int buttonTop;  // of both buttons
    Bounds about;   // the About panel's size (width, height)
};

TEST(ArrangeWindow, FollowsTheCharacterPanelAtEveryDensity) {
    const Density densities[] = {
        {96, 13, {10, 211, 235, 73}, 359, 267, 291, {0, 0, 259, 319}},
        {120, 16, {12, 260, 289, 89}, 424, 321, 356, {0, 0, 313, 384}},
        {144, 20, {15, 325, 361, 111}, 511, 393, 443, {0, 0, 385, 471}},
    };
    const Bounds designPanel3{12, 260, 289, 89};
    for (const Density& d : densities) {
        SCOPED_TRACE(d.pixelsPerInch);
        const Bounds panel3 = ScaleBounds(designPanel3, d.textHeight, 16);
        EXPECT_EQ(panel3.left, d.panel3.left);
        EXPECT_EQ(panel3.top, d.panel3.top);
        EXPECT_EQ(panel3.width, d.panel3.width);
        EXPECT_EQ(panel3.height, d.panel3.height);
        const int height = ArrangedWindowHeight(panel3.Bottom());
        const int width = ArrangedWindowWidth(panel3.width);
        EXPECT_EQ(height, d.height);  // 75 below the panel
        EXPECT_EQ(width, d.width);    // 32 wider than the panel
        EXPECT_EQ(ArrangedButtonTop(panel3.Bottom(), height), d.buttonTop);  // 7 below it
        EXPECT_EQ(AboutPanelWidth(width), d.about.width);
        EXPECT_EQ(AboutPanelHeight(height), d.about.height);
    }
}

TEST(ArrangeWindow, ButtonTopHalvesTowardZero) {
    // A window read back smaller than asked: (99 - 100) / 2 is 0, not -1.
    EXPECT_EQ(ArrangedButtonTop(100, 99), 70);
    EXPECT_EQ(ArrangedButtonTop(100, 176), 108);  // 76 halves to 38
}

TEST(DatePicker, ShowsTheDaysFrom14September1752To30December9999) {
    EXPECT_FALSE(PickerCanShowDay(-53798));  // 13 September 1752
    EXPECT_TRUE(PickerCanShowDay(-53797));
    EXPECT_TRUE(PickerCanShowDay(0));
    EXPECT_TRUE(PickerCanShowDay(2958464));
    EXPECT_FALSE(PickerCanShowDay(2958465));  // 31 December 9999
}

// The layout is data: check it the way a reader would, row by row.
class Form1LayoutTest : public ::testing::Test {
  protected:
    const FormDesc& form = Form1Layout();
    const ControlDesc* Find(std::string_view name) const {
        for (const ControlDesc& c : form.controls) {
            if (c.name == name)
                return &c;
        }
        return nullptr;
    }
};

TEST_F(Form1LayoutTest, EveryParentIsAnEarlierPanelAndIdsAreUnique) {
    std::set<std::string_view> seen;
    std::set<int> ids;
    for (const ControlDesc& c : form.controls) {
        if (!c.parent.empty()) {
            ASSERT_TRUE(seen.count(c.parent)) << c.name << " before its parent " << c.parent;
            EXPECT_EQ(Find(c.parent)->kind, ControlKind::Panel) << c.name;
        }
        EXPECT_TRUE(seen.insert(c.name).second) << "duplicate " << c.name;
        if (c.kind != ControlKind::Component) {
            EXPECT_TRUE(ids.insert(ControlIdOf(form, c.name)).second)
                << "duplicate id of " << c.name;
        }
    }
}

TEST_F(Form1LayoutTest, TabOrdersAreUniqueAmongSiblings) {
    std::set<std::pair<std::string_view, int>> orders;
    for (const ControlDesc& c : form.controls) {
        if (c.tabOrder < 0)
            continue;
        EXPECT_TRUE(orders.insert({c.parent, c.tabOrder}).second) << c.name;
    }
}

TEST_F(Form1LayoutTest, TabVisitsTheConversionFieldsThenTheButtons) {
    const auto shown = [this](std::string_view name) { return Find(name)->visible; };
    const std::vector<std::string_view> expected{
        "Calendar",  "PickDate", "SysDate", "PTime",       "Hr",      "Min",    "Sec",
        "editAscii", "editDec",  "editHex", "editControl", "Button1", "Button2"};
    EXPECT_EQ(TabSequence(form, shown), expected);
}

TEST_F(Form1LayoutTest, TheAboutPanelJoinsTheTabOrderOnlyWhenShown) {
    const auto all = [](std::string_view) { return true; };
    const auto sequence = TabSequence(form, all);
    ASSERT_GE(sequence.size(), 2u);
    // The About panel's tab order 5 puts its Close button (0) before the memo (1), last.
    EXPECT_EQ(sequence[sequence.size() - 2], "Button3");
    EXPECT_EQ(sequence.back(), "Memo1");
}

TEST_F(Form1LayoutTest, DisabledBinaryFieldAndLabelsNeverTakeFocus) {
    const auto all = [](std::string_view) { return true; };
    for (std::string_view name : TabSequence(form, all)) {
        EXPECT_NE(name, "editBinary");
        EXPECT_NE(name, "Diff");
        EXPECT_NE(Find(name)->kind, ControlKind::Label);
    }
}

TEST_F(Form1LayoutTest, TheNotificationIconIsSetUpByItsProperties) {
    const ControlDesc* tray = Find("TrayIcon1");
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->componentClass, "TTrayIcon");
    ASSERT_EQ(tray->properties.size(), 4u);
    EXPECT_EQ(tray->properties[0].name, "Visible");
    EXPECT_EQ(tray->properties[3].value, "imNone");
}

TEST_F(Form1LayoutTest, TheNoticeHasItsSevenLines) {
    const std::string text(Find("Memo1")->text);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(text.substr(start, at - start));
    }
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[5].back(), '.');
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(start, text.size());
}

}  // namespace
