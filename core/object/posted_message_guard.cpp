#include "object/posted_message_guard.h"

#include "containers/bar_addresses.h"
#include "object/window_class.h"

#include <atomic>
#include <mutex>
#include <vector>

namespace {

// A bar message carrying an address, to a library window whose control is a tool or status bar.
bool IsBarAddressToLibraryWindow(const MSG& Message) {
    if (!MayCarryBarAddress(Message.message)) return false;
    QFrame* frame = FrameOfWindow(Message.hwnd);
    return frame && CarriesBarAddress(frame->ClassAncestor().c_str(), Message.message);
}

// A queued message carrying an address nobody on this thread vouched for (QM_SETVALUE's is its
// WParam, the others' their LParam). Notifications are only ever sent, so a queued one was
// forged; a library control hands it to its system class, which would read it. Other windows'
// notifications are their program's business.
bool IsForgedAddress(const MSG& Message) {
    return Message.message == QM_SETWINDOWINFO || Message.message == QM_GETWINDOWINFO ||
           Message.message == QM_SETVALUE ||
           (Message.message == WM_NOTIFY && FrameOfWindow(Message.hwnd)) ||
           IsBarAddressToLibraryWindow(Message);
}

// A WH_GETMESSAGE hook sees every message a loop of its thread takes from the queue, whatever
// loop it is (Run, a program's own, a message box's), before it is dispatched; sent messages
// never pass through it. WM_NULL does nothing, whatever its parameters: no procedure reads them.
LRESULT CALLBACK NeutraliseForgedAddress(int Code, WPARAM WParam, LPARAM LParam) {
    auto* message = reinterpret_cast<MSG*>(LParam);
    if (Code == HC_ACTION && IsForgedAddress(*message)) message->message = WM_NULL;
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

// The hooks of every thread, so that stopping the library removes them all. Never destroyed,
// as windows may be bound while static components are destroyed.
std::mutex& GuardsLock() {
    static auto* lock = new std::mutex;
    return *lock;
}
std::vector<HHOOK>& Guards() {
    static auto* hooks = new std::vector<HHOOK>;
    return *hooks;
}

// Counts removals: a thread guarded before the last one is guarded again. A thread's hook goes
// with the thread; its entry is only a handle the system no longer knows.
std::atomic<unsigned> Removals{0};
thread_local unsigned GuardedAfterRemovals = ~0u;
// Set by a start after a removal: until the next removal, each thread is guarded again at its
// next message to a library window. Never set in a library that was not stopped, so that the
// dispatcher's check is one load.
std::atomic<bool> RenewAtMessages{false};

} // namespace

void GuardPostedAddresses() {
    unsigned removals = Removals.load();
    if (GuardedAfterRemovals == removals) return;
    HHOOK hook =
        SetWindowsHookExA(WH_GETMESSAGE, &NeutraliseForgedAddress, nullptr, GetCurrentThreadId());
    if (!hook) return;
    std::lock_guard<std::mutex> hold(GuardsLock());
    // A removal that ran meanwhile (a stop while this thread renews its guard) never saw it.
    if (Removals.load() != removals) {
        UnhookWindowsHookEx(hook);
        return;
    }
    GuardedAfterRemovals = removals;
    Guards().push_back(hook);
}

void ResumePostedAddressGuards() {
    if (Removals.load() != 0) RenewAtMessages = true;
    GuardPostedAddresses();
}

void RenewPostedAddressGuard() {
    if (RenewAtMessages.load(std::memory_order_relaxed)) GuardPostedAddresses();
}

void RemovePostedAddressGuards() {
    RenewAtMessages = false;
    std::lock_guard<std::mutex> hold(GuardsLock());
    for (HHOOK hook : Guards())
        UnhookWindowsHookEx(hook);
    Guards().clear();
    ++Removals;
}
