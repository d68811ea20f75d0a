#include "toolkit/WindowHook.h"

#include <algorithm>

void TWindowHookList::Remove(const TWindowHook& hook) {
    auto found = std::find(hooks_.begin(), hooks_.end(), hook);
    if (found != hooks_.end()) {
        hooks_.erase(found);
    }
}

bool TWindowHookList::Offer(TMessage& message) const {
    // A hook may add or remove hooks while it runs: walk a copy taken before the first call.
    const std::vector<TWindowHook> current = hooks_;
    for (const TWindowHook& hook : current) {
        if (hook(message)) {
            return true;
        }
    }
    return false;
}
