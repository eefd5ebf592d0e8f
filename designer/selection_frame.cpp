#include "selection_frame.h"

#include <algorithm>

namespace {

constexpr int HandleSize = 7;
const char PartClass[] = "VelmoraSelectionPart", LineClass[] = "VelmoraSnapLine";

void RegisterPartClass(const char* Name, HBRUSH Colour) {
    WNDCLASSEXA part{};
    part.cbSize = sizeof part;
    part.lpfnWndProc = DefWindowProcA;
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

void PlaceOnTop(HWND Part, const RECT& At) {
    SetWindowPos(Part, HWND_TOP, At.left, At.top, At.right - At.left, At.bottom - At.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
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
    Framed = Bounds;
    HandlesShown = WithHandles;
    const RECT edges[] = {{Bounds.left - 1, Bounds.top - 1, Bounds.right + 1, Bounds.top},
                          {Bounds.right, Bounds.top - 1, Bounds.right + 1, Bounds.bottom + 1},
                          {Bounds.left - 1, Bounds.bottom, Bounds.right + 1, Bounds.bottom + 1},
                          {Bounds.left - 1, Bounds.top - 1, Bounds.left, Bounds.bottom + 1}};
    for (int i = 0; i < 4; ++i)
        PlaceOnTop(Edges[i], edges[i]);
    for (int i = 0; i < 8; ++i)
        if (WithHandles)
            PlaceOnTop(Handles[i], HandleRect(Bounds, i));
        else
            ShowWindow(Handles[i], SW_HIDE);
}

void SelectionFrame::Hide() {
    HandlesShown = false;
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
    while (Parts.size() < Lines.size())
        Parts.push_back(CreatePart(Surface, LineClass));
    for (size_t i = 0; i < Parts.size(); ++i) {
        if (i >= Lines.size()) {
            ShowWindow(Parts[i], SW_HIDE);
            continue;
        }
        const SnapLine& line = Lines[i];
        PlaceOnTop(Parts[i], line.Vertical ? RECT{line.At, line.From, line.At + 1, line.To}
                                           : RECT{line.From, line.At, line.To, line.At + 1});
    }
}
