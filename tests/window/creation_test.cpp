// Window creation, class registration and the binding between windows and frames.
#include "test_forms.h"

#include <string>

namespace {

std::string Describe(QFrame& Frame) {
    HWND window = Frame.Handle();
    // Before a window exists, the procedure is the registered class's.
    if (!IsWindow(window)) return Frame.WndProc() ? "no window" : "no window, no procedure";
    std::string seen;
    for (int value : {Frame.Left(), Frame.Top(), Frame.Width(), Frame.Height()})
        seen += std::to_string(value) + " ";
    seen += "'" + Frame.Text() + "'" + (IsWindowEnabled(window) ? "" : " disabled");
    seen += IsWindowVisible(window) ? " visible" : "";
    seen += Frame.Style() & WS_CHILD ? " id " + std::to_string(Frame.ID()) : "";
    bool clipping = (Frame.Style() & 0x06000000u) == 0x06000000u;
    return seen + (clipping && BoundFrame(window) == &Frame ? " bound" : " unbound");
}

} // namespace

TEST_F(WindowTest, CreationAppliesTheFieldsWrittenBefore) {
    const struct {
        const char* Name;
        void (*Prepare)(QForm&, LoggingFrame&);
        const char* Expected; // lines printed, boxes shown | the form | the child
    } rows[] = {
        {"DefaultForm", [](QForm&, LoggingFrame&) {},
         "QForm LastError | 0 0 350 250 '' visible bound"},
        {"FieldsWritten",
         [](QForm& F, LoggingFrame&) {
             F.SetVisible(false);
             F.SetEnabled(false);
             F.SetBounds(10, 20, 300, 200);
             F.SetText("abc");
         },
         "QForm LastError | 10 20 300 200 'abc' disabled bound"},
        {"PendingChildBeforeOnCreate",
         [](QForm& F, LoggingFrame& C) {
             C.SetID(42);
             MakeChild(C, F, 5, 6);
             F.OnCreate = [](QFrame* S) { S->SetText(S->Controls(0)->Handle() ? "ready" : "no"); };
         },
         "QForm QTestFrame LastError LastError | 0 0 350 250 'ready' visible bound | 5 6 50 20 '' "
         "visible id 42 bound"},
        {"FailedCreation", [](QForm& F, LoggingFrame&) { F.SetStyle(WS_CHILD); },
         "QForm LastError | no window"},
        {"UnknownClass", [](QForm& F, LoggingFrame&) { F.SetClassName("NoSuchClass"); },
         "Can''t find the class./NoSuchClass/262144 | no window, no procedure"},
        {"NoClass", [](QForm& F, LoggingFrame&) { F.SetClassName(""); },
         "Can''t find the class.//262144 | no window, no procedure"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        QForm form;
        LoggingFrame child;
        row.Prepare(form, child);
        StdoutCapture out;
        BoxRecorder boxes;
        form.SetParent(nullptr);
        std::string seen;
        for (const std::string& line : out.Lines())
            seen += line.substr(0, line.find(" Was=")) + " ";
        for (const CaughtBox& box : boxes.Boxes())
            seen += box.Text + "/" + box.Caption + "/" + std::to_string(box.Style) + " ";
        seen += "| " + Describe(form) + (child.Parent() ? " | " + Describe(child) : "");
        EXPECT_EQ(seen, row.Expected);
        EXPECT_EQ(CreatingFrame, nullptr);
    }
}

// Windows made by the platform alone get a frame of their class's fallback kind, bound in the
// last pointer of the extra memory; messages before WM_NCCREATE go to frames that die at once.
TEST_F(WindowTest, WindowsMadeWithoutAFrameGetOneWhereTheirClassHasTheSlot) {
    QForm form;
    form.SetParent(nullptr);
    std::string seen;
    const std::pair<const char*, DWORD> classes[] = {
        {"QTestFrame", WS_CHILD}, {"QForm", WS_OVERLAPPEDWINDOW}, {"Button", WS_CHILD}};
    for (auto [name, style] : classes) {
        HWND parent = style & WS_CHILD ? form.Handle() : nullptr;
        HWND window =
            CreateWindowExA(0, name, "", style, 0, 0, 9, 9, parent, nullptr, nullptr, nullptr);
        QFrame* frame = FrameOfWindow(window);
        seen += frame ? "slot " + std::to_string(BindingSlotIndex(window)) + " " : "none ";
        if (auto* logging = dynamic_cast<LoggingFrame*>(frame))
            seen += std::to_string(logging->Log.All().front().Msg) + " ";
        DestroyWindow(window);
        seen += FrameOfWindow(window) ? "kept; " : "; ";
    }
    EXPECT_EQ(seen, "slot 0 129 ; slot 0 ; none ; ");
}

TEST_F(WindowTest, DeletedFramesLeaveNoDanglingPointers) {
    auto* form = new QForm;
    form->SetParent(nullptr);
    auto* child = new LoggingFrame; // not a form: its own window outlives it
    LoggingFrame grandchild;
    MakeChild(*child, *form);
    MakeChild(grandchild, *child);
    HWND window = child->Handle(), formWindow = form->Handle();
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    ASSERT_EQ(form->ActiveControl, child);
    delete child;
    EXPECT_TRUE(!form->ActiveControl && !BoundFrame(window) && !form->ControlCount());
    EXPECT_TRUE(!grandchild.Parent() && !IsWindow(grandchild.Handle()));
    SendMessageA(window, WM_NULL, 0, 0); // reaches a fallback frame, not freed memory
    delete form;
    EXPECT_FALSE(IsWindow(formWindow)) << "a form destroys its window";
}
