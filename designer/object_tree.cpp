#include "object_tree.h"

#include <commctrl.h>

bool ObjectTree::Create(HWND Host, const RECT& Bounds, int Id) {
    Tree = CreateWindowExA(
        WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
        WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS | TVS_SHOWSELALWAYS,
        Bounds.left, Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Host,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(Id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(Tree, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return Tree != nullptr;
}

void ObjectTree::Show(const FormModel& Model, const std::string& Selected) {
    Showing = true;
    SendMessageA(Tree, WM_SETREDRAW, FALSE, 0);
    // The items the same from the first on stay, so that an edit at the end of a large form
    // (placing one, undoing a placement) changes only the items at the end.
    auto key = [](const ComponentRecord& C) {
        return C.Name + '\n' + C.ClassName + '\n' + C.Parent;
    };
    size_t same = 0;
    while (same < Keys.size() && same < Model.Components.size() &&
           Keys[same] == key(Model.Components[same]))
        ++same;
    // Backwards, so that what an item holds goes before it.
    for (size_t i = Items.size(); i-- > same;)
        SendMessageA(Tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(Items[i]));
    Names.resize(same);
    Items.resize(same);
    Keys.resize(same);
    for (size_t i = same; i < Model.Components.size(); ++i) {
        const ComponentRecord& c = Model.Components[i];
        int holder = Model.IndexOf(c.Parent);
        std::string text = c.Name + " (" + c.ClassName + ")";
        TVINSERTSTRUCTA insert{};
        insert.hParent = holder < 0 ? TVI_ROOT : Items[static_cast<size_t>(holder)];
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_PARAM;
        insert.item.pszText = &text[0];
        insert.item.lParam = static_cast<LPARAM>(Names.size());
        Items.push_back(reinterpret_cast<HTREEITEM>(
            SendMessageA(Tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert))));
        Names.push_back(c.Name);
        Keys.push_back(key(c));
        if (holder >= 0)
            SendMessageA(Tree, TVM_EXPAND, TVE_EXPAND,
                         reinterpret_cast<LPARAM>(Items[static_cast<size_t>(holder)]));
    }
    SendMessageA(Tree, WM_SETREDRAW, TRUE, 0);
    Showing = false;
    Select(Selected);
}

void ObjectTree::Select(const std::string& Name) {
    HTREEITEM item = nullptr;
    for (size_t i = 0; i < Names.size(); ++i)
        if (Names[i] == Name) item = Items[i];
    Showing = true;
    SendMessageA(Tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    Showing = false;
}

bool ObjectTree::Notify(const NMHDR& Notification) {
    if (Notification.hwndFrom != Tree) return false;
    // Selections the tree makes while it is filled or follows the surface are not the user's.
    if (Notification.code == TVN_SELCHANGEDA && !Showing && OnSelect) {
        const auto& change = reinterpret_cast<const NMTREEVIEWA&>(Notification);
        auto index = static_cast<size_t>(change.itemNew.lParam);
        OnSelect(change.itemNew.hItem && index < Names.size() ? Names[index] : "");
    }
    return true;
}
