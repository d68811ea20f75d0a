#pragma once
// A list of images of one size, from which icons can be taken.

#include "toolkit/Component.h"
#include "toolkit/Icon.h"

class TImageList : public TComponent {
  public:
    using TComponent::TComponent;
    virtual int Count() const = 0;
    // Puts image index into icon; an index outside the list leaves icon empty.
    virtual void GetIcon(int index, TIcon& icon) const = 0;
};
