#include "support/box_recorder.h"

#include <gtest/gtest.h>

namespace {

BoxRecorder* Current = nullptr;

std::string OrEmpty(LPCSTR Text) {
    return Text ? Text : "";
}

// Points the program's import of User32's Function at Replacement.
bool PatchImport(const char* Function, void* Replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
    for (; module->Name; ++module) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + module->Name), "user32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<char*>(byName->Name), Function) != 0) continue;
            DWORD old;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &old);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(Replacement);
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, old, &old);
            return true;
        }
    }
    return false;
}

} // namespace

int WINAPI RecordBox(HWND Owner, LPCSTR Text, LPCSTR Caption, UINT Style) {
    if (!Current) {
        ADD_FAILURE() << "unexpected message box \"" << OrEmpty(Caption) << "\": " << OrEmpty(Text);
        return IDOK;
    }
    Current->Caught.push_back({OrEmpty(Caption), OrEmpty(Text), Owner, Style});
    return IDOK;
}

namespace {

const bool Patched = PatchImport("MessageBoxA", reinterpret_cast<void*>(&RecordBox));

} // namespace

BoxRecorder::BoxRecorder() : Outer(Current) {
    EXPECT_TRUE(Patched) << "the program imports no MessageBoxA to record";
    Current = this;
}

BoxRecorder::~BoxRecorder() {
    Current = Outer;
}
