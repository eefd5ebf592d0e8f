// The object tree beside the property list: the form's components as they nest, in creation
// order. A click in it selects the component; it follows the surface's selection.
#pragma once

#include "form_model.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

class ObjectTree {
public:
    bool Create(HWND Host, const RECT& Bounds, int Id);
    HWND Window() const { return Tree; }
    // Shows the components of Model, the one called Selected selected.
    void Show(const FormModel& Model, const std::string& Selected);
    void Select(const std::string& Name);
    // Answers the tree's notification; false for any other.
    bool Notify(const NMHDR& Notification);
    std::function<void(const std::string&)> OnSelect;

private:
    HWND Tree = nullptr;
    std::vector<std::string> Names; // item i's lParam is i
    std::vector<HTREEITEM> Items;
    std::vector<std::string> Keys; // name, class and holder of each item's component
    bool Showing = false;
};
