#include "object/frame.h"

#include "object/diagnostics.h"
#include "object/window_class.h"

#include <algorithm>
#include <unordered_set>

namespace {

// Every frame between its constructor and its destructor, so that addresses arriving in
// messages are only used when they name a live frame.
// Never destroyed, so that static frames may be destroyed in any order.
std::unordered_set<const void*>& LiveFrames() {
    static auto* frames = new std::unordered_set<const void*>;
    return *frames;
}

} // namespace

bool IsLiveFrame(const void* Address) {
    return Address && LiveFrames().count(Address) != 0;
}

QFrame::QFrame() {
    LiveFrames().insert(this);
    Canvas.SetOwner(this);
    Canvas.SetColor(GetSysColor(COLOR_WINDOW));
}

QFrame::~QFrame() {
    // A child that the window procedure made is deleted with its window and leaves this list,
    // and callbacks may change the list meanwhile: walk a copy, calling only live children.
    QPtrList<QFrame> children = FControls;
    for (int i = 0; i < children.Count(); ++i)
        if (IsLiveFrame(children.At(i))) children.At(i)->DestroyHandle();
    // Writing ParentHandle moves Parent without moving the frame between child lists, so
    // any live frame may list this one or point at it; none may keep a dangling pointer.
    for (const void* address : LiveFrames()) {
        QFrame* frame = static_cast<QFrame*>(const_cast<void*>(address));
        frame->RemoveControl(this);
        if (frame->FParent == this) frame->FParent = nullptr;
        if (frame->ActiveControl == this) frame->ActiveControl = nullptr;
    }
    // A window that outlives its frame must not route messages to freed memory.
    if (IsWindow(FHandle) && BoundFrame(FHandle) == this) WriteBinding(FHandle, nullptr);
    if (CreatingFrame == this) CreatingFrame = nullptr;
    LiveFrames().erase(this);
}

void QFrame::SetControlDefaults(const char* ClassName, uint32_t Style, uint32_t ExStyle, int Width,
                                int Height, int BackgroundColor) {
    FClassName = ClassName;
    FStyle = Style;
    FExStyle = ExStyle;
    FWidth = Width;
    FHeight = Height;
    Canvas.SetColor(GetSysColor(BackgroundColor));
    Canvas.SetTextColor(0);
}

void QFrame::ReadWindowRect(RECT& Rect) {
    GetWindowRect(FHandle, &Rect);
    // GetParent names the owner of a top-level window, whose position is on the screen.
    if (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD)
        MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&Rect), 2);
}

int QFrame::Left() {
    if (HasWindow()) {
        RECT r;
        ReadWindowRect(r);
        FLeft = r.left;
    }
    return FLeft;
}

int QFrame::Top() {
    if (HasWindow()) {
        RECT r;
        ReadWindowRect(r);
        FTop = r.top;
    }
    return FTop;
}

int QFrame::Width() {
    if (HasWindow()) {
        RECT r;
        ReadWindowRect(r);
        FWidth = r.right - r.left;
    }
    return FWidth;
}

int QFrame::Height() {
    if (HasWindow()) {
        RECT r;
        ReadWindowRect(r);
        FHeight = r.bottom - r.top;
    }
    return FHeight;
}

// Each single write keeps the other three as the window has them now.
void QFrame::SetLeft(int Value) {
    SetBounds(Value, Top(), Width(), Height());
}
void QFrame::SetTop(int Value) {
    SetBounds(Left(), Value, Width(), Height());
}
void QFrame::SetWidth(int Value) {
    SetBounds(Left(), Top(), Value, Height());
}
void QFrame::SetHeight(int Value) {
    SetBounds(Left(), Top(), Width(), Value);
}

void QFrame::SetBounds(int Left, int Top, int Width, int Height) {
    FLeft = Left;
    FTop = Top;
    FWidth = Width;
    FHeight = Height;
    if (HasWindow()) MoveWindow(FHandle, Left, Top, Width, Height, TRUE);
}

void QFrame::SetBoundsRect(const RECT& Bounds) {
    SetBounds(Bounds.left, Bounds.top, Bounds.right, Bounds.bottom);
}

RECT QFrame::ClientRect() {
    if (HasWindow()) GetClientRect(FHandle, &FClientRect);
    return FClientRect;
}

