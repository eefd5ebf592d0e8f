#include "designer/editor.h"

HMODULE EditorLibrary = nullptr;

namespace {

// "Create" itself or, failing that, its first decorated form "Create@0" to "Create@252".
QEditorFactory FindFactory(HMODULE Module) {
    FARPROC found = GetProcAddress(Module, "Create");
    for (int bytes = 0; !found && bytes <= 252; bytes += 4)
        found = GetProcAddress(Module, ("Create@" + std::to_string(bytes)).c_str());
    return reinterpret_cast<QEditorFactory>(reinterpret_cast<void*>(found));
}

} // namespace

VUdeRedo::VUdeRedo() {
    FClassName = "VUdeRedo";
    FClassAncestor = "TSynEdit";
}

void VUdeRedo::CreateHandle() {
    // Without the editor library a host program may offer the factory itself.
    EditorFactory = FindFactory(EditorLibrary ? EditorLibrary : GetModuleHandleA(nullptr));
    if (!EditorFactory) return;
    // Read before Handle names the parent: with a window the getters would read the parent's.
    int left = Left(), top = Top(), width = Width(), height = Height();
    HWND previous = FHandle;
    HWND parent = ParentHandle();
    FHandle = parent;
    int32_t extra = 0;
    EditorFactory("TSynEdit", &FHandle, left, top, width, height, &extra);
    // A factory that made no window leaves the parent's handle behind; the component would then
    // move, hide and destroy its parent's window as its own. It keeps its previous handle.
    if (FHandle == parent) FHandle = previous;
}

void LoadEditorLibrary() {
    EditorLibrary = LoadLibraryA(MIRVANE_PATH);
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    record.style = CS_GLOBALCLASS;
    record.lpfnWndProc = DefWindowProcA;
    record.lpszClassName = "VUdeRedo";
    RegisterClassExA(&record);
}

void FreeEditorLibrary() {
    if (EditorLibrary) FreeLibrary(EditorLibrary);
    EditorLibrary = nullptr;
    UnregisterClassA("VUdeRedo", GetModuleHandleA(nullptr));
}
