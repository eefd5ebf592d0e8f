// The designed example's form as a DPI-aware program shows it on this screen: each component's
// bounds against the designed ones scaled by the form's pixels per inch over 96 (within a
// pixel), and each label's text, measured in its font, within its width. Prints "scaled to N",
// then one line per fault; exits 1 on any.
#include "CustomerForm.h"
#include "controls/buttons.h"
#include "controls/lists.h"
#include "object/library_start.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

void Collect(QFrame& Holder, std::vector<std::pair<QFrame*, RECT>>& Designed) {
    for (int i = 0; i < Holder.ControlCount(); ++i) {
        QFrame* child = Holder.Controls(i);
        Designed.push_back({child, {child->Left(), child->Top(), child->Width(), child->Height()}});
        Collect(*child, Designed);
    }
}

RECT Shown(HWND Window) {
    RECT r;
    GetWindowRect(Window, &r);
    MapWindowPoints(nullptr, GetParent(Window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The width of the label's text in the font its window shows.
int TextWidth(QFrame& Label) {
    HDC dc = GetDC(Label.Handle());
    HGDIOBJ before =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Label.Handle(), WM_GETFONT, 0, 0)));
    SIZE size{};
    std::string text = Label.Text();
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, before);
    ReleaseDC(Label.Handle(), dc);
    return size.cx;
}

} // namespace

int main() {
    StartLibrary();
    CustomerForm form;
    std::vector<std::pair<QFrame*, RECT>> designed;
    Collect(form, designed);
    RECT client{0, 0, 556, 396}; // the designed client area
    form.SetParent(nullptr);     // made and shown: scaled for the screen
    int perInch = form.PixelsPerInch(), faults = 0;
    std::printf("dpi: scaled to %d\n", perInch);
    // Fields of Now against At scaled, those of Which only (left, top, width, height).
    auto check = [&](const std::string& Name, const RECT& Now, const RECT& At,
                     const bool(&Which)[4]) {
        const LONG now[] = {Now.left, Now.top, Now.right, Now.bottom},
                   at[] = {At.left, At.top, At.right, At.bottom};
        for (int i = 0; i < 4; ++i)
            if (Which[i] && std::abs(now[i] - MulDiv(at[i], perInch, 96)) > 1) {
                std::printf("dpi: %s at %ld,%ld %ldx%ld\n", Name.c_str(), Now.left, Now.top,
                            Now.right, Now.bottom);
                ++faults;
                return;
            }
    };
    // A form scaled past the screen is as large as the platform lets a window be; what is
    // aligned in it then keeps only its own scaled size.
    RECT area, outer;
    GetClientRect(form.Handle(), &area);
    GetWindowRect(form.Handle(), &outer);
    bool cut = outer.right - outer.left >= GetSystemMetrics(SM_CXMAXTRACK) ||
               outer.bottom - outer.top >= GetSystemMetrics(SM_CYMAXTRACK);
    if (!cut) check("the form", area, client, {false, false, true, true});
    for (auto& [frame, at] : designed) {
        int align = frame->Align();
        bool across = align == alTop || align == alBottom,
             along = align == alLeft || align == alRight;
        bool all[4] = {true, true, true, true}, own[4] = {false, false, along, across};
        // A combo box's height is what its font gives its edit field.
        if (dynamic_cast<QComboBox*>(frame)) all[3] = false;
        check(frame->Name(), Shown(frame->Handle()), at, align && cut ? own : all);
        if (dynamic_cast<QCustomLabel*>(frame) && TextWidth(*frame) > frame->Width()) {
            std::printf("dpi: %s's text is %d wide in %d\n", frame->Name().c_str(),
                        TextWidth(*frame), frame->Width());
            ++faults;
        }
    }
    return faults ? 1 : 0;
}
