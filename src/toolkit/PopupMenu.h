#pragma once
// A menu that pops up at a point of the screen.

#include "toolkit/Component.h"

class TPopupMenu : public TComponent {
  public:
    using TComponent::TComponent;
    // x, y in screen coordinates.
    virtual void Popup(int x, int y) = 0;
};
