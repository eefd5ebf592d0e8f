#include "designer/demo_components.h"

#include "object/window_class.h"

#include <iterator>

namespace {

constexpr uint32_t Red = 0x000000FF;

struct DemoClass {
    const char* Name;
    UINT Style;
    bool ProcessInstance; // otherwise the class is registered with a null instance
    WNDPROC WndProc;
};

const DemoClass DemoClasses[] = {
    {"QBlue", 0, true, &BlueWndProc},
    {"QGreen", 0, true, &FormWndProc},
    {"QRed", 0, true, &FormWndProc},
    {"QDummy", 0, true, &FormWndProc},
    {"QMyFrame", LibraryClassStyle, false, &FormWndProc},
    {"QBox", CS_GLOBALCLASS, false, &FormWndProc},
};

} // namespace

QBox::QBox() {
    FClassName = "QBox";
    FStyle = WS_CHILD;
}

void QBox::CreateHandle() {
    FExStyle = WS_EX_CLIENTEDGE;
    FStyle = WS_CHILD;
    Canvas.SetColor(Red);
    QFrame::CreateHandle();
}

void QBox::HandleMessage(QMessage& Message) {
    QCustomForm::HandleMessage(Message);
    if (Message.Msg == WM_PAINT) {
        Canvas.TextOut(20, 20, FClassName);
        Message.Result = 0;
    }
}

QMyFrame::QMyFrame() {
    SetName("Form1");
    SetText("Form1");
    SetBounds(627, 210, 742, 409);
    SetStyle(WS_CHILD | 0x400);
    SetExStyle(WS_EX_CONTROLPARENT);
    SetAlign(alClient);

    Label1.SetText("Label1");
    Label1.SetAlign(alNone);
    Label1.Canvas.SetColor(GetSysColor(COLOR_BTNFACE));
    Label1.SetName("Label1");
    Label1.SetBounds(104, 24, 241, 89);
    Label1.SetParent(this);
    Label1.Canvas.SetColor(GetSysColor(COLOR_WINDOW));
    Label1.Canvas.SetTextColor(0);

    Button1.SetText("Button1");
    Button1.SetAlign(alNone);
    Button1.Canvas.SetColor(GetSysColor(COLOR_BTNFACE));
    Button1.SetName("Button1");
    Button1.SetBounds(368, 32, 75, 35);
    Button1.SetParent(this);
}

QDummy::QDummy() {
    Canvas.SetColor(Red);
    FStyle = WS_CHILD;
    FClassName = "QDummy";
}

QRed::QRed() {
    FClassName = "QRed";
    FStyle = WS_CHILD;
    Canvas.SetColor(Red);
}

void QRed::HandleMessage(QMessage& Message) {
    QForm::HandleMessage(Message);
    if (Message.Msg == WM_CREATE) {
        FStyle = WS_CHILD;
        Canvas.SetColor(Red);
    }
}

QGreen::QGreen() {
    FClassName = "QGreen";
    FStyle = WS_CHILD;
    Canvas.SetColor(0x0000FF00);
}

QBlue::QBlue() {
    FClassName = "QBlue";
    FStyle = WS_CHILD | WS_BORDER;
    Canvas.SetOwner(this);
    Canvas.SetColor(0x00FF0000);
}

void QBlue::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg == WM_CREATE) Message.Result = 0;
    if (Message.Msg == WM_PAINT) {
        // EndPaint releases the paint's context (the class has no CS_OWNDC): afterwards the
        // canvas holds the frame's own context again, which stays valid between paints.
        HDC held = Canvas.DC();
        PAINTSTRUCT paint;
        Canvas.SetDC(BeginPaint(FHandle, &paint));
        FillRect(Canvas.DC(), &paint.rcPaint, Canvas.Brush());
        EndPaint(FHandle, &paint);
        Canvas.SetDC(held);
        Message.Result = 0;
    }
}

LRESULT CALLBACK BlueWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QBlue>(Window, Msg, WParam, LParam);
}

void RegisterDemoClasses() {
    for (const DemoClass& demo : DemoClasses)
        RegisterOwnClass(demo.Name, demo.WndProc, demo.Style,
                         demo.ProcessInstance ? GetModuleHandleA(nullptr) : nullptr);
}

void UnregisterDemoClasses() {
    for (auto demo = std::rbegin(DemoClasses); demo != std::rend(DemoClasses); ++demo)
        UnregisterClassA(demo->Name, GetModuleHandleA(nullptr));
}
