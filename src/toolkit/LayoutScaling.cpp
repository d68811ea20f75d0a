#include "toolkit/LayoutScaling.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

int MulDivRound(int a, int num, int den) {
    if (den == 0)
        return a;
    const std::int64_t product = static_cast<std::int64_t>(a) * num;
    const std::int64_t absDen = std::llabs(den);
    const std::int64_t absProduct = product < 0 ? -product : product;
    std::int64_t q = (absProduct * 2 + absDen) / (absDen * 2);
    if ((product < 0) != (den < 0))
        q = -q;
    return static_cast<int>(q);
}

int ScaleFontHeight(int designHeight, int pixelsPerInch) {
    return MulDivRound(designHeight, pixelsPerInch, kDesignPixelsPerInch);
}

Bounds ScaleBounds(const Bounds& b, int num, int den) {
    const int left = MulDivRound(b.left, num, den);
    const int top = MulDivRound(b.top, num, den);
    const int right = MulDivRound(b.Right(), num, den);
    const int bottom = MulDivRound(b.Bottom(), num, den);
    return Bounds{left, top, right - left, bottom - top};
}

namespace {

bool TakesFocus(const ControlDesc& c) {
    switch (c.kind) {
        case ControlKind::Edit:
        case ControlKind::Memo:
        case ControlKind::Button:
        case ControlKind::DatePicker:
            return c.tabStop && c.tabOrder >= 0;
        default:
            return false;
    }
}

void Visit(const FormDesc& form, std::string_view parent,
           const std::function<bool(std::string_view)>& available,
           std::vector<std::string_view>& out) {
    std::vector<const ControlDesc*> level;
    for (const ControlDesc& c : form.controls) {
        if (c.parent == parent && c.kind != ControlKind::Component && c.tabOrder >= 0) {
            level.push_back(&c);
        }
    }
    std::stable_sort(level.begin(), level.end(), [](const ControlDesc* a, const ControlDesc* b) {
        return a->tabOrder < b->tabOrder;
    });
    for (const ControlDesc* c : level) {
        if (!available(c->name))
            continue;
        if (TakesFocus(*c))
            out.push_back(c->name);
        if (c->kind == ControlKind::Panel)
            Visit(form, c->name, available, out);
    }
}

}  // namespace

std::vector<std::string_view> TabSequence(const FormDesc& form,
                                          const std::function<bool(std::string_view)>& available) {
    std::vector<std::string_view> out;
    Visit(form, "", available, out);
    return out;
}
