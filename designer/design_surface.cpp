#include "design_surface.h"

#include "component_window.h"

#include <windowsx.h>

#include <algorithm>

namespace {

// A press and release closer than this places the class's default size instead of a drawn
// rectangle.
constexpr int DrawThreshold = 4;

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

bool DesignSurface::Create(HWND Host, const CoreLibrary& Library, const RECT& Bounds,
                           const FormModel& Form) {
    Core = &Library;
    Model = &Form;
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
    Grabbed = Selected.empty() ? SelectionFrame::None : Frame.HandleAt(Point);
    if (Grabbed != SelectionFrame::None) {
        Dragging = Drag::Resizing;
    } else {
        Select(ComponentAt(Point));
        Dragging = Selected.empty() ? Drag::None : Drag::Moving;
    }
    if (Selected.empty()) return;
    HWND window = SelectedWindow();
    StartBounds = BoundsOf(window);
    // A moved component floats above everything until it is dropped, so that it can leave its
    // holder; the model puts it back, or into the holder it was dropped in.
    if (Dragging == Drag::Moving && GetParent(window) != Surface) {
        ::SetParent(window, Surface);
        MoveWindow(window, StartBounds.left, StartBounds.top, StartBounds.right - StartBounds.left,
                   StartBounds.bottom - StartBounds.top, TRUE);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowFrame();
    }
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
    // Only the window follows the mouse; the model changes once, when the button comes up.
    HWND window = SelectedWindow();
    MapWindowPoints(Surface, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    ShowFrame();
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
    } else if (Dragging != Drag::None) {
        MouseMove(Point);
        std::string holder = Dragging == Drag::Moving ? ComponentAt(Point, true, SelectedWindow())
                                                      : Model->Find(Selected)->Parent;
        MoveSelection(BoundsOf(SelectedWindow()), holder,
                      Dragging == Drag::Moving ? "Move" : "Resize");
        // A drop that changed nothing puts the floating window back all the same.
        std::string problem;
        ShowModel(problem);
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
        const ComponentRecord* selected = Model->Find(Selected);
        Select(selected ? selected->Parent : "");
    }
}

void DesignSurface::Place(const std::string& ClassName, POINT Point, const RECT* Drawn) {
    const ClassDesign& defaults = Core->DesignOf(ClassName);
    std::string holder = ComponentAt(Point, true);
    RECT client;
    GetClientRect(HolderWindow(holder), &client);
    POINT at = InHolder(Drawn ? POINT{Drawn->left, Drawn->top} : Point, holder);
    ComponentRecord record = defaults.NewComponent(ClassName);
    record.Parent = holder;
    record.Name = Model->FreeName(ClassName.size() > 1 && ClassName[0] == 'Q' ? ClassName.substr(1)
                                                                              : ClassName);
    record.Text = record.Name;
    record.Left = at.x;
    record.Top = at.y;
    // A large default (a whole form) is cut to the room left in its holder.
    record.Width = Drawn ? Drawn->right - Drawn->left
                         : std::max(16, std::min<int>(defaults.Width, client.right - at.x));
    record.Height = Drawn ? Drawn->bottom - Drawn->top
                          : std::max(16, std::min<int>(defaults.Height, client.bottom - at.y));
    record.Id = Model->FreeId();
    HWND window = CreateComponentWindow(HolderWindow(holder), record);
    if (!window) return;
    // What the library made of it (a combo box takes the height it needs) is what is placed.
    ComponentRecord made = ReadComponent(window, record.Name);
    made.Parent = record.Parent;
    Components.push_back({window, made});
    OnEdit(PlaceEdit(*Model, made));
}

bool DesignSurface::Select(const std::string& Name) {
    Selected = Model->NameTaken(Name) ? Name : "";
    ShowFrame();
    if (OnSelectionChanged) OnSelectionChanged();
    return Selected == Name;
}

void DesignSurface::ShowFrame() {
    if (HWND window = SelectedWindow())
        Frame.Show(BoundsOf(window));
    else
        Frame.Hide();
}

void DesignSurface::DeleteSelection() {
    if (!Selected.empty()) OnEdit(DeleteEdit(*Model, Selected));
}

void DesignSurface::NudgeSelection(int DX, int DY, int DW, int DH) {
    const ComponentRecord* current = Model->Find(Selected);
    if (!current) return;
    ComponentRecord moved = *current;
    moved.Left += DX;
    moved.Top += DY;
    moved.Width = std::max(1, moved.Width + DW);
    moved.Height = std::max(1, moved.Height + DH);
    OnEdit(ChangeEdit(*Model, Selected, DW || DH ? "Resize" : "Move", moved));
}

void DesignSurface::MoveSelection(const RECT& Bounds, const std::string& Holder,
                                  const char* Title) {
    const ComponentRecord* current = Model->Find(Selected);
    if (!current) return;
    ComponentRecord moved = *current;
    POINT at = InHolder({Bounds.left, Bounds.top}, Holder);
    moved.Left = at.x;
    moved.Top = at.y;
    moved.Width = Bounds.right - Bounds.left;
    moved.Height = Bounds.bottom - Bounds.top;
    moved.Parent = Holder;
    OnEdit(Holder == current->Parent ? ChangeEdit(*Model, Selected, Title, moved)
                                     : ReparentEdit(*Model, Selected, moved));
}

bool DesignSurface::ShowModel(std::string& Problem) {
    // The surface is the form's client area.
    RECT outer = {0, 0, Model->Form.Width, Model->Form.Height};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(Surface, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(Surface, GWL_EXSTYLE)));
    SetWindowPos(Surface, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowClassValues(Surface, Model->Form, Core->Form, false);
    // A window stays while its component is there with the same class and the window holding
    // it stays too; of the others, what they hold goes first.
    std::vector<Placed> kept;
    std::vector<HWND> gone;
    for (const Placed& placed : Components) {
        const ComponentRecord* now = Model->Find(placed.Shown.Name);
        const std::string& holder = placed.Shown.Parent;
        bool holderKept =
            holder.empty() || std::any_of(kept.begin(), kept.end(),
                                          [&](const Placed& k) { return k.Shown.Name == holder; });
        // A list whose items changed is made again with the new ones.
        if (now && holderKept && now->ClassName == placed.Shown.ClassName &&
            now->Items == placed.Shown.Items)
            kept.push_back(placed);
        else
            gone.push_back(placed.Window);
    }
    for (auto window = gone.rbegin(); window != gone.rend(); ++window)
        DestroyWindow(*window);
    Components.clear();
    bool made = false;
    for (const ComponentRecord& record : Model->Components) {
        auto old = std::find_if(kept.begin(), kept.end(),
                                [&](const Placed& k) { return k.Shown.Name == record.Name; });
        HWND holder = HolderWindow(record.Parent);
        if (old != kept.end()) {
            // A component given to another holder, or one that floated while it was dragged.
            bool moved = GetParent(old->Window) != holder;
            if (moved) ::SetParent(old->Window, holder);
            if (moved || old->Shown != record) {
                WriteComponent(old->Window, record);
                ShowClassValues(old->Window, record, Core->DesignOf(record.ClassName), false);
            }
            Components.push_back({old->Window, record});
            kept.erase(old);
            made = made || moved;
            continue;
        }
        HWND window = holder ? CreateComponentWindow(holder, record) : nullptr;
        if (!window) {
            Components.insert(Components.end(), kept.begin(), kept.end());
            Problem =
                "Can't create the window of " + record.Name + " (class " + record.ClassName + ")";
            return false;
        }
        ShowClassValues(window, record, Core->DesignOf(record.ClassName), true);
        Components.push_back({window, record});
        made = true;
    }
    // Made again or given to another holder, a window would lie above those placed after it;
    // the model's order is the z-order, the first on top.
    if (made)
        for (const Placed& placed : Components)
            SetWindowPos(placed.Window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The library lays out the aligned ones as the program will: every component joins its
    // holder's child list, in the model's order.
    for (const Placed& placed : Components)
        AlignComponent(placed.Window, placed.Shown.Align);
    if (!Model->NameTaken(Selected)) Selected.clear();
    ShowFrame();
    // A transparent holder (the group box) keeps the picture of what lay under it before it
    // moved unless everything is drawn again.
    RedrawWindow(Surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

std::vector<ComponentRecord> DesignSurface::LaidOut() const {
    std::vector<ComponentRecord> moved;
    for (const Placed& placed : Components) {
        ComponentRecord record = placed.Shown;
        ReadBounds(placed.Window, record);
        if (record.Align && record != placed.Shown) moved.push_back(record);
    }
    return moved;
}

std::string DesignSurface::ComponentAt(POINT Point, bool Holding, HWND Skipped) const {
    // Top of the z-order first, as the user sees them.
    std::string found;
    for (HWND holder = Surface, hit = nullptr;; holder = hit, hit = nullptr) {
        for (HWND w = GetWindow(holder, GW_CHILD); w && !hit; w = GetWindow(w, GW_HWNDNEXT)) {
            const ComponentRecord* shown = ShownAs(w);
            RECT r = BoundsOf(w);
            if (!shown || w == Skipped || !PtInRect(&r, Point)) continue;
            hit = w;
            if (!Holding || Core->DesignOf(shown->ClassName).Holds) found = shown->Name;
        }
        if (!hit) return found;
    }
}

const ComponentRecord* DesignSurface::ShownAs(HWND Window) const {
    for (const Placed& c : Components)
        if (c.Window == Window) return &c.Shown;
    return nullptr;
}

HWND DesignSurface::HolderWindow(const std::string& Holder) const {
    return Holder.empty() ? Surface : WindowOf(Holder);
}

POINT DesignSurface::InHolder(POINT Point, const std::string& Holder) const {
    MapWindowPoints(Surface, HolderWindow(Holder), &Point, 1);
    return Point;
}

HWND DesignSurface::WindowOf(const std::string& Name) const {
    for (const Placed& c : Components)
        if (c.Shown.Name == Name) return c.Window;
    return nullptr;
}

RECT DesignSurface::BoundsOf(HWND Component) const {
    RECT r;
    GetWindowRect(Component, &r);
    MapWindowPoints(nullptr, Surface, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
