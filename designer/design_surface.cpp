#include "design_surface.h"

#include "arrangement.h"
#include "component_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <unordered_map>
#include <utility>

namespace {

// A press and release closer than this places the class's default size instead of a drawn
// rectangle.
constexpr int DrawThreshold = 4;

bool IsMouseMessage(UINT Msg) {
    return (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST) ||
           (Msg >= WM_NCMOUSEMOVE && Msg <= WM_NCXBUTTONDBLCLK);
}

bool IsHeld(int Key) {
    return GetKeyState(Key) < 0;
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
    Band.Create(Surface);
    Guides.Create(Surface);
    Numbers.Create(Surface);
    SetWindowSubclass(Surface, PaintGrid, 0, reinterpret_cast<DWORD_PTR>(this));
    SetSnapping(Settings);
    return true;
}

void DesignSurface::SetSnapping(const DesignerSettings& Chosen) {
    Settings = Chosen;
    GridPoints.reset();
    if (Settings.Grid > 0) {
        // One black point in a white square, word-aligned rows of one bit a pixel.
        int grid = Settings.Grid, stride = (grid + 15) / 16 * 2;
        std::vector<BYTE> bits(static_cast<size_t>(stride * grid), 0xFF);
        bits[0] = 0x7F;
        HBITMAP pattern = CreateBitmap(grid, grid, 1, 1, bits.data());
        GridPoints.reset(CreatePatternBrush(pattern));
        DeleteObject(pattern);
    }
    if (Surface) RedrawWindow(Surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

LRESULT CALLBACK DesignSurface::PaintGrid(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam,
                                          UINT_PTR, DWORD_PTR Self) {
    LRESULT result = DefSubclassProc(Window, Msg, WParam, LParam);
    auto* surface = reinterpret_cast<DesignSurface*>(Self);
    if (Msg == WM_PAINT && surface->GridPoints) {
        // The library painted the form; the points go over it, ANDed in, so that painting them
        // again where they already are changes nothing.
        HDC dc = GetDC(Window);
        RECT client;
        GetClientRect(Window, &client);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        HGDIOBJ old = SelectObject(dc, surface->GridPoints.get());
        constexpr DWORD DestinationAndPattern = 0x00A000C9;
        PatBlt(dc, 0, 0, client.right, client.bottom, DestinationAndPattern);
        SelectObject(dc, old);
        ReleaseDC(Window, dc);
    }
    if (Msg == WM_NCDESTROY) RemoveWindowSubclass(Window, PaintGrid, 0);
    return result;
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
    if (Ordering) {
        if (Message.message == WM_LBUTTONDOWN || Message.message == WM_NCLBUTTONDOWN)
            OrderTab(point);
        return true;
    }
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
    Dragging = {};
    Dragging.Start = Point;
    if (!Tool.empty()) {
        Dragging.Kind = Drag::Placing;
        return;
    }
    SelectionFrame::Handle grabbed = Frame.HandleAt(Point);
    if (grabbed != SelectionFrame::None)
        Dragging.Kind = Drag::Resizing;
    else
        PressOn(ComponentAt(Point));
    Dragging.Grabbed = grabbed;
    for (const std::string& name : Selected)
        Dragging.Dragged.emplace_back(name, BoundsOf(WindowOf(name)));
    if (Dragging.Kind == Drag::Moving) FloatSelection();
}

void DesignSurface::PressOn(const std::string& Hit) {
    bool control = IsHeld(VK_CONTROL);
    if (Hit.empty() || (control && Core->DesignOf(Model->Find(Hit)->ClassName).Holds)) {
        Dragging.BandHolder = Hit;
        Dragging.Kind = Drag::Banding;
    } else if (control || IsHeld(VK_SHIFT)) {
        Toggle(Hit);
    } else {
        // A press on one of several selected drags them all; a single one is selected again,
        // so that the property list drops what was typed and not applied.
        if (Selected.size() < 2 || !IsSelected(Hit)) Select(Hit);
        Dragging.Kind = Drag::Moving;
    }
}

void DesignSurface::FloatSelection() {
    for (const auto& [name, start] : Dragging.Dragged) {
        HWND window = WindowOf(name);
        if (GetParent(window) == Surface) continue;
        ::SetParent(window, Surface);
        PlaceWindow(window, start);
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    // Shown again from hidden, the frames go above the floating windows.
    Frame.Hide();
    for (SelectionFrame& mark : Marks)
        mark.Hide();
    ShowFrame();
}

void DesignSurface::MouseMove(POINT Point) {
    const POINT start = Dragging.Start;
    int dx = Point.x - start.x, dy = Point.y - start.y;
    // Only the windows follow the mouse; the model changes once, when the button comes up.
    if (Dragging.Kind == Drag::Banding) {
        Band.Show(Normalized(start, Point), false);
    } else if (Dragging.Kind == Drag::Placing) {
        ShowStatus(Tool, Drawn(start, Point), ComponentAt(start, true));
    } else if (Dragging.Kind == Drag::Resizing) {
        const auto& [name, bounds] = Dragging.Dragged.front();
        const std::string& holder = Model->Find(name)->Parent;
        RECT resized = SnapDragged(SelectionFrame::Resized(bounds, Dragging.Grabbed, dx, dy),
                                   SelectionFrame::EdgesOf(Dragging.Grabbed), holder);
        PlaceWindow(WindowOf(name), resized);
        ShowFrame();
        ShowStatus(name, resized, holder);
    } else if (Dragging.Kind == Drag::Moving) {
        DragSelection(Point, dx, dy);
    }
}

void DesignSurface::EndDrag() {
    if (Dragging.Kind == Drag::None) return;
    for (Placed& placed : Components)
        for (const auto& dragged : Dragging.Dragged)
            placed.Dragged = placed.Dragged || placed.Shown.Name == dragged.first;
    Dragging = {};
    ReleaseCapture();
    Guides.Hide();
    Band.Hide();
}

void DesignSurface::DragSelection(POINT Point, int DX, int DY) {
    const std::vector<std::pair<std::string, RECT>>& dragged = Dragging.Dragged;
    const auto& [name, start] = dragged.front();
    // Several stay in their holder; a single one goes where it is dropped.
    std::string holder =
        dragged.size() > 1 ? Model->Find(name)->Parent : ComponentAt(Point, true, WindowOf(name));
    RECT primary = start;
    OffsetRect(&primary, DX, DY);
    // Within the platform's drag distance the press is a click, which moves nothing.
    if (std::abs(DX) >= GetSystemMetrics(SM_CXDRAG) || std::abs(DY) >= GetSystemMetrics(SM_CYDRAG))
        primary = SnapDragged(primary, SnapWhole, holder);
    else
        primary = start;
    POINT& moved = Dragging.Moved;
    moved = {primary.left - start.left, primary.top - start.top};
    for (const auto& [each, bounds] : dragged) {
        RECT r = bounds;
        OffsetRect(&r, moved.x, moved.y);
        PlaceWindow(WindowOf(each), r);
    }
    ShowFrame();
    ShowStatus(name, primary, holder);
}

POINT DesignSurface::PlacingStart(POINT Pressed) const {
    if (IsHeld(VK_MENU)) return Pressed;
    HWND holder = HolderWindow(ComponentAt(Pressed, true));
    RECT room;
    GetClientRect(holder, &room);
    MapWindowPoints(holder, Surface, reinterpret_cast<POINT*>(&room), 2);
    return SnapToGrid(Pressed, room, Settings.Grid);
}

RECT DesignSurface::Drawn(POINT Pressed, POINT Point) {
    POINT start = PlacingStart(Pressed);
    unsigned edges =
        (Point.x < start.x ? SnapLeft : SnapRight) | (Point.y < start.y ? SnapTop : SnapBottom);
    return SnapDragged(Normalized(start, Point), edges, ComponentAt(Pressed, true));
}

RECT DesignSurface::SnapDragged(const RECT& Bounds, unsigned Edges, const std::string& Holder) {
    if (IsHeld(VK_MENU) || (!Settings.Grid && !Settings.SnapLines)) {
        Guides.Hide();
        return Bounds;
    }
    SnapTarget target{{}, {}, Settings.Grid, Settings.SnapLines};
    HWND holder = HolderWindow(Holder);
    GetClientRect(holder, &target.Holder);
    MapWindowPoints(holder, Surface, reinterpret_cast<POINT*>(&target.Holder), 2);
    for (const Placed& placed : Components)
        if (placed.Shown.Parent == Holder && !IsSelected(placed.Shown.Name))
            target.Others.push_back(BoundsOf(placed.Window));
    Snapped snapped = Snap(Bounds, Edges, target);
    Guides.Show(snapped.Lines);
    return snapped.Bounds;
}

void DesignSurface::ShowStatus(const std::string& Name, RECT Bounds,
                               const std::string& Holder) const {
    if (!OnStatus) return;
    MapWindowPoints(Surface, HolderWindow(Holder), reinterpret_cast<POINT*>(&Bounds), 2);
    OnStatus(Name + "  " + std::to_string(Bounds.left) + ", " + std::to_string(Bounds.top) + "  " +
             std::to_string(Bounds.right - Bounds.left) + " x " +
             std::to_string(Bounds.bottom - Bounds.top));
}

void DesignSurface::MouseUp(POINT Point) {
    ReleaseCapture();
    Guides.Hide();
    if (Dragging.Kind == Drag::Moving || Dragging.Kind == Drag::Resizing) MouseMove(Point);
    // Over before it makes its edit, which shows the model again.
    const DragState ended = std::exchange(Dragging, {});
    std::string problem;
    if (ended.Kind == Drag::Placing) {
        RECT drawn = Normalized(ended.Start, Point);
        bool wasDrawn =
            drawn.right - drawn.left >= DrawThreshold && drawn.bottom - drawn.top >= DrawThreshold;
        std::string placed = Tool;
        Tool.clear();
        drawn = Drawn(ended.Start, Point);
        Place(placed, PlacingStart(ended.Start), wasDrawn ? &drawn : nullptr);
        if (OnToolUsed) OnToolUsed();
    } else if (ended.Kind == Drag::Banding) {
        Band.Hide();
        SelectBand(ended, Point);
    } else if (ended.Kind == Drag::Moving && ended.Dragged.size() > 1) {
        // Several move together and stay in their holder.
        NudgeSelection(ended.Moved.x, ended.Moved.y, 0, 0);
        ShowModel(problem);
    } else if (ended.Kind != Drag::None) {
        bool moving = ended.Kind == Drag::Moving;
        const std::string& name = ended.Dragged.front().first;
        std::string holder =
            moving ? ComponentAt(Point, true, WindowOf(name)) : Model->Find(name)->Parent;
        MoveSelection(BoundsOf(WindowOf(name)), holder, moving ? "Move" : "Resize");
        // A drop that changed nothing puts the floating window back all the same.
        ShowModel(problem);
    }
}

void DesignSurface::SelectBand(const DragState& Pressed, POINT Point) {
    RECT band = Normalized(Pressed.Start, Point);
    const std::string& holder = Pressed.BandHolder;
    if (!holder.empty() && band.right - band.left < DrawThreshold &&
        band.bottom - band.top < DrawThreshold) {
        Toggle(holder);
        return;
    }
    // A band of no width still touches what lies under it.
    ++band.right, ++band.bottom;
    std::vector<std::string> touched;
    for (const Placed& placed : Components) {
        RECT bounds = BoundsOf(placed.Window), common;
        if (placed.Shown.Parent == holder && IntersectRect(&common, &bounds, &band))
            touched.push_back(placed.Shown.Name);
    }
    SetSelection(touched);
}

void DesignSurface::KeyDown(WPARAM Key) {
    if (Ordering) {
        if (Key != VK_ESCAPE) return;
        SetTabOrdering(false);
        if (OnTabOrderingEnded) OnTabOrderingEnded();
        return;
    }
    bool sizing = IsHeld(VK_SHIFT);
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
        const ComponentRecord* primary = Model->Find(Selection());
        Select(primary ? primary->Parent : "");
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
    auto before = std::find_if(Model->Components.rbegin(), Model->Components.rend(),
                               [&](const ComponentRecord& c) { return c.Parent == holder; });
    record.Style |= defaults.PlacedStyle(
        before == Model->Components.rend() ? nullptr : &Core->DesignOf(before->ClassName));
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
    // What the library made of it in its holder's font (a combo box takes the height it needs)
    // is what is placed.
    AlignComponent(window, record.Align);
    ComponentRecord made = ReadComponent(window, record.Name);
    made.Parent = record.Parent;
    Components.push_back({window, made});
    OnEdit(PlaceEdit(*Model, made));
}

const std::string& DesignSurface::Selection() const {
    static const std::string none;
    return Selected.empty() ? none : Selected.front();
}

bool DesignSurface::Select(const std::string& Name) {
    SetSelection({Name});
    return Selection() == Name;
}

void DesignSurface::Follow(const std::string& Subject) {
    bool about =
        IsSelected(Subject) || std::find(Pruned.begin(), Pruned.end(), Subject) != Pruned.end();
    if (Ordering) { // the numbers show what the click did
        SetSelection({});
    } else if (!about) {
        Select(Subject);
    } else {
        // ShowModel left the valid rest and framed it.
        Pruned.clear();
        if (OnSelectionChanged) OnSelectionChanged();
    }
}

void DesignSurface::SelectAll() {
    const ComponentRecord* primary = Model->Find(Selection());
    std::vector<std::string> names;
    if (primary) names.push_back(primary->Name);
    for (const ComponentRecord& c : Model->Components)
        if (c.Parent == (primary ? primary->Parent : "") && c.Name != Selection())
            names.push_back(c.Name);
    SetSelection(names);
}

void DesignSurface::SetSelection(std::vector<std::string> Names) {
    // A drag moves the selection it started with: a new one ends it.
    std::string problem;
    if (Dragging.Kind != Drag::None) ShowModel(problem);
    Selected = std::move(Names);
    Pruned.clear();
    KeepValidSelection();
    ShowFrame();
    if (OnSelectionChanged) OnSelectionChanged();
}

void DesignSurface::KeepValidSelection() {
    const ComponentRecord* primary = nullptr;
    while (!Selected.empty() && !(primary = Model->Find(Selected.front())))
        Selected.erase(Selected.begin());
    Selected.erase(std::remove_if(Selected.begin(), Selected.end(),
                                  [&](const std::string& Name) {
                                      const ComponentRecord* c = Model->Find(Name);
                                      return !c || c->Parent != primary->Parent;
                                  }),
                   Selected.end());
}

bool DesignSurface::IsSelected(const std::string& Name) const {
    return std::find(Selected.begin(), Selected.end(), Name) != Selected.end();
}

void DesignSurface::Toggle(const std::string& Name) {
    std::vector<std::string> names = Selected;
    auto at = std::find(names.begin(), names.end(), Name);
    if (at != names.end())
        names.erase(at);
    else if (!names.empty() && Model->Find(names.front())->Parent != Model->Find(Name)->Parent)
        names = {Name};
    else
        names.push_back(Name);
    SetSelection(names);
}

void DesignSurface::ShowFrame() {
    if (HWND window = SelectedWindow()) {
        Frame.Show(BoundsOf(window));
        ShowStatus(Selection(), BoundsOf(window), Model->Find(Selection())->Parent);
    } else {
        Frame.Hide();
        if (OnStatus) OnStatus("");
    }
    while (Marks.size() + 1 < Selected.size()) {
        Marks.emplace_back();
        Marks.back().Create(Surface);
    }
    for (size_t i = 0; i < Marks.size(); ++i) {
        HWND window = i + 1 < Selected.size() ? WindowOf(Selected[i + 1]) : nullptr;
        if (window)
            Marks[i].Show(BoundsOf(window), false);
        else
            Marks[i].Hide();
    }
}

void DesignSurface::DeleteSelection(const std::string& Title) {
    // Components of one holder hold none of each other, so each goes with its own subtree.
    FormModel after = *Model;
    for (const std::string& name : Selected)
        DeleteEdit(after, name).Apply(after);
    after.ForgetBrokenLinks();
    OnEdit(FormEdit::Between(Title, *Model, after));
}

void DesignSurface::NudgeSelection(int DX, int DY, int DW, int DH) {
    EditSelection(DW || DH ? "Resize" : "Move", [&](const std::vector<ComponentRecord*>& Records) {
        for (ComponentRecord* record : Records) {
            record->Left += DX;
            record->Top += DY;
            record->Width = std::max(1, record->Width + DW);
            record->Height = std::max(1, record->Height + DH);
        }
        return true;
    });
}

void DesignSurface::ArrangeSelection(int Command, const std::string& Title) {
    const ComponentRecord* primary = Model->Find(Selection());
    RECT room{};
    if (primary) GetClientRect(HolderWindow(primary->Parent), &room);
    EditSelection(Title, [&](const std::vector<ComponentRecord*>& Records) {
        return Arrange(Command, Records, {room.right, room.bottom});
    });
}

void DesignSurface::EditSelection(
    const std::string& Title,
    const std::function<bool(const std::vector<ComponentRecord*>&)>& Change) {
    FormModel after = *Model;
    std::vector<ComponentRecord*> records;
    for (const std::string& name : Selected)
        records.push_back(&after.Components[static_cast<size_t>(after.IndexOf(name))]);
    if (records.empty() || !Change(records)) return;
    for (ComponentRecord* record : records)
        KeepToFileRange(*record);
    OnEdit(FormEdit::Between(Title, *Model, after));
}

void DesignSurface::MoveSelection(const RECT& Bounds, const std::string& Holder,
                                  const char* Title) {
    const ComponentRecord* current = Model->Find(Selection());
    if (!current) return;
    ComponentRecord moved = *current;
    POINT at = InHolder({Bounds.left, Bounds.top}, Holder);
    moved.Left = at.x;
    moved.Top = at.y;
    moved.Width = Bounds.right - Bounds.left;
    moved.Height = Bounds.bottom - Bounds.top;
    moved.Parent = Holder;
    KeepToFileRange(moved);
    OnEdit(Holder == current->Parent ? ChangeEdit(*Model, Selection(), Title, moved)
                                     : ReparentEdit(*Model, Selection(), moved));
}

bool DesignSurface::ShowModel(std::string& Problem) {
    EndDrag();
    std::vector<std::string> shown = Selected;
    KeepValidSelection();
    for (const std::string& name : shown)
        if (!IsSelected(name)) Pruned.push_back(name);
    if (ShownForm != Model->Form) {
        // The surface is the form's client area.
        RECT outer = {0, 0, Model->Form.Width, Model->Form.Height};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(Surface, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(Surface, GWL_EXSTYLE)));
        SetWindowPos(Surface, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowClassValues(Surface, Model->Form, Core->Form, false);
        ShownForm = Model->Form;
    }
    // A window stays while its component is there with the same class and the window holding
    // it stays too; of the others, what they hold goes first. Names are looked up in maps, so
    // that a form of hundreds of components follows an edit at once.
    // The holders whose windows were moved, written, made or destroyed, and those of them that
    // lay out aligned components, before or after.
    std::set<std::string> touched, aligning;
    std::unordered_map<std::string, const ComponentRecord*> records;
    for (const ComponentRecord& record : Model->Components) {
        records[record.Name] = &record;
        if (record.Align) aligning.insert(record.Parent);
    }
    std::unordered_map<std::string, Placed> kept;
    std::vector<HWND> gone, order; // order: of the windows kept, before
    for (const Placed& placed : Components) {
        auto now = records.find(placed.Shown.Name);
        const std::string& holder = placed.Shown.Parent;
        // A list whose items changed is made again with the new ones.
        if (now != records.end() && (holder.empty() || kept.count(holder)) &&
            now->second->ClassName == placed.Shown.ClassName &&
            now->second->Items == placed.Shown.Items) {
            kept.emplace(placed.Shown.Name, placed);
            order.push_back(placed.Window);
        } else {
            gone.push_back(placed.Window);
            touched.insert(placed.Shown.Parent);
            if (placed.Shown.Align) aligning.insert(placed.Shown.Parent);
        }
    }
    for (auto window = gone.rbegin(); window != gone.rend(); ++window)
        DestroyWindow(*window);
    Components.clear();
    Components.reserve(Model->Components.size());
    std::unordered_map<std::string, HWND> windows = {{"", Surface}};
    // Whether a window left its holder or the order of what stays, or a transparent one moved.
    bool reordered = false, transparent = false;
    size_t madeFrom = Model->Components.size(); // the first of the windows made, when last
    for (const ComponentRecord& record : Model->Components) {
        HWND holder = windows[record.Parent];
        auto old = kept.find(record.Name);
        HWND window = old == kept.end() ? nullptr : old->second.Window;
        if (window) {
            // A component given to another holder, or one that floated while it was dragged.
            bool moved = GetParent(window) != holder;
            // Its component leaves the old holder's child list at once: otherwise the aligned
            // components before it would be laid out there around it once more.
            if (moved) ::SetParent(window, holder), AlignComponent(window, record.Align);
            const ComponentRecord& was = old->second.Shown;
            if (moved || was != record || old->second.Dragged) {
                WriteComponent(window, record);
                ShowClassValues(window, record, Core->DesignOf(record.ClassName), false);
                touched.insert({record.Parent, record.Name});
                if (was.Align) aligning.insert(record.Parent);
                reordered = reordered || moved || was.Align != record.Align;
                transparent = transparent || (record.ExStyle & WS_EX_TRANSPARENT);
            }
            reordered = reordered || madeFrom < Components.size();
        } else {
            window = holder ? CreateComponentWindow(holder, record) : nullptr;
            if (!window) {
                for (const auto& [name, placed] : kept)
                    if (!windows.count(name)) Components.push_back(placed);
                Problem = CreationProblem(record);
                return false;
            }
            ShowClassValues(window, record, Core->DesignOf(record.ClassName), true);
            touched.insert(record.Parent);
            madeFrom = std::min(madeFrom, Components.size());
        }
        windows[record.Name] = window;
        Components.push_back({window, record});
    }
    for (size_t i = 0, k = 0; i < madeFrom && !reordered; ++i)
        reordered = k >= order.size() || Components[i].Window != order[k++];
    // The model's order is the z-order, the first on top, and the order of the library's child
    // lists, which lays out the aligned components as the program will. Windows made after all
    // the others only join the end of both; the touched holders that align components are put
    // in order again, which lays them out; everything is when the order changed.
    for (size_t i = 0; i < Components.size(); ++i) {
        const Placed& placed = Components[i];
        if (reordered || i >= madeFrom)
            SetWindowPos(placed.Window, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        const std::string& holder = placed.Shown.Parent;
        if (reordered || i >= madeFrom || (touched.count(holder) && aligning.count(holder)))
            AlignComponent(placed.Window, placed.Shown.Align);
    }
    ShowFrame();
    ShowTabNumbers();
    // A transparent holder (the group box) keeps the picture of what lay under it before it
    // moved unless everything is drawn again.
    if (reordered || transparent)
        RedrawWindow(Surface, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    return true;
}

std::vector<ComponentRecord> DesignSurface::LaidOut() const {
    std::vector<ComponentRecord> moved;
    for (const Placed& placed : Components) {
        ComponentRecord record = placed.Shown;
        ReadBounds(placed.Window, record);
        // An anchored one follows its holder's size as the program's will, and a combo box
        // takes the height its font gives it.
        KeepToFileRange(record);
        if (record != placed.Shown) moved.push_back(record);
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

void DesignSurface::PlaceWindow(HWND Window, RECT Bounds) const {
    MapWindowPoints(Surface, GetParent(Window), reinterpret_cast<POINT*>(&Bounds), 2);
    MoveWindow(Window, Bounds.left, Bounds.top, Bounds.right - Bounds.left,
               Bounds.bottom - Bounds.top, TRUE);
}

void DesignSurface::SetTabOrdering(bool On) {
    Ordering = On;
    NextTabPlace.clear();
    if (On) Select("");
    ShowTabNumbers();
}

void DesignSurface::OrderTab(POINT Point) {
    std::string hit = ComponentAt(Point);
    if (hit.empty()) return;
    FormModel after = *Model;
    std::string holder = after.Find(hit)->Parent;
    size_t& place = NextTabPlace[holder];
    if (place >= after.ChildrenOf(holder).size()) place = 0; // round again
    after.MoveAmongSiblings(static_cast<size_t>(after.IndexOf(hit)), place++);
    OnEdit(FormEdit::Between("Tab order", *Model, after));
}

void DesignSurface::ShowTabNumbers() {
    std::vector<std::pair<POINT, std::string>> numbers;
    std::map<std::string, int> counted; // by holder
    if (Ordering) {
        numbers.reserve(Components.size());
        for (const Placed& placed : Components) {
            RECT bounds = BoundsOf(placed.Window);
            std::string number = std::to_string(++counted[placed.Shown.Parent]);
            // A holder's sits at its top right corner, where its first component's does not
            // cover it.
            int left = Core->DesignOf(placed.Shown.ClassName).Holds
                           ? bounds.right - TabNumbers::Width(number)
                           : bounds.left;
            numbers.push_back({{left, bounds.top}, number});
        }
    }
    Numbers.Show(numbers);
}
