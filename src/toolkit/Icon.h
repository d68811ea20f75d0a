#pragma once
// An icon picture that can be copied and handed to the desktop by handle.

#include "base/Handle.h"
#include "toolkit/Component.h"

class TIcon : public TObject {
  public:
    // Makes this a copy of source's picture (empty when source is empty).
    virtual void Assign(const TIcon& source) = 0;
    // Drops the picture.
    virtual void Clear() = 0;
    // The picture's handle for the desktop; zero when the icon is empty.
    virtual THandleValue Handle() const = 0;
};
