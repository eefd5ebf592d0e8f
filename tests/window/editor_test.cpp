// The hosted editor over the mirvane stand-ins, without mirvane, and over a library without a
// factory.
#include "containers/paths.h"
#include "designer/editor.h"
#include "support/library_classes.h"
#include "test_forms.h"

#include <cstdint>

namespace {

std::string ClassOf(HWND Window) {
    char name[64] = {};
    GetClassNameA(Window, name, sizeof name);
    return name;
}

std::string HostCall;

} // namespace

// The test program's own factory, which VUdeRedo asks when no editor library is loaded (on
// i686 the export is "Create@28"). It records its call and, like a factory that fails, writes
// no window back.
extern "C" __declspec(dllexport) BOOL
    __stdcall Create(const char* ClassName, HWND* Window, int Left, int Top, int Width, int Height,
                     int32_t*) {
    HostCall = std::string(ClassName) + " on " + ClassOf(*Window) + " at " + std::to_string(Left) +
               "," + std::to_string(Top) + "," + std::to_string(Width) + "," +
               std::to_string(Height);
    return FALSE;
}

// The editor's window comes from the library's factory, else from the program's; a factory
// that makes none leaves the editor without a window (not its parent's). The unload step
// leaves neither the library nor the class behind.
TEST_F(WindowTest, EditorWindowComesFromTheLibrarysFactoryOrTheProgramsOrNone) {
    const struct {
        const char* Name;
        const char* Installed; // copied where core loads mirvane from
        const char* Loaded;    // a library loaded in its place
        const char* Expected;
    } rows[] = {
        {"stand-in", MIRVANE_DLL, nullptr, "TSynEdit on QForm; host: ; unloaded"},
        {"decorated name only", MIRVANE_DECORATED_DLL, nullptr,
         "TSynEdit on QForm; host: ; unloaded"},
        {"no library", nullptr, nullptr, "none; host: TSynEdit on QForm at 5,6,70,80; unloaded"},
        {"a library without a factory", nullptr, "gdi32.dll", "none; host: ; unloaded"},
    };
    BoxRecorder boxes;
    CreateDirectoryA(FolderOf(MIRVANE_INSTALLED).c_str(), nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        if (row.Installed) CopyFileA(row.Installed, MIRVANE_INSTALLED, FALSE);
        LoadEditorLibrary();
        if (row.Loaded) EditorLibrary = LoadLibraryA(row.Loaded);
        HostCall.clear();
        QForm form;
        form.SetParent(nullptr);
        VUdeRedo editor;
        editor.SetClassAncestor("Edit"); // the factory is asked for TSynEdit whatever this holds
        editor.SetBounds(5, 6, 70, 80);
        editor.SetParent(&form);
        HWND window = editor.Handle();
        std::string observed =
            window ? ClassOf(window) + " on " + ClassOf(GetParent(window)) : "none";
        // The editor's window runs the library's code: it goes before the library does.
        form.DestroyHandle();
        FreeEditorLibrary();
        bool left =
            EditorLibrary || GetModuleHandleA(MIRVANE_INSTALLED) || IsRegistered("VUdeRedo");
        EXPECT_EQ(observed + "; host: " + HostCall + (left ? "; left" : "; unloaded"),
                  row.Expected);
        DeleteFileA(MIRVANE_INSTALLED);
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}