int QFrame::ClientWidth() {
    if (HasWindow()) FClientWidth = ClientRect().right;
    return FClientWidth;
}

int QFrame::ClientHeight() {
    if (HasWindow()) FClientHeight = ClientRect().bottom;
    return FClientHeight;
}

std::string QFrame::Text() {
    if (HasWindow()) {
        std::string text(GetWindowTextLengthA(FHandle) + 1, '\0');
        text.resize(GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size())));
        FText = text;
    }
    return FText;
}

void QFrame::SetText(const std::string& Value) {
    FText = Value;
    if (HasWindow()) SetWindowTextA(FHandle, Value.c_str());
}

uint32_t QFrame::Style() {
    if (HasWindow()) FStyle = static_cast<uint32_t>(GetWindowLongPtrA(FHandle, GWL_STYLE));
    return FStyle;
}

uint32_t QFrame::ExStyle() {
    if (HasWindow()) FExStyle = static_cast<uint32_t>(GetWindowLongPtrA(FHandle, GWL_EXSTYLE));
    return FExStyle;
}

void QFrame::WriteStyleBits(int Index, uint32_t Value) {
    if (!HasWindow()) return;
    auto old = static_cast<uint32_t>(GetWindowLongPtrA(FHandle, Index));
    SetWindowLongPtrA(FHandle, Index, static_cast<LONG>(Value));
    // The platform ignores WS_EX_TOPMOST in SetWindowLong: only the z-order change applies it.
    HWND order = nullptr;
    UINT flags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOZORDER;
    if (Index == GWL_EXSTYLE && ((old ^ Value) & WS_EX_TOPMOST)) {
        order = (Value & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST;
        flags &= ~SWP_NOZORDER;
    }
    SetWindowPos(FHandle, order, 0, 0, 0, 0, flags);
    UpdateWindow(FHandle);
}

void QFrame::SetStyle(uint32_t Value) {
    FStyle = Value;
    WriteStyleBits(GWL_STYLE, Value);
}

void QFrame::SetExStyle(uint32_t Value) {
    FExStyle = Value;
    WriteStyleBits(GWL_EXSTYLE, Value);
}

int QFrame::ID() {
    if (HasWindow()) FID = static_cast<int>(GetWindowLongPtrA(FHandle, GWLP_ID));
    return FID;
}

void QFrame::SetID(int Value) {
    FID = Value;
    if (HasWindow()) SetWindowLongPtrA(FHandle, GWLP_ID, Value);
}

bool QFrame::Enabled() {
    if (HasWindow()) FEnabled = IsWindowEnabled(FHandle) != FALSE;
    return FEnabled;
}

void QFrame::SetEnabled(bool Value) {
    FEnabled = Value;
    if (HasWindow()) EnableWindow(FHandle, Value);
}

bool QFrame::Visible() {
    if (HasWindow()) FVisible = IsWindowVisible(FHandle) != FALSE;
    return FVisible;
}

void QFrame::SetVisible(bool Value) {
    FVisible = Value;
    if (HasWindow()) ShowWindow(FHandle, Value ? SW_SHOW : SW_HIDE);
}

bool QFrame::TabStop() {
    if (HasWindow()) FTabStop = (Style() & WS_TABSTOP) != 0;
    return FTabStop;
}

bool QFrame::Group() {
    if (HasWindow()) FGroup = (Style() & WS_GROUP) != 0;
    return FGroup;
}

void QFrame::SetStyleBit(uint32_t Bit, bool On) {
    // Start from the window's style: the stored one lacks WS_VISIBLE, which ShowWindow set.
    uint32_t style = Style();
    FStyle = On ? style | Bit : style & ~Bit;
    if (HasWindow()) SetWindowLongPtrA(FHandle, GWL_STYLE, static_cast<LONG>(FStyle));
}

void QFrame::SetTabStop(bool Value) {
    FTabStop = Value;
    SetStyleBit(WS_TABSTOP, Value);
}

void QFrame::SetGroup(bool Value) {
    FGroup = Value;
    SetStyleBit(WS_GROUP, Value);
}

void QFrame::SetBackMode(int Value) {
    FBackMode = Value > 2 ? 0 : Value;
    if (FBackMode == 2 && HasWindow()) SetExStyle(ExStyle() | WS_EX_TRANSPARENT);
}

WNDPROC QFrame::WndProc() {
    if (HasWindow()) {
        FWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FHandle, GWLP_WNDPROC));
    } else {
        WNDCLASSEXA info{};
        info.cbSize = sizeof info;
        if (GetClassInfoExA(GetModuleHandleA(nullptr), FClassName.c_str(), &info))
            FWndProc = info.lpfnWndProc;
    }
    return FWndProc;
}

