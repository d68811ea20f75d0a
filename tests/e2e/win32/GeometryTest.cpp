// The window's geometry after start-up at the design density (120 dpi) and at 96 dpi.
#include <gtest/gtest.h>
#include <windows.h>

#include "ui/Form1Layout.h"
#include "win32/ProgramTest.h"
#include "win32/WindowQuery.h"

namespace e2e {
namespace {

int ScreenDensity() {
    const HDC screen = GetDC(nullptr);
    const int density = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return density;
}

using Geometry = ProgramTest;

TEST_F(Geometry, AtTheDesignDensityTheWindowKeepsItsDesignPlace) {
    ASSERT_EQ(ScreenDensity(), 120) << "this scenario needs a prefix at 120 dpi";
    const HWND main = program().Main();
    const RECT window = ScreenRectOf(main);
    EXPECT_EQ(window.left, 192);
    EXPECT_EQ(window.top, 132);
    EXPECT_EQ(Width(window), 321);
    EXPECT_EQ(Height(window), 424);

    const RECT exitButton = RectInClientOf(Control("Button1"), main);
    const RECT aboutButton = RectInClientOf(Control("Button2"), main);
    EXPECT_EQ(exitButton.top, 356);
    EXPECT_EQ(aboutButton.top, 356);
    EXPECT_EQ(exitButton.left, 180) << "the buttons' left edges stay at their design place";
    EXPECT_EQ(aboutButton.left, 40);

    const HWND about = Control("pnlAbout");
    const RECT aboutPanel = RectInClientOf(about, main);
    EXPECT_EQ(Width(aboutPanel), 313);
    EXPECT_EQ(Height(aboutPanel), 384);
    EXPECT_FALSE(IsWindowVisible(about)) << "the About panel starts hidden";
}

// Away from the design density the window is arranged around the scaled character panel: 75
// pixels below it, 32 wider, the buttons 7 below it, the About panel covering the client area.
class ScaledGeometry : public ProgramTest {
  protected:
    void ExpectArrangedAroundTheCharacterPanel() {
        const HWND main = program().Main();
        const RECT window = ScreenRectOf(main);
        const RECT characterPanel = RectInClientOf(Control("Panel3"), main);
        const LONG bottom = characterPanel.bottom;
        EXPECT_EQ(Height(window), bottom + 75);
        EXPECT_EQ(Width(window), Width(characterPanel) + 32);
        EXPECT_EQ(RectInClientOf(Control("Button1"), main).top, bottom + 7);
        EXPECT_EQ(RectInClientOf(Control("Button2"), main).top, bottom + 7);

        const RECT aboutPanel = RectInClientOf(Control("pnlAbout"), main);
        EXPECT_EQ(Width(aboutPanel), Width(window) - 8);
        EXPECT_EQ(Height(aboutPanel), Height(window) - 40);
    }
    LONG CharacterPanelWidth() {
        return Width(RectInClientOf(Control("Panel3"), program().Main()));
    }
};

using GeometryAt96Dpi = ScaledGeometry;

TEST_F(GeometryAt96Dpi, TheWindowIsArrangedAroundTheSmallerCharacterPanel) {
    ASSERT_EQ(ScreenDensity(), 96) << "this scenario needs a prefix at 96 dpi";
    EXPECT_LT(CharacterPanelWidth(), 289) << "the layout is scaled down";
    ExpectArrangedAroundTheCharacterPanel();
}

using GeometryAt144Dpi = ScaledGeometry;

TEST_F(GeometryAt144Dpi, TheWindowIsArrangedAroundTheLargerCharacterPanel) {
    ASSERT_EQ(ScreenDensity(), 144) << "this scenario needs a prefix at 144 dpi";
    EXPECT_GT(CharacterPanelWidth(), 289) << "the layout is scaled up";
    ExpectArrangedAroundTheCharacterPanel();
}

}  // namespace
}  // namespace e2e
