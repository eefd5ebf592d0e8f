#include "containers/canvas.h"
#include "containers/code_page.h"

#include "object/frame.h"

void QCustomCanvas::SetOwner(QFrame* Value) {
    FOwner = Value;
    RedrawOwner();
}

void QCustomCanvas::RedrawOwner() const {
    if (!FOwner || !IsWindow(FOwner->Handle())) return;
    RedrawWindow(FOwner->Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
    UpdateWindow(FOwner->Handle());
}

void QCanvas::Paint(QMessage&) {
    SetBkColor(FDC, FColor);
    ::SetTextColor(FDC, FTextColor);
    SetBkMode(FDC, OPAQUE);
    // A read of Color takes the context's DC-brush colour: it starts as the canvas's own, so
    // that only drawing code setting another changes the answer, never the context's default.
    SetDCBrushColor(FDC, FColor);
    if (OnDraw) OnDraw(FOwner);
}

// The A function reads the bytes in the code page of the selected font's character set, a
// single-byte one for the usual fonts; text of a multi-byte code page is drawn as that page
// spells it.
BOOL QCanvas::TextOut(int X, int Y, const std::string& Text) {
    if (!MultiByteCodePage())
        return TextOutA(FDC, X, Y, Text.data(), static_cast<int>(Text.size()));
    std::wstring wide = WideOf(Text);
    return TextOutW(FDC, X, Y, wide.data(), static_cast<int>(wide.size()));
}

BOOL QCanvas::MoveTo(int X, int Y) {
    return MoveToEx(FDC, X, Y, nullptr);
}

BOOL QCanvas::LineTo(int X, int Y) {
    return ::LineTo(FDC, X, Y);
}

BOOL QCanvas::Line(int X1, int Y1, int X2, int Y2) {
    MoveToEx(FDC, X1, Y1, nullptr);
    return ::LineTo(FDC, X2, Y2);
}

BOOL QCanvas::Ellipse(int Left, int Top, int Right, int Bottom) {
    return ::Ellipse(FDC, Left, Top, Right, Bottom);
}

BOOL QCanvas::Rectangle(int Left, int Top, int Right, int Bottom) {
    return ::Rectangle(FDC, Left, Top, Right, Bottom);
}

BOOL QCanvas::Rectangle(const RECT* R) {
    return ::Rectangle(FDC, R->left, R->top, R->right, R->bottom);
}

uint32_t QCanvas::Color() {
    if (FDC) FColor = GetDCBrushColor(FDC);
    return FColor;
}

void QCanvas::StoreColor(uint32_t Value) {
    FColor = Value;
    if (FDC) SetDCBrushColor(FDC, Value);
}

void QCanvas::SetColor(uint32_t Value) {
    StoreColor(Value);
    FBrush.Reset(CreateSolidBrush(Value));
    RedrawOwner();
}

// The brush is described before the old one goes: Value may be the canvas's own.
void QCanvas::SetBrush(HBRUSH Value) {
    LOGBRUSH description;
    bool described = GetObjectA(Value, sizeof description, &description) != 0;
    FBrush.Reset(described ? CreateBrushIndirect(&description) : nullptr);
    if (!described) return;
    StoreColor(description.lbColor);
    RedrawOwner();
}

void QCanvas::SetTextColor(uint32_t Value) {
    FTextColor = Value;
    RedrawOwner();
}