void QFrame::SetWndProc(WNDPROC Value) {
    // A stale Handle may name someone else's window now: only a live one is subclassed.
    WNDPROC current =
        HasWindow() ? reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FHandle, GWLP_WNDPROC)) : nullptr;
    if (Value == current) return;
    FWndProc = Value;
    PrevWndProc = HasWindow() ? reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
                                    FHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Value)))
                              : nullptr;
}

void QFrame::SetAlign(int Value) {
    FAlign = Value;
    if (!FParent) return;
    FParent->Realign();
    FParent->Refresh();
}

void QFrame::InsertControl(QFrame* Control) {
    AddControl(Control);
    if (Control && Control->FParent) Control->FParent->Realign();
}

QFrame* QFrame::Parent() {
    if (HasWindow())
        if (QFrame* bound = FrameOfWindow(FHandle)) FParent = bound->FParent;
    return FParent;
}

void QFrame::SetParent(QFrame* Value) {
    if (FParent) FParentHandle = FParent->FHandle;
    QFrame* old = FParent;
    FParent = Value;
    if (Value) FParentHandle = Value->FHandle;
    if (HasWindow()) {
        ::SetParent(FHandle, FParentHandle);
        if (old) old->RemoveControl(Self());
        if (Value) Value->AddControl(Self());
        if (ParentFont()) ShowFont(); // the new holder's
        return;
    }
    if (Value) Value->AddControl(Self());
    CreateHandle();
}

HWND QFrame::ParentHandle() {
    if (HasWindow()) {
        FParentHandle = GetParent(FHandle);
        if (QFrame* parent = FrameOfWindow(FParentHandle)) FParent = parent->Self();
    }
    return FParentHandle;
}

void QFrame::SetParentHandle(HWND Value) {
    FParentHandle = Value;
    if (QFrame* parent = FrameOfWindow(Value)) FParent = parent->Self();
    if (HasWindow()) ::SetParent(FHandle, Value);
}

namespace {

// One side of an anchored place, Low to High, in a holder that grew by Grown and whose middle
// moved by Middle.
void FollowEdges(LONG& Low, LONG& High, bool ToLow, bool ToHigh, int Grown, int Middle) {
    if (ToLow && ToHigh) {
        High += Grown;
    } else if (ToHigh) {
        Low += Grown, High += Grown;
    } else if (!ToLow) {
        Low += Middle, High += Middle;
    }
}

} // namespace

void QFrame::FollowAnchors(int Width, int Height) {
    int oldWidth = FLaidOutWidth < 0 ? Width : FLaidOutWidth;
    int oldHeight = FLaidOutHeight < 0 ? Height : FLaidOutHeight;
    FLaidOutWidth = Width, FLaidOutHeight = Height;
    if (Width == oldWidth && Height == oldHeight) return;
    for (int i = 0; i < ControlCount(); ++i) {
        QFrame* child = Controls(i);
        if (child->FAlign != alNone || child->FAnchors == akLeftTop) continue;
        int left = child->Left(), top = child->Top();
        RECT now = {left, top, left + child->Width(), top + child->Height()};
        RECT place = child->FAnchoredPlace, cut = place;
        cut.right = std::max(cut.left, cut.right), cut.bottom = std::max(cut.top, cut.bottom);
        // Moved or sized since (by the program or the user), it is anchored where it is now.
        if (!child->FAnchoredPlaceKept || !EqualRect(&cut, &now)) place = now;
        // Halves of each size, so that the middle's moves add up to the whole change.
        FollowEdges(place.left, place.right, child->FAnchors & akLeft, child->FAnchors & akRight,
                    Width - oldWidth, Width / 2 - oldWidth / 2);
        FollowEdges(place.top, place.bottom, child->FAnchors & akTop, child->FAnchors & akBottom,
                    Height - oldHeight, Height / 2 - oldHeight / 2);
        child->FAnchoredPlace = place;
        child->FAnchoredPlaceKept = true;
        child->SetBounds(place.left, place.top, std::max(0L, place.right - place.left),
                         std::max(0L, place.bottom - place.top));
    }
}

