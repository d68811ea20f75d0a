#pragma once
// The application's main-window hooks: closures offered every message of the application's
// window before the application handles it itself.

#include <vector>

#include "base/Message.h"

// A method bound to its object. Two hooks are equal when they name the same method of the same
// object, so a hook can be taken out of a list by the value that put it there.
class TWindowHook {
  public:
    TWindowHook() = default;

    template <auto Method, class T>
    static TWindowHook Bind(T* object) {
        return TWindowHook(object, [](void* data, TMessage& message) -> bool {
            return (static_cast<T*>(data)->*Method)(message);
        });
    }

    bool Assigned() const noexcept { return code_ != nullptr; }
    // True when the message is fully handled. An unassigned hook handles nothing.
    bool operator()(TMessage& message) const { return code_ != nullptr && code_(data_, message); }
    friend bool operator==(const TWindowHook&, const TWindowHook&) = default;

  private:
    using Code = bool (*)(void*, TMessage&);
    TWindowHook(void* data, Code code) : data_(data), code_(code) {}

    void* data_ = nullptr;
    Code code_ = nullptr;
};

// The hook list of the application's main window.
class TWindowHookList {
  public:
    void Add(const TWindowHook& hook) { hooks_.push_back(hook); }
    // Takes out the first entry equal to hook, if there is one.
    void Remove(const TWindowHook& hook);
    // Offers the message to the hooks in the order they were added; true as soon as one
    // handles it.
    bool Offer(TMessage& message) const;
    std::size_t Count() const noexcept { return hooks_.size(); }

  private:
    std::vector<TWindowHook> hooks_;
};
