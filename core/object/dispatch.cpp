// The message dispatcher of QFrame: turns window messages into events, reflects control
// notifications to the controls, binds a frame to its window and moves the focus with Tab.
#include "object/design_contract.h"
#include "object/diagnostics.h"
#include "object/forms.h"
#include "object/posted_message_guard.h"
#include "object/window_class.h"

QWindowInfo* WindowInfoPtr = nullptr;

namespace {

// The copy of the last record that came by message; never destroyed, as gadget windows may be
// made while static components are destroyed.
QWindowInfo& LastMessageRecord() {
    static auto* record = new QWindowInfo;
    return *record;
}

int LowWord(LPARAM Value) {
    return static_cast<int>(Value & 0xFFFF);
}
int HighWord(LPARAM Value) {
    return static_cast<int>((Value >> 16) & 0xFFFF);
}

// Mouse messages the dispatcher raises no event for; a transparent child swallows them.
bool IsOtherMouseMessage(UINT Msg) {
    return Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK ||
           (Msg >= WM_XBUTTONDOWN && Msg <= WM_XBUTTONDBLCLK);
}

// Reflections go only to windows of this process: a handle from a forged message may name
// another program's window, which would get a meaningless device context or command and
// could keep this thread waiting for its answer.
LRESULT Reflect(HWND Control, UINT Msg, WPARAM WParam, LPARAM LParam) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(Control, &process) || process != GetCurrentProcessId()) return 0;
    return SendMessageA(Control, Msg, WParam, LParam);
}

// True for an address in executable memory of a loaded image: a window procedure itself, not a
// handle that only CallWindowProcA understands (those lie outside the process's memory).
bool IsCodeAddress(const void* Address) {
    MEMORY_BASIC_INFORMATION memory{};
    if (!Address || !VirtualQuery(Address, &memory, sizeof memory)) return false;
    const DWORD executable =
        PAGE_EXECUTE | PAGE_EXECUTE_READ | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    return memory.State == MEM_COMMIT && memory.Type == MEM_IMAGE && (memory.Protect & executable);
}

} // namespace

void QFrame::HandleMessage(QMessage& Message) {
    switch (Message.Msg) {
    case WM_NCCREATE:
        BindToWindow();
        break;
    case WM_CREATE:
        CreatePendingChildren();
        if (OnCreate) OnCreate(this);
        break;
    case WM_DESTROY:
        PaintDC.Release();
        Canvas.SetDC(nullptr);
        if (OnDestroy) OnDestroy(this);
        break;
    case WM_SIZE:
        HandleSize(Message);
        break;
    case WM_SETFOCUS:
        if (FParent) FParent->ActiveControl = Self();
        break;
    case WM_KILLFOCUS:
        if (FParent && FParent->ActiveControl == Self()) FParent->ActiveControl = nullptr;
        break;
    case WM_SETTEXT:
        if (Message.LParam) FText = reinterpret_cast<const char*>(Message.LParam);
        break;
    case WM_PAINT:
        HandlePaint(Message);
        break;
    case WM_CLOSE:
        HandleClose(Message);
        return;
    case WM_ERASEBKGND:
        if (FClassAncestor.empty()) {
            GetClientRect(FHandle, &FClientRect);
            FillRect(reinterpret_cast<HDC>(Message.WParam), &FClientRect, Canvas.Brush());
        }
        break;
    case WM_NEXTDLGCTL:
        HandleFocusRequest(Message);
        break;
    case WM_NCHITTEST:
        if ((FStyle & WS_CHILD) && MouseTransparent) {
            Message.Result = HTTRANSPARENT;
            return;
        }
        break;
    case WM_KEYDOWN:
        if (Message.WParam == VK_TAB && FParent) StepTab();
        if (OnKeyDown) OnKeyDown(this, LowWord(Message.WParam), LowWord(Message.WParam));
        break;
    case WM_KEYUP:
        if (OnKeyUp) OnKeyUp(this, LowWord(Message.WParam), LowWord(Message.WParam));
        break;
    case WM_CHAR:
        if (OnKeyPress) OnKeyPress(this, static_cast<uint8_t>(Message.WParam));
        break;
    case WM_COMMAND:
        ReflectCommand(Message);
        break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        Message.Result = Reflect(reinterpret_cast<HWND>(Message.LParam), QM_CTLCOLOR,
                                 Message.WParam, Message.WParam);
        return;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        Message.Result =
            Reflect(reinterpret_cast<HWND>(Message.LParam), QM_CTLCOLOR, Message.WParam, 0);
        return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
        RaiseMouseEvent(Message);
        break;
    case QM_SETWINDOWINFO:
    case QM_GETWINDOWINFO:
        // The record is an address in the sender's memory: only our own thread's is trusted.
        // Posted ones never get here (GuardPostedAddresses).
        if (InSendMessage()) break;
        HandleWindowInfo(Message);
        break;
    case QM_SETALIGN:
        // The library's own message: no default processing would know it.
        AlignInHolderWindow(Message);
        return;
    case QM_SETVALUE:
        SetValueByName(Message);
        return;
    case WM_GETFONT:
        // A class of the library's own keeps no font for default processing to answer with.
        if (!FClassAncestor.empty()) break;
        Message.Result = reinterpret_cast<LRESULT>(ShownFont());
        return;
    default:
        if (IsOtherMouseMessage(Message.Msg) && (FStyle & WS_CHILD) && MouseTransparent) {
            Message.Result = 1;
            return;
        }
        break;
    }
    DefaultHandler(Message);
}

