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

// Points the program's import of User32's MessageBoxA at RecordBox.
bool PatchImport() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress);
    for (; module->Name; ++module) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + module->Name), "user32.dll")) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) || lstrcmpA(byName->Name, "MessageBoxA"))
                continue;
            DWORD old;
            VirtualProtect(&slots->u1.Function, sizeof(void*), PAGE_READWRITE, &old);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(&RecordBox);
            return true;
        }
    }
    return false;
}

const bool Patched = PatchImport();

} // namespace

BoxRecorder::BoxRecorder() : Outer(Current) {
    EXPECT_TRUE(Patched) << "the program imports no MessageBoxA to record";
    Current = this;
}

BoxRecorder::~BoxRecorder() {
    Current = Outer;
}
