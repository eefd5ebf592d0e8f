#include "support/box_recorder.h"

#include <gtest/gtest.h>

namespace {

BoxRecorder* Current = nullptr;

int WINAPI RecordBox(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Style) {
    CaughtBox box{Caption ? Caption : "", Text ? Text : "", Owner, Style};
    if (Current)
        Current->Caught.push_back(box);
    else
        ADD_FAILURE() << "unexpected message box \"" << box.Caption << "\": " << box.Text;
    return IDOK;
}

} // namespace

// The library is linked into the test program, so its calls to MessageBoxA go through the
// program's import slot for it. Defining that slot here makes the linker take it instead of
// User32's import library, pointing at RecordBox.
#ifdef _WIN64
extern "C" decltype(&MessageBoxA) ImportedMessageBox asm("__imp_MessageBoxA");
#else
extern "C" decltype(&MessageBoxA) ImportedMessageBox asm("__imp__MessageBoxA@16");
#endif
decltype(&MessageBoxA) ImportedMessageBox = &RecordBox;

BoxRecorder::BoxRecorder() : Outer(Current) {
    Current = this;
}

BoxRecorder::~BoxRecorder() {
    Current = Outer;
}