void QFrame::BindToWindow() {
    char name[256];
    FClassName.assign(name, GetClassNameA(FHandle, name, sizeof name));
    WriteBinding(FHandle, Self());
    FStyle = static_cast<uint32_t>(GetWindowLongPtrA(FHandle, GWL_STYLE));
    FExStyle = static_cast<uint32_t>(GetWindowLongPtrA(FHandle, GWL_EXSTYLE));
    CreatingFrame = nullptr;
    GuardPostedAddresses();
}

void QFrame::CreatePendingChildren() {
    int count = ControlCount();
    for (int i = 0; i < count; ++i) {
        QFrame* child = Controls(i);
        if (child && !IsWindow(child->FHandle)) child->SetParent(Self());
    }
}

void QFrame::HandleSize(QMessage& Message) {
    FClientWidth = LowWord(Message.LParam);
    FClientHeight = HighWord(Message.LParam);
    FClientRect = RECT{0, 0, FClientWidth, FClientHeight};
    // While ScaleFrom resizes it, it places the children itself; without children, the size
    // is the next child's start.
    if (!FScaling && ControlCount() >= 1)
        Realign();
    else
        FLaidOutWidth = FClientWidth, FLaidOutHeight = FClientHeight;
}

void QFrame::HandlePaint(QMessage& Message) {
    // Erase a pending background now: default processing would erase it at BeginPaint, over
    // what the handlers are about to draw.
    if (FClassAncestor.empty()) RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASENOW);
    // The previous context is released first: classes without CS_OWNDC get a new one each time.
    HDC dc = PaintDC.Take(FHandle);
    Canvas.SetDC(dc);
    Message.Extra2 = reinterpret_cast<LONG_PTR>(&dc);
    QFontSelection text(dc, ShownFont());
    Canvas.Paint(Message);
    if (OnPaint) OnPaint(this);
    Message.Extra2 = 0;
}

void QFrame::HandleClose(QMessage& Message) {
    int action = 1;
    QCustomForm* form = dynamic_cast<QCustomForm*>(this);
    if (form && form->OnClose) form->OnClose(this, action);
    switch (action) {
    case 0:
        return;
    case 1:
        // A modal form's close box is its cancel: the loop hides it, the program reads it.
        if (form && form->Modal()) {
            if (form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
            Message.Result = 0;
            return;
        }
        WriteDiagnosticLine("destroy");
        break;
    case 2:
        ShowWindow(FHandle, SW_MINIMIZE);
        Message.Result = 1;
        return;
    case 3:
        ShowWindow(FHandle, SW_SHOWMAXIMIZED);
        Message.Result = 1;
        return;
    }
    Message.Result = 0;
    DefaultHandler(Message);
}

void QFrame::StepTab() {
    NextTabIndex = FParent->IndexOfControl(Self()) + 1;
    if (NextTabIndex > FParent->ControlCount() - 1) NextTabIndex = 0;
    Perform(WM_NEXTDLGCTL, NextTabIndex, reinterpret_cast<LPARAM>(FParent->Controls(NextTabIndex)));
}

void QFrame::HandleFocusRequest(QMessage& Message) {
    // Our own Tab step names a live frame from this thread; any other LParam (a window handle
    // or a flag from elsewhere) is left to default processing and never dereferenced.
    if (InSendMessage() || !IsLiveFrame(reinterpret_cast<void*>(Message.LParam))) return;
    reinterpret_cast<QFrame*>(Message.LParam)->SetFocus();
}

void QFrame::ReflectCommand(QMessage& Message) {
    FID = LowWord(Message.WParam);
    int code = HighWord(Message.WParam);
    HWND control = reinterpret_cast<HWND>(Message.LParam);
    if (control && IsWindow(control)) {
        Reflect(control, QM_COMMAND, FID, code);
        return;
    }
    // The platform's code tells a menu (0) from an accelerator (1); other codes raise neither.
    if (code == 0 && OnMenuCommand) OnMenuCommand(this, FID, code);
    if (code == 1 && OnAccelCommand) OnAccelCommand(this, FID, code);
}

void QFrame::RaiseMouseEvent(QMessage& Message) {
    int x = LowWord(Message.LParam), y = HighWord(Message.LParam);
    int keys = static_cast<int>(Message.WParam & 0xFFFFF);
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(this, x, y, keys);
        break;
    case WM_LBUTTONDOWN:
        if (OnClick) OnClick(this);
        if (OnMouseDown) OnMouseDown(this, 1, x, y, keys);
        break;
    case WM_LBUTTONUP:
        if (OnMouseUp) OnMouseUp(this, 1, x, y, keys);
        break;
    case WM_LBUTTONDBLCLK:
        if (OnDblClick) OnDblClick(this);
        break;
    case WM_RBUTTONDOWN:
        if (OnMouseDown) OnMouseDown(this, 3, x, y, keys);
        break;
    case WM_RBUTTONUP:
        if (OnMouseUp) OnMouseUp(this, 3, x, y, keys);
        break;
    case WM_MBUTTONDOWN:
        if (OnMouseDown) OnMouseDown(this, 2, x, y, keys);
        break;
    case WM_MBUTTONUP:
        if (OnMouseUp) OnMouseUp(this, 2, x, y, keys);
        break;
    case WM_MOUSEWHEEL: {
        auto delta = static_cast<int32_t>(Message.WParam);
        int direction = delta > 0 ? 1 : delta < 0 ? -1 : 0;
        if (OnMouseWheel)
            OnMouseWheel(this, direction, x, y, static_cast<int>(Message.WParam & 0xFFFF));
        break;
    }
    }
}

