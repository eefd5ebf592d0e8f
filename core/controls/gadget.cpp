#include "controls/gadget.h"
#include "object/window_class.h"

QGadget::QGadget(const QWindowInfo* Info) {
    if (Info) {
        FClassName = Info->ClassName;
        FClassAncestor = Info->ClassAncestor;
        // A second gadget of the same class fails to register it again; the class exists.
        RegisterWindowClass(Info->WndProc);
        FStyle = Info->Style;
        FExStyle = Info->ExStyle;
        FWidth = Info->Width;
        FHeight = Info->Height;
    }
    Canvas.SetOwner(this);
    Canvas.SetColor(GetSysColor(COLOR_BTNFACE));
    Canvas.SetTextColor(0);
}

void QGadget::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg == QM_CTLCOLOR) {
        WNDCLASSEXA ancestor{};
        ancestor.cbSize = sizeof ancestor;
        bool known = GetClassInfoExA(nullptr, FClassAncestor.c_str(), &ancestor) ||
                     GetClassInfoExA(GetModuleHandleA(nullptr), FClassAncestor.c_str(), &ancestor);
        if (known)
            AnswerColorRequest(Message);
        else
            Message.Result = 0;
    }
    if (Message.Msg == WM_ERASEBKGND) {
        GetClientRect(FHandle, &FClientRect);
        FillRect(reinterpret_cast<HDC>(Message.WParam), &FClientRect, Canvas.Brush());
        Message.Result = reinterpret_cast<LRESULT>(Canvas.Brush());
    }
}

namespace {

QFrame* MakeGadgetFromLastRecord() {
    return new (std::nothrow) QGadget(WindowInfoPtr);
}

} // namespace

LRESULT CALLBACK GadgetWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return RouteToFrame(Window, Msg, WParam, LParam, &MakeGadgetFromLastRecord);
}

WNDPROC GetGadgetWndProc() {
    return &GadgetWndProc;
}
