#pragma once
// Handlers bound by name. A layout names the handler of each event; the window registers its
// methods under those names; binding an event to a name nobody registered, or to a handler of
// another event's shape, is an error while the layout is loaded, never a silent no-op.

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "base/Exception.h"

template <class... Handlers>
class THandlerTable {
  public:
    using Handler = std::variant<Handlers...>;

    // `name` must outlive the table (the names are the layout's own literals).
    void Register(std::string_view name, Handler handler) {
        entries_.emplace_back(name, std::move(handler));
    }

    // The handler registered under `name`, as the event's handler type. Raises Exception when no
    // handler has that name or the one that has it does not fit the event.
    template <class Wanted>
    const Wanted& Find(std::string_view name) const {
        for (const auto& [entryName, handler] : entries_) {
            if (entryName != name)
                continue;
            if (const auto* fitting = std::get_if<Wanted>(&handler))
                return *fitting;
            throw Exception("The handler " + std::string(name) + " does not fit its event");
        }
        throw Exception("The layout binds the missing handler " + std::string(name));
    }

  private:
    std::vector<std::pair<std::string_view, Handler>> entries_;
};
