#include "toolkit/win32/TextMeasure.h"

#include "toolkit/win32/Handles.h"

SIZE TTextMeasure::Extent(HFONT font, std::string_view text) {
    SelectedObject selected(dc_, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_LEFT | DT_NOPREFIX);
    return SIZE{r.right - r.left, r.bottom - r.top};
}
