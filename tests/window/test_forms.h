// Shared set-up for the tests on real windows.
#pragma once

#include "designer/editor.h"
#include "object/class_registry.h"
#include "object/forms.h"
#include "object/window_class.h"
#include "support/box_recorder.h"
#include "support/message_pump.h"
#include "support/stdout_capture.h"

#include <gtest/gtest.h>

#include <sstream>

// A frame of a window class of the tests' own, "QTestFrame".
class TestFrame : public QFrame {
public:
    TestFrame() { FClassName = "QTestFrame"; }
    TestFrame* Self() override { return this; }
    void HandleMessage(QMessage& M) override {
        QFrame::HandleMessage(M);
        // No address of the paint's context outlives the paint.
        if (M.Msg == WM_PAINT && M.Extra2) ADD_FAILURE() << "a paint's context outlived it";
    }
};

// Registers the form and test classes once.
class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        [[maybe_unused]] static ATOM registered =
            (RegisterFormClass(), TestFrame().RegisterWindowClass(&FrameWindowProc<TestFrame>));
    }
};

// With a shown top-level form for the test's windows.
class FormTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        form.SetParent(nullptr);
    }
    QForm form;
};

// With the library's classes registered, as a program that loaded it has them.
class LibraryFormTest : public FormTest {
protected:
    void SetUp() override {
        // The editor library is the editor test's own business.
        [[maybe_unused]] static bool once = (RegisterLibraryClasses(), FreeEditorLibrary(), true);
        FormTest::SetUp();
    }
};

// A child test frame on Parent, created at once when Parent has a window.
inline void MakeChild(TestFrame& Child, QFrame& Parent, int Left = 0, int Top = 0, int Width = 50,
                      int Height = 20) {
    Child.SetStyle(WS_CHILD);
    Child.SetBounds(Left, Top, Width, Height);
    Child.SetParent(&Parent);
}

// The values, each followed by a space: one line of observations to compare whole.
template <class... Values> std::string Join(const Values&... Items) {
    std::ostringstream line;
    ((line << Items << ' '), ...);
    return line.str();
}