QFont QFrame::Font() {
    if (FOwnFont) return FFont;
    return FParent ? FParent->Font() : QFont();
}

void QFrame::SetFont(const QFont& Value) {
    FFont = Value;
    FOwnFont = true;
    ShowFont();
}

void QFrame::SetParentFont(bool Value) {
    FOwnFont = !Value;
    ShowFont();
}

void QFrame::ShowFont() {
    QFont shown = Font();
    if (!shown.IsSet() && !FFontShown.Get()) return;
    QFontHandle next(shown, PixelsPerInch());
    // The window takes the new font before the old one may go with its last user.
    if (HasWindow()) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(next.Get()), TRUE);
    FFontShown = std::move(next);
    for (int i = 0; i < ControlCount(); ++i)
        if (QFrame* child = Controls(i); child && child->ParentFont()) child->ShowFont();
}

void QFrame::Realign() {
    if (ControlCount() == 0) return;
    int w = ClientWidth(), h = ClientHeight(), l = 0, t = 0;
    FollowAnchors(w, h);
    std::vector<QFrame*> bands[alClient + 1];
    for (int i = 0; i < ControlCount(); ++i) {
        QFrame* child = Controls(i);
        int align = child->Align();
        if (align >= alLeft && align <= alClient) bands[align].push_back(child);
    }
    for (QFrame* child : bands[alTop]) {
        if (!child->FVisible) continue;
        int height = child->Height();
        t += height;
        // AlignOptions[0] indents a top child by its own Left; the other options are unused.
        int x = child->AlignOptions[0] ? child->Left() : 0;
        child->SetBounds(x, t - height, w - x, height);
    }
    for (QFrame* child : bands[alBottom]) {
        if (!child->FVisible) continue;
        h -= child->Height();
        child->SetBounds(0, h, w, child->Height());
    }
    for (QFrame* child : bands[alLeft]) {
        if (!child->FVisible) continue;
        int width = child->Width();
        l += width;
        child->SetBounds(l - width, t, width, h - t);
    }
    for (QFrame* child : bands[alRight]) {
        if (!child->FVisible) continue;
        int width = child->Width();
        w -= width;
        WriteDiagnosticLine(child->FClassName + " " + std::to_string(w) + " " +
                            std::to_string(width));
        child->SetBounds(w, t, width, h - t);
    }
    for (QFrame* child : bands[alClient])
        if (child->FVisible) child->SetBounds(l, t, w - l, h - t);
}

LRESULT QFrame::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
    return SendMessageA(FHandle, Msg, WParam, LParam);
}

void QFrame::BringToFront() {
    if (!HasWindow()) return;
    // Remember how many siblings were above the window, so RestoreZOrder can put it back.
    ZOrderIndex = 0;
    for (HWND above = GetWindow(FHandle, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV))
        ++ZOrderIndex;
    BringWindowToTop(FHandle);
}

void QFrame::RestoreZOrder() {
    if (!HasWindow()) return;
    HWND after = HWND_TOP;
    int skipped = 0;
    for (HWND sibling = GetWindow(FHandle, GW_HWNDFIRST); sibling && skipped < ZOrderIndex;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == FHandle) continue;
        after = sibling;
        ++skipped;
    }
    SetWindowPos(FHandle, after, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void QFrame::SetFocus() {
    if (HasWindow()) ::SetFocus(FHandle);
}

void QFrame::KillFocus() {
    if (HasWindow()) Perform(WM_KILLFOCUS, 0, 0);
}

void QFrame::Invalidate() {
    if (HasWindow()) InvalidateRect(FHandle, nullptr, FALSE);
}

void QFrame::Refresh() {
    if (HasWindow()) RedrawWindow(FHandle, nullptr, nullptr, RDW_INTERNALPAINT);
}

void QFrame::Repaint() {
    if (HasWindow()) RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
}

void QFrame::ClientToScreen(POINT& Point) {
    if (HasWindow()) ::ClientToScreen(FHandle, &Point);
}

void QFrame::ScreenToClient(POINT& Point) {
    if (HasWindow()) ::ScreenToClient(FHandle, &Point);
}

void QFrame::Click() {
    if (OnClick) OnClick(this);
}
