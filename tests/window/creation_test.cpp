// Class registration, window creation and the binding between windows and frames.
#include "test_forms.h"

TEST_F(WindowTest, CreationAppliesFieldsAndPrintsItsLines) {
    StdoutCapture out;
    QForm form;
    form.SetVisible(false);
    form.SetEnabled(false);
    form.SetBounds(10, 20, 300, 200);
    form.SetText("abc");
    form.SetParent(nullptr);
    std::vector<std::string> lines = out.Lines();
    ASSERT_TRUE(IsWindow(form.Handle()));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "QForm");
    EXPECT_EQ(lines[1].rfind("LastError Was=", 0), 0u);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(IsWindowEnabled(form.Handle()));
    EXPECT_EQ(form.Style() & 0x06000000u, 0x06000000u);
    EXPECT_EQ(form.Text(), "abc");
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(form.Width(), 300);
    EXPECT_EQ(CreatingFrame, nullptr);
    EXPECT_EQ(BoundFrame(form.Handle()), &form);
}

TEST_F(WindowTest, ChildGetsItsIdAndIsCreatedWithItsParent) {
    QForm form;
    form.SetVisible(false);
    LoggingFrame child;
    child.SetID(42);
    MakeChild(child, form); // no parent window yet: waits in the list
    EXPECT_EQ(child.Handle(), nullptr);
    form.SetParent(nullptr);
    ASSERT_TRUE(IsWindow(child.Handle()));
    EXPECT_EQ(GetParent(child.Handle()), form.Handle());
    EXPECT_EQ(GetWindowLongPtrA(child.Handle(), GWLP_ID), 42);
    EXPECT_EQ(child.Parent(), &form);
    EXPECT_EQ(child.ParentHandle(), form.Handle());
}

TEST_F(WindowTest, UnknownOrEmptyClassShowsTheBoxAndMakesNoWindow) {
    BoxRecorder recorder;
    QFrame nameless;
    nameless.CreateHandle();
    QFrame unknown;
    unknown.SetClassName("NoSuchClass");
    unknown.CreateHandle();
    QCustomForm custom;
    custom.CreateHandle();
    EXPECT_EQ(nameless.Handle(), nullptr);
    EXPECT_EQ(unknown.Handle(), nullptr);
    EXPECT_EQ(custom.Handle(), nullptr);
    std::vector<CaughtBox> boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].Text, "Can''t find the class.");
    EXPECT_EQ(boxes[0].Caption, "");
    EXPECT_EQ(boxes[1].Caption, "NoSuchClass");
    EXPECT_EQ(boxes[1].Style, static_cast<UINT>(MB_TOPMOST));
}

TEST_F(WindowTest, FailedCreationClearsTheCreatingFrame) {
    QForm form;
    form.SetStyle(WS_CHILD); // a child without a parent window cannot be created
    StdoutCapture out;
    form.CreateHandle();
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(CreatingFrame, nullptr);
    EXPECT_EQ(out.Lines().size(), 2u);
}

TEST_F(WindowTest, FrameOfWindowAnswersNullWithoutALiveFrame) {
    EXPECT_EQ(FrameOfWindow(nullptr), nullptr);
    // A system window's last extra bytes are the system's own, not a frame address.
    HWND plain = CreateWindowExA(0, "Button", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(plain);
    EXPECT_EQ(FrameOfWindow(plain), nullptr);
    DestroyWindow(plain);
    EXPECT_EQ(FrameOfWindow(plain), nullptr);
}

TEST_F(WindowTest, DirectChildOfTheTestClassBindsAfterTheSystemExtraMemory) {
    QForm form;
    form.SetVisible(false);
    form.SetParent(nullptr);
    HWND child = CreateWindowExA(0, "QTestFrame", "", WS_CHILD, 0, 0, 10, 10, form.Handle(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(child);
    EXPECT_EQ(BindingSlotIndex(child), 0);
    auto* frame = dynamic_cast<LoggingFrame*>(FrameOfWindow(child));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Log.All().front().Msg, static_cast<UINT>(WM_NCCREATE));
}

TEST_F(WindowTest, SuperclassKeepsTheAncestorsMemoryAndAddsTheSlot) {
    ATOM atom = RegisterSuperclass("QTestButton", "Button", &FrameWindowProc<QFrame>);
    ASSERT_NE(atom, 0);
    WNDCLASSEXA button{}, derived{};
    button.cbSize = derived.cbSize = sizeof button;
    GetClassInfoExA(nullptr, "Button", &button);
    GetClassInfoExA(GetModuleHandleA(nullptr), "QTestButton", &derived);
    EXPECT_EQ(derived.cbWndExtra, button.cbWndExtra + static_cast<int>(sizeof(void*)));
    EXPECT_EQ(derived.style, button.style | LibraryClassStyle);
    EXPECT_EQ(RegisterSuperclass("", "Button", &DefWindowProcA), 0);
    EXPECT_EQ(RegisterSuperclass("QTestOrphan", "NoAncestor", &DefWindowProcA), 0);
    UnregisterClassA("QTestButton", GetModuleHandleA(nullptr));
}

TEST_F(WindowTest, FrameRegistrationWithoutAncestorGetsTheArrowCursor) {
    QFrame frame;
    frame.SetClassName("QTestOwnClass");
    ASSERT_NE(frame.RegisterWindowClass(&FrameWindowProc<QFrame>), 0);
    EXPECT_EQ(frame.WindowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(frame.WindowClass.style, LibraryClassStyle);
    EXPECT_EQ(frame.WndProc(), &FrameWindowProc<QFrame>);
    UnregisterClassA("QTestOwnClass", GetModuleHandleA(nullptr));
}

TEST_F(WindowTest, DeletedFocusedChildLeavesNoDanglingBindingOrActiveControl) {
    QForm form;
    form.SetVisible(false);
    form.SetParent(nullptr);
    auto* child = new LoggingFrame;
    MakeChild(*child, form);
    HWND window = child->Handle();
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    ASSERT_EQ(form.ActiveControl, child);
    delete child;
    EXPECT_EQ(form.ActiveControl, nullptr);
    EXPECT_EQ(BoundFrame(window), nullptr);
    SendMessageA(window, WM_NULL, 0, 0); // reaches a fallback frame, not freed memory
}

TEST_F(WindowTest, RecreateAndDestroyHandle) {
    QForm form;
    form.SetVisible(false);
    form.SetParent(nullptr);
    HWND first = form.Handle();
    form.RecreateHandle();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(form.Handle()));
    form.DestroyHandle();
    EXPECT_EQ(form.Handle(), nullptr);
}

TEST_F(WindowTest, FrameDestructionLeavesNoDanglingParentOrListEntry) {
    QForm form;
    form.SetVisible(false);
    form.SetParent(nullptr);
    LoggingFrame child;
    {
        LoggingFrame parent; // not a form: its own window stays
        MakeChild(parent, form);
        MakeChild(child, parent);
        ASSERT_TRUE(IsWindow(child.Handle()));
    }
    EXPECT_FALSE(IsWindow(child.Handle())) << "the parent destroys its children's windows";
    EXPECT_EQ(child.Parent(), nullptr);
    {
        LoggingFrame leaving;
        MakeChild(leaving, form);
        EXPECT_EQ(form.ControlCount(), 1);
    }
    EXPECT_EQ(form.ControlCount(), 0);
}
