#include "design_surface.h"

#include "class_defaults.h"
#include "component_window.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// A press and release closer than this places the class's default size instead of a drawn
// rectangle.
constexpr int DrawThreshold = 4;
constexpr int FirstId = 1001;

bool IsMouseMessage(UINT Msg) {
    return (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST) ||
           (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCXBUTTONDBLCLK);
}

bool IsKeyMessage(UINT Msg) {
    return Msg >= WM_KEYFIRST && Msg <= WM_KEYLAST;
}

RECT Normalized(POINT A, POINT B) {
    return {std::min(A.x, B.x), std::min(A.y, B.y), std::max(A.x, B.x), std::max(A.y, B.y)};
}

} // namespace

bool DesignSurface::Create(HWND Host, const CoreLibrary& Library, const RECT& Bounds) {
    Core = &Library;
    // Created by class name like every component, so the library gives it a form of its own
    // and reflects the components' notifications and colour requests as in a real program.
    Surface = CreateWindowExA(WS_EX_CLIENTEDGE, "QForm", "",
                              WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, Bounds.left, Bounds.top,
                              Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Host, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    if (!Surface) return false;
    Frame.Create(Surface);
    return true;
}

bool DesignSurface::TakeInput(const MSG& Message) {
    if (!Surface || (Message.hwnd != Surface && !IsChild(Surface, Message.hwnd))) return false;
    if (IsKeyMessage(Message.message)) {
        if (Message.message == WM_KEYDOWN) KeyDown(Message.wParam);
        return true;
    }
    if (!IsMouseMessage(Message.message)) return false;
    POINT point = {GET_X_LPARAM(Message.lParam), GET_Y_LPARAM(Message.lParam)};
    if (Message.message >= WM_NCMOUSEMOVE && Message.message <= WM_NCXBUTTONDBLCLK)
        ScreenToClient(Surface, &point);
    else
        MapWindowPoints(Message.hwnd, Surface, &point, 1);
    switch (Message.message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        MouseDown(point);
        break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        MouseMove(point);
        break;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        MouseUp(point);
        break;
    }
    return true;
}

void DesignSurface::MouseDown(POINT Point) {
    SetFocus(Surface);
    SetCapture(Surface);
    DragStart = Point;
    if (!Tool.empty()) {
        Dragging = Drag::Placing;
        return;
    }
    Grabbed = Selected ? Frame.HandleAt(Point) : SelectionFrame::None;
    if (Grabbed != SelectionFrame::None) {
        Dragging = Drag::Resizing;
    } else {
        Select(ComponentAt(Point));
        Dragging = Selected ? Drag::Moving : Drag::None;
    }
    if (Selected) StartBounds = BoundsOf(Selected);
}

void DesignSurface::MouseMove(POINT Point) {
    int dx = Point.x - DragStart.x, dy = Point.y - DragStart.y;
    RECT r = StartBounds;
    if (Dragging == Drag::Moving)
        OffsetRect(&r, dx, dy);
    else if (Dragging == Drag::Resizing)
        r = SelectionFrame::Resized(StartBounds, Grabbed, dx, dy);
    else
        return;
    MoveWindow(Selected, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    SelectionChanged();
}

void DesignSurface::MouseUp(POINT Point) {
    ReleaseCapture();
    if (Dragging == Drag::Placing) {
        RECT drawn = Normalized(DragStart, Point);
        bool wasDrawn =
            drawn.right - drawn.left >= DrawThreshold && drawn.bottom - drawn.top >= DrawThreshold;
        std::string placed = Tool;
        Tool.clear();
        Place(placed, DragStart, wasDrawn ? &drawn : nullptr);
        if (OnToolUsed) OnToolUsed();
    } else {
        MouseMove(Point);
    }
    Dragging = Drag::None;
}

void DesignSurface::KeyDown(WPARAM Key) {
    bool sizing = GetKeyState(VK_SHIFT) < 0;
    int dx = Key == VK_LEFT ? -1 : Key == VK_RIGHT ? 1 : 0;
    int dy = Key == VK_UP ? -1 : Key == VK_DOWN ? 1 : 0;
    if (dx || dy) {
        if (sizing)
            NudgeSelection(0, 0, dx, dy);
        else
            NudgeSelection(dx, dy, 0, 0);
    }
    if (Key == VK_DELETE) DeleteSelection();
    if (Key == VK_ESCAPE) {
        Tool.clear();
        if (OnToolUsed) OnToolUsed();
        Select(nullptr);
    }
}

HWND DesignSurface::Place(const std::string& ClassName, POINT Point, const RECT* Drawn) {
    ClassDefaults defaults = DefaultsOf(ClassName);
    RECT client;
    GetClientRect(Surface, &client);
    ComponentRecord record;
    record.ClassName = ClassName;
    record.Name = FreeName(ClassName);
    record.Text = record.Name;
    record.Left = Drawn ? Drawn->left : Point.x;
    record.Top = Drawn ? Drawn->top : Point.y;
    // A large default (a whole form) is cut to the room left on the surface.
    record.Width = Drawn ? Drawn->right - Drawn->left
                         : std::max(16, std::min<int>(defaults.Width, client.right - Point.x));
    record.Height = Drawn ? Drawn->bottom - Drawn->top
                          : std::max(16, std::min<int>(defaults.Height, client.bottom - Point.y));
    record.Style = defaults.Style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    record.ExStyle = defaults.ExStyle;
    record.Id = FreeId();
    HWND window = CreateComponentWindow(Surface, record);
    if (!window) return nullptr;
    Components.push_back({window, record.Name});
    Select(window);
    return window;
}

void DesignSurface::Select(HWND Component) {
    Selected = Component;
    if (Selected)
        Frame.Show(BoundsOf(Selected));
    else
        Frame.Hide();
    if (OnSelectionChanged) OnSelectionChanged();
}

bool DesignSurface::SelectByName(const std::string& Name) {
    for (const Placed& c : Components)
        if (c.Name == Name) Select(c.Window);
    return Selected && NameOf(Selected) == Name;
}

void DesignSurface::SelectionChanged() {
    Select(Selected);
}

void DesignSurface::DeleteSelection() {
    if (!Selected) return;
    Components.erase(std::remove_if(Components.begin(), Components.end(),
                                    [&](const Placed& c) { return c.Window == Selected; }),
                     Components.end());
    DestroyWindow(Selected);
    Select(nullptr);
}

void DesignSurface::NudgeSelection(int DX, int DY, int DW, int DH) {
    if (!Selected) return;
    RECT r = BoundsOf(Selected);
    MoveWindow(Selected, r.left + DX, r.top + DY, std::max<int>(1, r.right - r.left + DW),
               std::max<int>(1, r.bottom - r.top + DH), TRUE);
    SelectionChanged();
}

HWND DesignSurface::ComponentAt(POINT Point) const {
    // Top of the z-order first, as the user sees them.
    for (HWND w = GetWindow(Surface, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (NameOf(w).empty()) continue;
        RECT r = BoundsOf(w);
        if (PtInRect(&r, Point)) return w;
    }
    return nullptr;
}

RECT DesignSurface::BoundsOf(HWND Component) const {
    RECT r;
    GetWindowRect(Component, &r);
    MapWindowPoints(nullptr, Surface, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

const std::string& DesignSurface::NameOf(HWND Component) const {
    static const std::string none;
    for (const Placed& c : Components)
        if (c.Window == Component) return c.Name;
    return none;
}

bool DesignSurface::NameTaken(const std::string& Name, HWND Except) const {
    for (const Placed& c : Components)
        if (c.Name == Name && c.Window != Except) return true;
    return false;
}

void DesignSurface::Rename(HWND Component, const std::string& Name) {
    for (Placed& c : Components)
        if (c.Window == Component) c.Name = Name;
}

std::string DesignSurface::FreeName(const std::string& ClassName) const {
    std::string base =
        ClassName.size() > 1 && ClassName[0] == 'Q' ? ClassName.substr(1) : ClassName;
    for (int n = 1;; ++n)
        if (!NameTaken(base + std::to_string(n), nullptr)) return base + std::to_string(n);
}

int DesignSurface::FreeId() const {
    int id = FirstId - 1;
    for (const Placed& c : Components)
        id = std::max(id, static_cast<int>(GetWindowLongPtrA(c.Window, GWLP_ID)));
    return id + 1;
}

std::vector<ComponentRecord> DesignSurface::Records() const {
    std::vector<ComponentRecord> records;
    for (const Placed& c : Components)
        records.push_back(ReadComponent(c.Window, c.Name));
    return records;
}

bool DesignSurface::Replace(const std::vector<ComponentRecord>& Records, std::string& Problem) {
    std::vector<Placed> made;
    for (const ComponentRecord& record : Records) {
        HWND window = CreateComponentWindow(Surface, record);
        if (!window) {
            for (const Placed& c : made)
                DestroyWindow(c.Window);
            Problem =
                "Can't create the window of " + record.Name + " (class " + record.ClassName + ").";
            return false;
        }
        made.push_back({window, record.Name});
    }
    DestroyAll();
    Components = made;
    Select(nullptr);
    return true;
}

void DesignSurface::DestroyAll() {
    for (const Placed& c : Components)
        DestroyWindow(c.Window);
    Components.clear();
    Selected = nullptr;
}