void QFrame::AlignInHolderWindow(QMessage& Message) {
    if (Message.WParam > alClient) return;
    // A window a designer made by class name has a component in no child list: it joins the
    // holder's, at the end, so that the designer decides the order as a program's creation does.
    QFrame* holder = FrameOfWindow(GetParent(FHandle));
    if (FParent) FParent->RemoveControl(Self());
    FParent = holder;
    if (holder) holder->AddControl(Self());
    if (ParentFont()) ShowFont(); // its holder's, as a program's child takes it when made
    SetAlign(static_cast<int>(Message.WParam));
    Message.Result = 1;
}

void QFrame::SetValueByName(QMessage& Message) {
    // The name is an address in the sender's memory: only our own thread's is read. Posted ones
    // never get here (GuardPostedAddresses). No default processing would know the message.
    if (InSendMessage()) return;
    auto* name = reinterpret_cast<const char*>(Message.WParam);
    if (!SetDesignValue(*this, name, Message.LParam)) return;
    // Some setters only store the value, and a combo box's edit field is a window of its own.
    RedrawWindow(FHandle, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Message.Result = 1;
}

void QFrame::HandleWindowInfo(QMessage& Message) {
    auto* record = reinterpret_cast<QWindowInfo*>(Message.LParam);
    WindowInfoPtr = record;
    if (!record) return;
    if (Message.Msg == QM_SETWINDOWINFO) ApplyWindowInfo(*record);
    if (Message.Msg == QM_GETWINDOWINFO) FillWindowInfo(*record);
    // The sender may free its record as soon as the message returns: later gadget windows are
    // built from a copy of it as it stood then.
    LastMessageRecord() = *record;
    WindowInfoPtr = &LastMessageRecord();
}

void QFrame::ApplyWindowInfo(const QWindowInfo& Info) {
    FClassName = Info.ClassName;
    FClassAncestor = Info.ClassAncestor;
    SetExStyle(Info.ExStyle);
    SetStyle(Info.Style);
    SetWidth(Info.Width);
    SetHeight(Info.Height);
    // A null procedure would leave the window nothing to answer its next message with.
    if (Info.WndProc) SetWndProc(Info.WndProc);
}

void QFrame::FillWindowInfo(QWindowInfo& Info) {
    Info.ClassName = FClassName;
    Info.ClassAncestor = FClassAncestor;
    Info.ExStyle = ExStyle();
    Info.Style = Style();
    Info.Width = Width();
    Info.Height = Height();
    Info.WndProc = WndProc();
}

void QFrame::AnswerColorRequest(QMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Canvas.Color());
    SetTextColor(dc, Canvas.TextColor());
    Message.Result = reinterpret_cast<LRESULT>(Canvas.Brush());
}

void QFrame::DefaultHandler(QMessage& Message) {
    if (FClassAncestor.empty()) {
        Message.Result = DefWindowProcA(FHandle, Message.Msg, Message.WParam, Message.LParam);
        return;
    }
    // The ancestor's procedure is looked up once per ancestor name, not on every message; a
    // class not registered yet is looked up again next time.
    if (!FAncestorProc || FAncestorProcOf != FClassAncestor) {
        WindowClass.cbSize = sizeof WindowClass;
        FAncestorProc = GetClassInfoExA(nullptr, FClassAncestor.c_str(), &WindowClass)
                            ? WindowClass.lpfnWndProc
                            : nullptr;
        FAncestorProcOf = FClassAncestor;
        FAncestorProcIsCode = IsCodeAddress(reinterpret_cast<const void*>(FAncestorProc));
    }
    if (!FAncestorProc) {
        Message.Result = 0;
    } else if (FAncestorProcIsCode) {
        // An ANSI procedure the class gave as its own address: CallWindowProcA would only call
        // it, after work that costs as much as the library's whole dispatch.
        Message.Result = FAncestorProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
    } else {
        // A handle standing for a procedure of the other character set: the platform translates.
        Message.Result =
            CallWindowProcA(FAncestorProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
    }
}
