#pragma once
// A hidden window whose every message goes to the handler it was made with. Destroying the
// object destroys the window.

#include <functional>

#include "base/Handle.h"
#include "base/Message.h"

using TMessageHandler = std::function<void(TMessage&)>;

class TMessageWindow {
  public:
    virtual ~TMessageWindow() = default;
    virtual THandleValue Handle() const = 0;
};
