#pragma once
// A timer whose ticks arrive on the thread of the message loop, between messages.

#include "toolkit/Component.h"
#include "toolkit/Events.h"

class TTimer : public TObject {
  public:
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool value) = 0;
    // Milliseconds between ticks. A timer with an interval of zero or less never ticks.
    virtual int Interval() const = 0;
    virtual void SetInterval(int value) = 0;
    // Called with the timer as Sender on every tick.
    virtual void SetOnTimer(TNotifyEvent handler) = 0;
};
