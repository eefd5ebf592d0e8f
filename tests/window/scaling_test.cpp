// Forms scaled to another number of pixels per inch: every bound by the ratio (within the pixel
// rounding gives), aligned and anchored children laid out there, fonts made at it and the old
// ones let go; and only in a program that asked for scaling.
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "object/scaling.h"
#include "test_forms.h"

#include <cstdlib>

namespace {

// A window's place in its holder and its size.
RECT Bounds(HWND Window) {
    RECT r;
    GetWindowRect(Window, &r);
    MapWindowPoints(nullptr, GetParent(Window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

RECT ClientSize(HWND Window) {
    RECT r;
    GetClientRect(Window, &r);
    return r;
}

// Within a pixel of At scaled by Multiplier / Divisor, field by field.
testing::AssertionResult Scaled(const RECT& Now, const RECT& At, int Multiplier, int Divisor) {
    const LONG now[] = {Now.left, Now.top, Now.right, Now.bottom},
               at[] = {At.left, At.top, At.right, At.bottom};
    for (int i = 0; i < 4; ++i)
        if (std::abs(now[i] - MulDiv(at[i], Multiplier, Divisor)) > 1)
            return testing::AssertionFailure()
                   << Join(Now.left, Now.top, Now.right, Now.bottom) << "where "
                   << Join(At.left, At.top, At.right, At.bottom) << "scaled by " << Multiplier
                   << "/" << Divisor << " belongs";
    return testing::AssertionSuccess();
}

HFONT Shown(HWND Window) {
    return reinterpret_cast<HFONT>(SendMessageA(Window, WM_GETFONT, 0, 0));
}

LONG FontHeight(HWND Window) {
    LOGFONTA font{};
    GetObjectA(Shown(Window), sizeof font, &font);
    return font.lfHeight;
}

// Scaling as a DPI-aware program has it, for one test.
struct ScalingOn {
    ScalingOn() { SetDpiScaling(true); }
    ~ScalingOn() { SetDpiScaling(false); }
};

// The platform's report of a new number of pixels per inch, with the outer rectangle whose
// client area is the old one scaled (as the system's suggestion is, its frame scaled too).
void ReportPixelsPerInch(QFrame& Form, int PerInch, int Before) {
    RECT client = ClientSize(Form.Handle()), outer, place;
    GetWindowRect(Form.Handle(), &place);
    outer = {0, 0, MulDiv(client.right, PerInch, Before), MulDiv(client.bottom, PerInch, Before)};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongA(Form.Handle(), GWL_STYLE)),
                       GetMenu(Form.Handle()) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(Form.Handle(), GWL_EXSTYLE)));
    RECT suggested = {place.left, place.top, place.left + outer.right - outer.left,
                      place.top + outer.bottom - outer.top};
    SendMessageA(Form.Handle(), WM_DPICHANGED, MAKEWPARAM(PerInch, PerInch),
                 reinterpret_cast<LPARAM>(&suggested));
}

} // namespace

TEST_F(LibraryFormTest, FormsScaleToThePixelsPerInchTheirScreenReports) {
    ScalingOn scaling;
    QPanel panel;
    QEdit edit;
    QButton ok;
    QLabel banner;
    form.SetBounds(40, 40, 420, 320);
    panel.SetBounds(10, 30, 200, 100), panel.SetParent(&form);
    edit.SetBounds(8, 8, 121, 21), edit.SetParent(&panel);
    ok.SetBounds(300, 230, 75, 30), ok.SetAnchors(akRight | akBottom), ok.SetParent(&form);
    banner.SetBounds(0, 0, 10, 18), banner.SetAlign(alTop), banner.SetParent(&form);
    edit.SetFont({"Tahoma", 10});
    QFrame* parts[] = {&panel, &edit, &ok, &banner};
    RECT at[4], client = ClientSize(form.Handle());
    for (int i = 0; i < 4; ++i)
        at[i] = Bounds(parts[i]->Handle());
    // Each report scales from the pixels per inch before it; back at 96 all is as it was. The
    // font made for the one before goes with its last user.
    int now = 96;
    for (int perInch : {144, 192, 120, 96}) {
        SCOPED_TRACE(perInch);
        HFONT before = Shown(edit.Handle());
        ReportPixelsPerInch(form, perInch, now);
        EXPECT_EQ(GetObjectType(before), 0u);
        now = perInch;
        EXPECT_EQ(form.PixelsPerInch(), perInch);
        EXPECT_EQ(edit.PixelsPerInch(), perInch);
        EXPECT_TRUE(Scaled(ClientSize(form.Handle()), client, perInch, 96));
        for (int i = 0; i < 4; ++i)
            EXPECT_TRUE(Scaled(Bounds(parts[i]->Handle()), at[i], perInch, 96)) << i;
        EXPECT_EQ(FontHeight(edit.Handle()), -MulDiv(10, perInch, 72));
    }
    // Anchored in the new units, it keeps its distances to the edges as the form grows.
    ReportPixelsPerInch(form, 192, 96);
    RECT placed = Bounds(ok.Handle()), outer;
    GetWindowRect(form.Handle(), &outer);
    form.SetBounds(outer.left, outer.top, outer.right - outer.left + 100,
                   outer.bottom - outer.top + 50);
    RECT moved = Bounds(ok.Handle());
    EXPECT_EQ(Join(moved.left - placed.left, moved.top - placed.top, moved.right), "100 50 150 ");
}

TEST_F(LibraryFormTest, OnlyAProgramThatAsksScalesAndAFormScalesOnceWhenFirstShown) {
    QEdit edit;
    edit.SetBounds(8, 8, 121, 21), edit.SetParent(&form);
    RECT at = Bounds(edit.Handle());
    ReportPixelsPerInch(form, 144, 96); // a program that did not ask keeps its pixels
    EXPECT_TRUE(Scaled(Bounds(edit.Handle()), at, 1, 1));
    EXPECT_EQ(form.PixelsPerInch(), 96);
    // A form designed at 48 pixels per inch doubles when shown on this screen, and only then.
    ScalingOn scaling;
    QForm half;
    QEdit inside;
    half.SetPixelsPerInch(48);
    half.SetVisible(false);
    half.SetParent(nullptr);
    inside.SetBounds(10, 10, 50, 20), inside.SetParent(&half);
    EXPECT_TRUE(Scaled(Bounds(inside.Handle()), {10, 10, 50, 20}, 1, 1));
    ShowWindow(half.Handle(), SW_SHOW);
    int screen = WindowPixelsPerInch(half.Handle());
    EXPECT_EQ(half.PixelsPerInch(), screen);
    EXPECT_TRUE(Scaled(Bounds(inside.Handle()), {10, 10, 50, 20}, screen, 48));
    ShowWindow(half.Handle(), SW_HIDE), ShowWindow(half.Handle(), SW_SHOW);
    EXPECT_TRUE(Scaled(Bounds(inside.Handle()), {10, 10, 50, 20}, screen, 48));
}
