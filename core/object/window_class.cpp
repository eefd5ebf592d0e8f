#include "object/window_class.h"

#include "object/diagnostics.h"
#include "object/posted_message_guard.h"

#include <atomic>

QFrame* CreatingFrame = nullptr;

int BindingSlotIndex(HWND Window) {
    LONG_PTR extra = GetClassLongPtrA(Window, GCL_CBWNDEXTRA);
    // Without room for a pointer the index would be negative and name a system field.
    return extra >= static_cast<LONG_PTR>(sizeof(void*)) ? static_cast<int>(extra - sizeof(void*))
                                                         : -1;
}

namespace {

// The last binding read on this thread: most messages go to the window the one before went to,
// and reading the slot costs two calls into the window manager. Every binding the library
// writes goes through WriteBinding, which, on any thread, makes every thread's entry stale.
// One thread-local record rather than three variables: MinGW emulates thread-local storage, and
// every variable reached costs a call.
std::atomic<unsigned> BindingWrites{0};
struct LastBinding {
    HWND Window = nullptr;
    QFrame* Frame = nullptr;
    unsigned Writes = 0;
};
thread_local LastBinding LastBound;

} // namespace

QFrame* BoundFrame(HWND Window) {
    unsigned writes = BindingWrites.load(std::memory_order_acquire);
    LastBinding& last = LastBound;
    if (Window && Window == last.Window && writes == last.Writes) return last.Frame;
    int slot = BindingSlotIndex(Window);
    QFrame* frame = slot < 0 ? nullptr : reinterpret_cast<QFrame*>(GetWindowLongPtrA(Window, slot));
    last = {Window, frame, writes};
    return frame;
}

void WriteBinding(HWND Window, QFrame* Frame) {
    int slot = BindingSlotIndex(Window);
    if (slot >= 0) SetWindowLongPtrA(Window, slot, reinterpret_cast<LONG_PTR>(Frame));
    BindingWrites.fetch_add(1, std::memory_order_release);
}

QFrame* FrameOfWindow(HWND Window) {
    if (!IsWindow(Window)) return nullptr;
    QFrame* frame = BoundFrame(Window);
    return IsLiveFrame(frame) ? frame : nullptr;
}

ATOM RegisterSuperclass(const std::string& ClassName, const std::string& ClassAncestor,
                        WNDPROC WndProc) {
    if (ClassName.empty()) return 0;
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    if (!GetClassInfoExA(nullptr, ClassAncestor.c_str(), &record)) return 0;
    record.style |= LibraryClassStyle;
    record.lpszClassName = ClassName.c_str();
    record.hInstance = GetModuleHandleA(nullptr);
    record.lpfnWndProc = WndProc;
    record.cbWndExtra += sizeof(void*);
    return RegisterClassExA(&record);
}

ATOM RegisterOwnClass(const char* ClassName, WNDPROC WndProc, UINT Style, HINSTANCE Instance,
                      HCURSOR Cursor) {
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    record.style = Style;
    record.lpfnWndProc = WndProc;
    record.cbWndExtra = sizeof(void*);
    record.hInstance = Instance;
    record.hCursor = Cursor;
    record.lpszClassName = ClassName;
    return RegisterClassExA(&record);
}

ATOM QFrame::RegisterWindowClass(WNDPROC Proc) {
    WindowClass.cbSize = sizeof WindowClass;
    WindowClass.style = LibraryClassStyle;
    if (!GetClassInfoExA(nullptr, FClassAncestor.c_str(), &WindowClass))
        WindowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    WindowClass.lpszClassName = FClassName.c_str();
    WindowClass.hInstance = GetModuleHandleA(nullptr);
    WindowClass.lpfnWndProc = Proc;
    WindowClass.cbWndExtra += sizeof(void*);
    return RegisterClassExA(&WindowClass);
}

void QFrame::CreateHandle() {
    WindowClass.cbSize = sizeof WindowClass;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), FClassName.c_str(), &WindowClass)) {
        MessageBoxA(FParentHandle, "Can''t find the class.", FClassName.c_str(), MB_TOPMOST);
        return;
    }
    WriteDiagnosticLine(FClassName);
    CreatingFrame = Self();
    // The window procedure binds FHandle at the first message; HasWindow() below says whether
    // a window was made.
    // cppcheck-suppress ignoredReturnValue
    CreateWindowExA(FExStyle, FClassName.c_str(), FText.c_str(),
                    FStyle | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, FLeft, FTop, FWidth, FHeight,
                    FParentHandle, nullptr, GetModuleHandleA(nullptr), nullptr);
    DWORD error = GetLastError();
    // A creation that failed before WM_NCCREATE must not leave other windows' messages captured.
    CreatingFrame = nullptr;
    WriteDiagnosticLine("LastError Was=   " + std::to_string(error));
    if (!HasWindow()) return;
    if (FParent) FParent->Realign();
    EnableWindow(FHandle, FEnabled);
    ShowWindow(FHandle, FVisible ? SW_SHOW : SW_HIDE);
    SetWindowLongPtrA(FHandle, GWLP_ID, FID);
    ShowFont();
    UpdateWindow(FHandle);
}

