#include "selection_frame.h"

#include <algorithm>

namespace {

constexpr int HandleSize = 7;
const char PartClass[] = "VelmoraSelectionPart", LineClass[] = "VelmoraSnapLine",
           NumberClass[] = "VelmoraTabNumber";

void RegisterPartClass(const char* Name, HBRUSH Colour, WNDPROC Procedure = DefWindowProcA) {
    WNDCLASSEXA part{};
    part.cbSize = sizeof part;
    part.lpfnWndProc = Procedure;
    part.hInstance = GetModuleHandleA(nullptr);
    part.hCursor = LoadCursorA(nullptr, IDC_SIZEALL);
    part.hbrBackground = Colour;
    part.lpszClassName = Name;
    RegisterClassExA(&part);
}

HWND CreatePart(HWND Surface, const char* ClassName = PartClass) {
    return CreateWindowExA(0, ClassName, "", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 1, 1, Surface,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Raise puts it above every sibling; one shown already stays where it is in the z-order, above
// the components, since the windows made after it go under it.
void PlaceOnTop(HWND Part, const RECT& At, bool Raise = true) {
    SetWindowPos(Part, HWND_TOP, At.left, At.top, At.right - At.left, At.bottom - At.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE | (Raise ? 0 : SWP_NOZORDER));
}

// Shows Count parts of the class ClassName, making those missing and hiding the others; Place
// puts part i where it goes.
template <class Placing>
void ShowParts(std::vector<HWND>& Parts, size_t Count, HWND Surface, const char* ClassName,
               Placing Place) {
    while (Parts.size() < Count)
        Parts.push_back(CreatePart(Surface, ClassName));
    for (size_t i = 0; i < Parts.size(); ++i)
        if (i < Count)
            Place(Parts[i], i);
        else
            ShowWindow(Parts[i], SW_HIDE);
}

} // namespace

void SelectionFrame::Create(HWND Surface) {
    RegisterPartClass(PartClass, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    for (HWND& handle : Handles)
        handle = CreatePart(Surface);
    for (HWND& edge : Edges)
        edge = CreatePart(Surface);
}

RECT SelectionFrame::HandleRect(const RECT& Bounds, int Index) {
    const int xs[] = {Bounds.left, (Bounds.left + Bounds.right) / 2, Bounds.right};
    const int ys[] = {Bounds.top, (Bounds.top + Bounds.bottom) / 2, Bounds.bottom};
    // Column and row of each handle, clockwise from the top left.
    const int column[] = {0, 1, 2, 2, 2, 1, 0, 0};
    const int row[] = {0, 0, 0, 1, 2, 2, 2, 1};
    int x = xs[column[Index]] - HandleSize / 2, y = ys[row[Index]] - HandleSize / 2;
    return {x, y, x + HandleSize, y + HandleSize};
}

void SelectionFrame::Show(const RECT& Bounds, bool WithHandles) {
    // A large form has hundreds of windows under the frame: what is where it was stays.
    if (Shown && EqualRect(&Framed, &Bounds) && HandlesShown == WithHandles) return;
    bool raise = !Shown;
    Shown = true;
    Framed = Bounds;
    HandlesShown = WithHandles;
    const RECT edges[] = {{Bounds.left - 1, Bounds.top - 1, Bounds.right + 1, Bounds.top},
                          {Bounds.right, Bounds.top - 1, Bounds.right + 1, Bounds.bottom + 1},
                          {Bounds.left - 1, Bounds.bottom, Bounds.right + 1, Bounds.bottom + 1},
                          {Bounds.left - 1, Bounds.top - 1, Bounds.left, Bounds.bottom + 1}};
    for (int i = 0; i < 4; ++i)
        PlaceOnTop(Edges[i], edges[i], raise);
    for (int i = 0; i < 8; ++i)
        if (WithHandles)
            PlaceOnTop(Handles[i], HandleRect(Bounds, i), raise);
        else
            ShowWindow(Handles[i], SW_HIDE);
}

void SelectionFrame::Hide() {
    if (!Shown) return;
    Shown = HandlesShown = false;
    for (HWND part : Handles)
        ShowWindow(part, SW_HIDE);
    for (HWND part : Edges)
        ShowWindow(part, SW_HIDE);
}

SelectionFrame::Handle SelectionFrame::HandleAt(POINT Point) const {
    if (!HandlesShown) return None;
    for (int i = 0; i < 8; ++i) {
        RECT r = HandleRect(Framed, i);
        InflateRect(&r, 1, 1); // a little grace around the small squares
        if (PtInRect(&r, Point)) return static_cast<Handle>(i);
    }
    return None;
}

RECT SelectionFrame::Resized(const RECT& Bounds, Handle WhichHandle, int DX, int DY) {
    RECT r = Bounds;
    if (WhichHandle == TopLeft || WhichHandle == Left || WhichHandle == BottomLeft)
        r.left = std::min<LONG>(r.left + DX, r.right - 1);
    if (WhichHandle == TopRight || WhichHandle == Right || WhichHandle == BottomRight)
        r.right = std::max<LONG>(r.right + DX, r.left + 1);
    if (WhichHandle == TopLeft || WhichHandle == Top || WhichHandle == TopRight)
        r.top = std::min<LONG>(r.top + DY, r.bottom - 1);
    if (WhichHandle == BottomLeft || WhichHandle == Bottom || WhichHandle == BottomRight)
        r.bottom = std::max<LONG>(r.bottom + DY, r.top + 1);
    return r;
}

unsigned SelectionFrame::EdgesOf(Handle WhichHandle) {
    // Clockwise from the top left, as the handles.
    const unsigned edges[] = {SnapLeft | SnapTop,     SnapTop,    SnapTop | SnapRight,   SnapRight,
                              SnapRight | SnapBottom, SnapBottom, SnapBottom | SnapLeft, SnapLeft};
    return WhichHandle == None ? 0 : edges[WhichHandle];
}

void GuideLines::Create(HWND On) {
    Surface = On;
    RegisterPartClass(LineClass, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void GuideLines::Show(const std::vector<SnapLine>& Lines) {
    ShowParts(Parts, Lines.size(), Surface, LineClass, [&](HWND Part, size_t I) {
        const SnapLine& line = Lines[I];
        PlaceOnTop(Part, line.Vertical ? RECT{line.At, line.From, line.At + 1, line.To}
                                       : RECT{line.From, line.At, line.To, line.At + 1});
    });
}

void TabNumbers::Create(HWND On) {
    Surface = On;
    RegisterPartClass(NumberClass, GetSysColorBrush(COLOR_HIGHLIGHT), PaintNumber);
}

LRESULT CALLBACK TabNumbers::PaintNumber(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg != WM_PAINT) return DefWindowProcA(Window, Msg, WParam, LParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Window, &paint);
    char text[16] = "";
    GetWindowTextA(Window, text, sizeof text);
    RECT client;
    GetClientRect(Window, &client);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawTextA(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, old);
    EndPaint(Window, &paint);
    return 0;
}

void TabNumbers::Show(const std::vector<std::pair<POINT, std::string>>& Numbers) {
    ShowParts(Parts, Numbers.size(), Surface, NumberClass, [&](HWND Part, size_t I) {
        const auto& [at, text] = Numbers[I];
        SetWindowTextA(Part, text.c_str());
        PlaceOnTop(Part, {at.x, at.y, at.x + Width(text), at.y + 15});
        InvalidateRect(Part, nullptr, TRUE);
    });
}
