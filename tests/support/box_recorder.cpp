#include "support/box_recorder.h"

#include "support/import_slot.h"

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

extern "C" decltype(&MessageBoxA) ImportedMessageBox IMPORT_SLOT(MessageBoxA, 16);
decltype(&MessageBoxA) ImportedMessageBox = &RecordBox;

BoxRecorder::BoxRecorder() : Outer(Current) {
    Current = this;
}

BoxRecorder::~BoxRecorder() {
    Current = Outer;
}
