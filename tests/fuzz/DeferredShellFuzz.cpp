// The shell calls held back while the window is built, fed random sequences of adds, modifies
// and deletes of one icon before and after the release, against a shell that keeps one icon per
// window and number, as the desktop's does. Held, the shell hears nothing; released, it hears at
// most one add, and from then on the calls pass as they come: every answer and the icon the shell
// ends up showing are those of the same calls made straight to the shell.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "trayicon/DeferredShell.h"
#include "trayicon/NotifyIconData.h"

namespace {

// One icon's place in the shell: shown or not, and the record it shows.
struct FakeShell {
    bool shown = false;
    TNotifyIconData record{};
    std::size_t calls = 0;
    std::size_t adds = 0;
    bool refuse = false;

    bool Call(TNotifyIconOperation operation, const TNotifyIconData& data) {
        ++calls;
        if (refuse) {
            return false;
        }
        switch (operation) {
            case nimAdd:
                ++adds;
                if (shown) {
                    return false;
                }
                shown = true;
                record = data;
                return true;
            case nimModify:
                if (shown) {
                    record = data;
                }
                return shown;
            case nimDelete:
                if (!shown) {
                    return false;
                }
                shown = false;
                return true;
        }
        return false;
    }
};

bool SameIcon(const FakeShell& a, const FakeShell& b) {
    return a.shown == b.shown &&
           (!a.shown || std::memcmp(&a.record, &b.record, sizeof a.record) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    FakeShell direct;
    FakeShell behind;
    TDeferredShell deferred(
        [&behind](TNotifyIconOperation operation, const TNotifyIconData& record) {
            return behind.Call(operation, record);
        });
    TNotifyIconData record{};
    record.cbSize = kNotifyIconDataSize;
    record.hWnd = 500;
    record.uID = 7;
    bool released = false;
    for (int steps = 0; steps < 64 && !input.Empty(); ++steps) {
        const std::uint8_t op = input.Byte();
        if (op % 8 == 7) {
            // The window is up: the kept add goes to the shell, if there is one.
            const std::size_t calls = behind.calls;
            const std::size_t adds = behind.adds;
            const bool answer = deferred.Release();
            if (!released) {
                FuzzCheck(behind.calls - calls == behind.adds - adds && behind.adds <= adds + 1,
                          "the release makes at most one add and nothing else");
                FuzzCheck(answer == (direct.shown == behind.shown),
                          "the release reports whether the shell took the kept add");
                if (!answer) {
                    // The shell refused the icon: straight calls would have been refused too.
                    direct.shown = false;
                }
            }
            released = true;
        } else if (op % 8 == 6) {
            // The shell refuses or takes every call from now on (only once released, as the
            // straight shell would have been asked then too).
            if (released) {
                direct.refuse = behind.refuse = !direct.refuse;
            }
        } else {
            const auto operation = static_cast<TNotifyIconOperation>(op % 3);
            record.hIcon = input.Byte();
            record.uFlags = input.Byte() % 8;
            const bool straight = direct.Call(operation, record);
            const bool held = deferred.Call(operation, record);
            FuzzCheck(straight == held, "a call is answered as the shell answers it",
                      [&] { return "operation " + std::to_string(operation); });
            if (!released) {
                FuzzCheck(behind.calls == 0, "the shell hears nothing before the release");
            }
        }
        FuzzCheck(deferred.Released() == released, "the release is remembered");
        if (released) {
            FuzzCheck(SameIcon(direct, behind),
                      "once released, the shell shows what straight calls would have");
        }
    }
    return 0;
}
