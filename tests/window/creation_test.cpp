// Window creation, class registration and the binding between windows and frames.
#include "test_forms.h"

#include <string>

namespace {

std::string Describe(QFrame& F) {
    HWND w = F.Handle();
    // Before a window exists, the procedure is the registered class's.
    if (!IsWindow(w)) return F.WndProc() ? "no window" : "no window, no procedure";
    std::string seen = std::to_string(F.Left()) + " " + std::to_string(F.Top()) + " " +
                       std::to_string(F.Width()) + " " + std::to_string(F.Height()) + " '" +
                       F.Text() + "'" + (IsWindowEnabled(w) ? "" : " disabled");
    seen += IsWindowVisible(w) ? " visible" : "";
    seen += F.Style() & WS_CHILD ? " id " + std::to_string(F.ID()) : "";
    bool clipping = (F.Style() & 0x06000000u) == 0x06000000u;
    return seen + (clipping && BoundFrame(w) == &F ? " bound" : " unbound");
}

} // namespace

TEST_F(WindowTest, CreationAppliesTheFieldsWrittenBefore) {
    QForm plain, form, failed, unknown, nameless;
    LoggingFrame child;
    form.SetVisible(false);
    form.SetEnabled(false);
    form.SetBounds(10, 20, 300, 200);
    child.SetID(42);
    MakeChild(child, form, 5, 6); // no parent window yet: waits in the list
    form.OnCreate = [](QFrame* S) { S->SetText(S->Controls(0)->Handle() ? "ready" : "early"); };
    failed.SetStyle(WS_CHILD); // a child without a parent window
    unknown.SetClassName("NoSuchClass");
    nameless.SetClassName("");
    StdoutCapture out;
    BoxRecorder boxes;
    std::string seen;
    for (QForm* each : {&plain, &form, &failed, &unknown, &nameless}) {
        each->SetParent(nullptr);
        seen += Describe(*each) + (CreatingFrame ? " still creating | " : " | ");
    }
    seen += Describe(child);
    for (const std::string& line : out.Lines())
        seen += " " + line.substr(0, line.find(" Was="));
    for (const CaughtBox& box : boxes.Boxes())
        seen += " " + box.Text + "/" + box.Caption + "/" + std::to_string(box.Style);
    EXPECT_EQ(seen,
              "0 0 350 250 '' visible bound | 10 20 300 200 'ready' disabled bound | no window | "
              "no window, no procedure | no window, no procedure | 5 6 50 20 '' id 42 bound"
              " QForm LastError QForm QTestFrame LastError LastError QForm LastError"
              " Can''t find the class./NoSuchClass/262144 Can''t find the class.//262144");
}

// Windows made by the platform alone get a frame of their class's fallback kind, bound in the
// last pointer of the extra memory; messages before WM_NCCREATE go to frames that die at once.
TEST_F(WindowTest, WindowsMadeWithoutAFrameGetOneWhereTheirClassHasTheSlot) {
    std::string seen;
    const std::pair<const char*, DWORD> classes[] = {
        {"QTestFrame", WS_POPUP}, {"QForm", WS_OVERLAPPEDWINDOW}, {"Button", WS_POPUP}};
    for (auto [name, style] : classes) {
        HWND window =
            CreateWindowExA(0, name, "", style, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
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
    MakeChild(*child, *form);
    HWND window = child->Handle(), formWindow = form->Handle();
    SendMessageA(window, WM_SETFOCUS, 0, 0);
    ASSERT_EQ(form->ActiveControl, child);
    delete child;
    EXPECT_TRUE(!form->ActiveControl && !BoundFrame(window) && !form->ControlCount());
    SendMessageA(window, WM_NULL, 0, 0); // reaches a fallback frame, not freed memory
    delete form;
    EXPECT_FALSE(IsWindow(formWindow)) << "a form destroys its window";
}
