// Gadgets over the common-controls tool bar and over a class of their own.
#include "controls/gadget.h"
#include "test_forms.h"

#include <commctrl.h>

namespace {

class GadgetTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        InitCommonControls();
        form.SetVisible(false);
        form.SetParent(nullptr);
        ToolBar.ClassName = "QToolBarGadget";
        ToolBar.ClassAncestor = "toolbarwindow32";
        ToolBar.Style = WS_CHILD | WS_VISIBLE;
        ToolBar.Width = 200;
        ToolBar.Height = 30;
        ToolBar.WndProc = GetGadgetWndProc();
    }
    // The colour the gadget's erase leaves in a memory bitmap.
    static COLORREF ErasedColor(QFrame& Gadget, LRESULT* Result = nullptr) {
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
        HGDIOBJ previous = SelectObject(memory, bitmap);
        LRESULT result =
            SendMessageA(Gadget.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        if (Result) *Result = result;
        COLORREF color = GetPixel(memory, 1, 1);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
        DeleteDC(memory);
        return color;
    }
    // The form outlives the tests' records, and its windows' last messages may build gadgets
    // from the record WindowInfoPtr names: by then it must name none.
    void TearDown() override { WindowInfoPtr = nullptr; }
    QForm form;
    QWindowInfo ToolBar;
};

} // namespace

TEST_F(GadgetTest, ToolBarGadgetBindsAndErasesInButtonFace) {
    QGadget gadget(&ToolBar);
    gadget.SetParent(&form);
    ASSERT_TRUE(IsWindow(gadget.Handle()));
    EXPECT_EQ(FrameOfWindow(gadget.Handle()), &gadget);
    LRESULT result = 0;
    EXPECT_EQ(ErasedColor(gadget, &result), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(result, reinterpret_cast<LRESULT>(gadget.Canvas.Brush()));
    gadget.Canvas.SetColor(RGB(255, 0, 0));
    EXPECT_EQ(ErasedColor(gadget), RGB(255, 0, 0));
    EXPECT_EQ(GetGadgetWndProc(), GetGadgetWndProc());
}

TEST_F(GadgetTest, TwoGadgetsFromOneRecordAndOneMadeFromTheLastRecord) {
    QGadget first(&ToolBar), second(&ToolBar);
    first.SetParent(&form);
    second.SetParent(&form);
    EXPECT_TRUE(IsWindow(first.Handle()));
    EXPECT_TRUE(IsWindow(second.Handle())) << "the second registration fails harmlessly";
    QWindowInfo asked;
    SendMessageA(first.Handle(), QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(&asked));
    HWND direct = CreateWindowExA(0, "QToolBarGadget", "", WS_CHILD, 0, 0, 50, 20, form.Handle(),
                                  nullptr, nullptr, nullptr);
    auto* made = dynamic_cast<QGadget*>(FrameOfWindow(direct));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->ClassName(), "QToolBarGadget");
    EXPECT_EQ(made->ClassAncestor(), "toolbarwindow32") << "built from the record asked last";
}

TEST_F(GadgetTest, OwnClassAndMissingRecord) {
    QWindowInfo own;
    own.ClassName = "QOwnGadget";
    own.Style = WS_CHILD;
    own.Width = 30;
    own.Height = 30;
    own.WndProc = GetGadgetWndProc();
    QGadget gadget(&own);
    gadget.SetParent(&form);
    ASSERT_TRUE(IsWindow(gadget.Handle()));
    EXPECT_EQ(ErasedColor(gadget), GetSysColor(COLOR_BTNFACE));
    BoxRecorder recorder;
    QGadget empty(nullptr);
    empty.SetParent(&form);
    EXPECT_FALSE(IsWindow(empty.Handle()));
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].Text, "Can''t find the class.");
}

TEST_F(GadgetTest, ARecordThatCameByMessageIsCopiedAndAProgramsOwnRecordIsReadLive) {
    QGadget asked(&ToolBar);
    asked.SetParent(&form);
    auto MadeByName = [&] {
        HWND window = CreateWindowExA(0, "QToolBarGadget", "", WS_CHILD, 0, 0, 50, 20,
                                      form.Handle(), nullptr, nullptr, nullptr);
        return dynamic_cast<QGadget*>(FrameOfWindow(window));
    };
    // The sender reuses and frees its record once the message has returned.
    auto* record = new QWindowInfo;
    SendMessageA(asked.Handle(), QM_GETWINDOWINFO, 0, reinterpret_cast<LPARAM>(record));
    *record = QWindowInfo{};
    record->ClassAncestor = "freed";
    delete record;
    QGadget* fromMessage = MadeByName();
    ASSERT_NE(fromMessage, nullptr);
    EXPECT_EQ(fromMessage->ClassAncestor(), "toolbarwindow32");

    // A program that points WindowInfoPtr at its own record and refills it between creations.
    QWindowInfo own = ToolBar;
    WindowInfoPtr = &own;
    own.ClassAncestor = "Static";
    QGadget* first = MadeByName();
    own.ClassAncestor = "Button";
    QGadget* second = MadeByName();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->ClassAncestor(), "Static");
    EXPECT_EQ(second->ClassAncestor(), "Button");

    SendMessageA(asked.Handle(), QM_SETWINDOWINFO, 0, 0);
    EXPECT_EQ(WindowInfoPtr, nullptr) << "a null record clears it";
}
