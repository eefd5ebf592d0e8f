// The demonstration components: what they paint, QMyFrame's members, their classes' registration.
#include "designer/demo_components.h"
#include "test_forms.h"

namespace {

class DemoTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered =
            (RegisterLabelClass(), RegisterButtonClass(), RegisterDemoClasses(), true);
        (void)registered;
        form.SetParent(nullptr);
        UpdateWindow(form.Handle());
    }
    // The colour of a pixel of Window's client area, as the last paint left it.
    static COLORREF PixelOf(HWND Window, int X, int Y) {
        HDC dc = GetDC(Window);
        COLORREF color = GetPixel(dc, X, Y);
        ReleaseDC(Window, dc);
        return color;
    }
    QForm form;
};

bool IsDark(COLORREF Color) {
    return GetRValue(Color) + GetGValue(Color) + GetBValue(Color) < 200;
}

} // namespace

TEST_F(DemoTest, BoxIsASunkenRedChildThatWritesItsClassName) {
    QBox box;
    box.SetBounds(0, 0, 120, 60);
    box.SetParent(&form);
    ASSERT_TRUE(IsWindow(box.Handle()));
    EXPECT_TRUE(GetWindowLongA(box.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    for (int repaint = 0; repaint < 2; ++repaint) {
        RedrawWindow(box.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(PixelOf(box.Handle(), 5, 5), RGB(255, 0, 0));
        bool textAt2020 = false;
        for (int x = 20; x < 40 && !textAt2020; ++x)
            for (int y = 20; y < 34 && !textAt2020; ++y)
                textAt2020 = IsDark(PixelOf(box.Handle(), x, y));
        EXPECT_TRUE(textAt2020) << "repaint " << repaint;
    }
}

// The frame's own values are in the component table.
TEST_F(DemoTest, MyFrameHoldsTheDesignedLabelAndButton) {
    StdoutCapture out; // the members' failed creations print their diagnostics
    QMyFrame frame;
    EXPECT_EQ(frame.Name(), "Form1");
    EXPECT_EQ(frame.Text(), "Form1");
    EXPECT_EQ(frame.Align(), alClient);
    ASSERT_EQ(frame.ControlCount(), 2);
    EXPECT_EQ(frame.Controls(0), &frame.Label1);
    EXPECT_EQ(frame.Controls(1), &frame.Button1);
    auto bounds = [](QFrame& F) {
        return std::vector<int>{F.Left(), F.Top(), F.Width(), F.Height()};
    };
    EXPECT_EQ(bounds(frame.Label1), (std::vector<int>{104, 24, 241, 89}));
    EXPECT_EQ(bounds(frame.Button1), (std::vector<int>{368, 32, 75, 35}));
    EXPECT_EQ(frame.Label1.Canvas.Color(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(frame.Button1.Canvas.Color(), GetSysColor(COLOR_BTNFACE));
}

TEST_F(DemoTest, RedFormIsRedAgainAfterItsWindowIsCreated) {
    QRed red;
    red.Canvas.SetColor(RGB(0, 0, 255));
    red.SetBounds(0, 0, 40, 40);
    red.SetParent(&form);
    ASSERT_TRUE(IsWindow(red.Handle()));
    RedrawWindow(red.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(PixelOf(red.Handle(), 5, 5), RGB(255, 0, 0)) << "red again after WM_CREATE";
}

TEST_F(DemoTest, BlueWindowMadeByNamePaintsBlue) {
    HWND blue = CreateWindowExA(0, "QBlue", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, form.Handle(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(blue);
    RedrawWindow(blue, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(PixelOf(blue, 10, 10), RGB(0, 0, 255));
    DestroyWindow(blue);
}

TEST_F(DemoTest, ClassesComeAndGoTogether) {
    const char* names[] = {"QBlue", "QGreen", "QRed", "QDummy", "QMyFrame", "QBox"};
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    UnregisterDemoClasses();
    for (const char* name : names)
        EXPECT_FALSE(GetClassInfoExA(GetModuleHandleA(nullptr), name, &info)) << name;
    RegisterDemoClasses();
    for (const char* name : names)
        EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), name, &info)) << name;
}
