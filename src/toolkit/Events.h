#pragma once
// The event types of mouse and notify events.

#include <cstdint>
#include <functional>
#include <initializer_list>

class TObject;

enum TShiftFlag : std::uint8_t {
    ssShift = 0,
    ssAlt = 1,
    ssCtrl = 2,
    ssLeft = 3,
    ssRight = 4,
    ssMiddle = 5,
    ssDouble = 6,
};

// A set of shift flags; bit n holds the flag of ordinal n.
class TShiftState {
  public:
    constexpr TShiftState() = default;
    constexpr TShiftState(std::initializer_list<TShiftFlag> flags) {
        for (TShiftFlag flag : flags) {
            Include(flag);
        }
    }
    constexpr void Include(TShiftFlag flag) {
        bits_ = static_cast<std::uint8_t>(bits_ | (1u << flag));
    }
    constexpr bool Contains(TShiftFlag flag) const { return (bits_ & (1u << flag)) != 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    friend constexpr bool operator==(TShiftState, TShiftState) = default;

  private:
    std::uint8_t bits_ = 0;
};

enum TMouseButton : std::uint8_t { mbLeft = 0, mbRight = 1, mbMiddle = 2 };

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
