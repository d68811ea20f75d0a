#pragma once
// The arithmetic of sizing the main window from the character panel. Constants are screen pixels.

// Outer height of the window for a character panel whose bottom edge (client coordinates) is B.
inline int ArrangedWindowHeight(int panel3Bottom) {
    return panel3Bottom + 75;
}
// Outer width of the window for a character panel of the given width.
inline int ArrangedWindowWidth(int panel3Width) {
    return panel3Width + 32;
}
// The About panel covers the window's client area: outer size less the frame.
inline int AboutPanelHeight(int windowHeight) {
    return windowHeight - 40;
}
inline int AboutPanelWidth(int windowWidth) {
    return windowWidth - 8;
}
// Buttons sit midway between the panel's bottom and the window's bottom, less 30.
inline int ArrangedButtonTop(int panel3Bottom, int windowHeight) {
    return panel3Bottom + (windowHeight - panel3Bottom) / 2 - 30;
}
