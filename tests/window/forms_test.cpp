// Forms on real windows: form styles, the main menu, destruction and the message loop.
#include "test_forms.h"

#include <string>

TEST_F(WindowTest, StayOnTopFormIsCreatedTopmostAndNormalClearsIt) {
    QForm form;
    form.SetVisible(false);
    form.SetFormStyle(fsStayOnTop);
    form.SetParent(nullptr);
    ASSERT_TRUE(IsWindow(form.Handle()));
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form.SetFormStyle(fsNormal);
    EXPECT_EQ(form.ExStyle() & (WS_EX_TOPMOST | WS_EX_MDICHILD), 0u) << "the live window too";
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form.SetFormStyle(fsNormal);
    form.SetFormStyle(1);
    EXPECT_EQ(form.FormStyle(), 1);
    EXPECT_EQ(form.ExStyle() & (WS_EX_TOPMOST | WS_EX_MDICHILD), 0u);
}

TEST_F(WindowTest, FormTakesTheExecutablesMainMenu) {
    QForm form;
    form.SetVisible(false);
    form.SetParent(nullptr);
    HMENU menu = GetMenu(form.Handle());
    ASSERT_NE(menu, nullptr) << "the test program carries a \"MainMenu\" resource";
    EXPECT_EQ(GetMenuItemCount(menu), 1);
}

TEST_F(WindowTest, DestroyingAFormDestroysItsWindowClosingDoesNotDestroyTheObject) {
    auto* form = new QForm;
    form->SetVisible(false);
    form->SetParent(nullptr);
    HWND window = form->Handle();
    delete form;
    EXPECT_FALSE(IsWindow(window));

    QForm kept;
    kept.SetVisible(false);
    kept.SetParent(nullptr);
    StdoutCapture out;
    SendMessageA(kept.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(out.Lines(), std::vector<std::string>{"destroy"});
    EXPECT_FALSE(IsWindow(kept.Handle()));
    kept.SetParent(nullptr);
    EXPECT_TRUE(IsWindow(kept.Handle())) << "the object can create a new window";
}

static void CALLBACK QuitLater(HWND, UINT, UINT_PTR Id, DWORD) {
    KillTimer(nullptr, Id);
    PostQuitMessage(4);
}

TEST_F(WindowTest, RunDeliversEventsAndEndsOnlyOnQuit) {
    QForm form;
    form.SetVisible(false);
    static int clicks;
    clicks = 0;
    form.OnClick = [](QFrame*) { ++clicks; };
    form.SetParent(nullptr);
    PostMessageA(form.Handle(), WM_LBUTTONDOWN, 0, 0);
    PostMessageA(form.Handle(), WM_LBUTTONDOWN, 0, 0);
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    // Closing the only form must not end the loop: the quit comes later, from a timer.
    SetTimer(nullptr, 0, 20, QuitLater);
    StdoutCapture out;
    QApplication application;
    EXPECT_EQ(application.Run(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(IsWindow(form.Handle()));
    EXPECT_EQ(out.Lines(), std::vector<std::string>{"destroy"});
}