void QFrame::RecreateHandle() {
    // The new window is like the old one as it is now: text typed into it and moves made by
    // the user or the API are kept. A frame the window procedure made belongs to whichever
    // window it has: it is kept out of the old window's destruction and the new window owns it.
    // When no new window comes it stays, so that no caller's pointer dangles, and the next
    // window made for it owns it.
    WINDOWPLACEMENT placement{};
    bool minMaxed = TakeValuesFromWindow(placement);
    bool owned = OwnedByWindow;
    OwnedByWindow = false;
    DestroyHandle();
    CreateHandle();
    OwnedByWindow = owned;
    // Made over the normal rectangle; the placement gives back the state and that rectangle
    // in the coordinates the system keeps it in.
    if (minMaxed && FVisible && HasWindow()) SetWindowPlacement(FHandle, &placement);
}

void QFrame::DestroyHandle() {
    if (!HasWindow()) return;
    // A frame the window procedure made is deleted with its window, inside DestroyWindow.
    bool goesWithWindow = OwnedByWindow;
    DestroyWindow(FHandle);
    if (!goesWithWindow) FHandle = nullptr;
}

// A drop-down combo box's window is its closed part, but it was made down to the bottom of its
// list, whose own window keeps that place (it is made there, and dropped below the box).
// CB_GETDROPPEDCONTROLRECT would do, but Wine's answers the list's height from the box's top.
int QFrame::DroppedComboHeight() {
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    RECT box{}, list{};
    if (lstrcmpiA(FClassAncestor.c_str(), "ComboBox") != 0 || (FStyle & 3) == CBS_SIMPLE ||
        !GetComboBoxInfo(FHandle, &parts) || !GetWindowRect(FHandle, &box) ||
        !GetWindowRect(parts.hwndList, &list) || list.bottom <= box.bottom)
        return 0;
    return list.bottom - box.top;
}

bool QFrame::TakeValuesFromWindow(WINDOWPLACEMENT& Placement) {
    if (!HasWindow()) return false;
    // Each read refreshes its field.
    Left();
    Top();
    Width();
    Height();
    Text();
    Style();
    ExStyle();
    ID();
    Enabled();
    ParentHandle();
    // The window's own bit: a child of a hidden parent is not visible now but shows with it.
    FVisible = (FStyle & WS_VISIBLE) != 0;
    if (int dropped = DroppedComboHeight()) FHeight = dropped;
    // A minimised or maximised window's rectangle is not the one it is restored to.
    Placement.length = sizeof Placement;
    if (!(IsIconic(FHandle) || IsZoomed(FHandle)) || !GetWindowPlacement(FHandle, &Placement))
        return false;
    const RECT& normal = Placement.rcNormalPosition;
    FLeft = normal.left;
    FTop = normal.top;
    FWidth = normal.right - normal.left;
    FHeight = normal.bottom - normal.top;
    return true;
}

LRESULT RouteToFrame(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                     QFrame* (*MakeFallback)()) {
    // A bound window always reaches its own frame; the creating frame takes only unbound ones.
    QFrame* frame = BoundFrame(Window);
    if (!frame) frame = CreatingFrame;
    QMessage message{Window, Msg, WParam, LParam, 0, frame, 0, 0};
    if (frame) {
        RenewPostedAddressGuard();
        frame->FHandle = Window;
        frame->HandleMessage(message);
        // The handle may name another window once this one is gone.
        if (Msg == WM_NCDESTROY) BindingWrites.fetch_add(1, std::memory_order_release);
        // A callback may have deleted the frame; only a live one is looked at.
        if (Msg == WM_NCDESTROY && IsLiveFrame(frame) && frame->OwnedByWindow) {
            WriteBinding(Window, nullptr);
            frame->FHandle = nullptr;
            delete frame;
        }
        return message.Result;
    }
    frame = MakeFallback();
    if (!frame) return 0;
    if (frame->FClassName.empty()) {
        char name[256];
        frame->FClassName.assign(name, GetClassNameA(Window, name, sizeof name));
    }
    frame->FHandle = Window;
    frame->HandleMessage(message);
    if (BoundFrame(Window) == frame) {
        frame->OwnedByWindow = true;
    } else {
        // Made for a message before WM_NCCREATE: nothing will find this frame again.
        frame->FHandle = nullptr;
        delete frame;
    }
    return message.Result;
}
