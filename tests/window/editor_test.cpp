// The hosted editor over the mirvane stand-ins, without mirvane, and over a factory that makes
// no window.
#include "containers/paths.h"
#include "designer/editor.h"
#include "test_forms.h"

#include <array>
#include <cstdint>

namespace {

struct FactoryCall {
    int Count;
    std::string ClassName;
    HWND Window;
    std::array<int, 4> Bounds;
};
FactoryCall HostCall;

} // namespace

// The test program's own factory, which VUdeRedo asks when no editor library is loaded (on
// i686 the export is "Create@28"). So the "no mirvane" tests meet a host factory: it records
// its call and, like a factory that fails, writes no window back.
extern "C" __declspec(dllexport) BOOL
    __stdcall Create(const char* ClassName, HWND* Window, int Left, int Top, int Width, int Height,
                     int32_t*) {
    HostCall = {HostCall.Count + 1, ClassName, *Window, {Left, Top, Width, Height}};
    return FALSE;
}

namespace {

bool IsRegistered(const char* ClassName) {
    WNDCLASSEXA info{};
    info.cbSize = sizeof info;
    return GetClassInfoExA(GetModuleHandleA(nullptr), ClassName, &info) != FALSE;
}

std::string ClassOf(HWND Window) {
    char name[64] = {};
    GetClassNameA(Window, name, sizeof name);
    return name;
}

// Left, top, width and height in the parent's client area.
std::array<int, 4> BoundsOf(HWND Window) {
    RECT r;
    GetWindowRect(Window, &r);
    MapWindowPoints(nullptr, GetParent(Window), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

class EditorTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        HostCall = {};
        form.SetVisible(false);
        form.SetParent(nullptr);
    }
    void TearDown() override {
        // The editor windows run mirvane's code: they go before the library does.
        form.DestroyHandle();
        FreeEditorLibrary();
        DeleteFileA(MIRVANE_INSTALLED);
    }
    // Puts Variant (none when null) where core loads mirvane from, then runs the load step.
    static void Install(const char* Variant) {
        DeleteFileA(MIRVANE_INSTALLED);
        if (Variant) {
            CreateDirectoryA(FolderOf(MIRVANE_INSTALLED).c_str(), nullptr);
            ASSERT_TRUE(CopyFileA(Variant, MIRVANE_INSTALLED, FALSE)) << GetLastError();
        }
        LoadEditorLibrary();
    }
    QForm form;
};

} // namespace

TEST_F(EditorTest, StandInMakesAnEditorOnTheFormThatFollowsTheBoundsAndUnloadFreesIt) {
    Install(MIRVANE_DLL);
    ASSERT_NE(GetModuleHandleA(MIRVANE_INSTALLED), nullptr);
    VUdeRedo editor;
    editor.SetBounds(10, 20, 200, 100);
    editor.SetParent(&form);
    HWND window = editor.Handle();
    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(GetParent(window), form.Handle());
    EXPECT_EQ(ClassOf(window), "TSynEdit");
    EXPECT_EQ(BoundsOf(window), (std::array<int, 4>{10, 20, 200, 100}));
    editor.SetBounds(30, 40, 150, 60);
    EXPECT_EQ(BoundsOf(window), (std::array<int, 4>{30, 40, 150, 60}));
    editor.SetText("one\r\ntwo");
    EXPECT_EQ(editor.Text(), "one\r\ntwo") << "a multi-line edit";
    form.DestroyHandle();
    FreeEditorLibrary();
    EXPECT_EQ(EditorLibrary, nullptr);
    EXPECT_EQ(GetModuleHandleA(MIRVANE_INSTALLED), nullptr);
    EXPECT_FALSE(IsRegistered("VUdeRedo"));
}

TEST_F(EditorTest, FactoryExportedOnlyUnderItsDecoratedNameIsFound) {
    Install(MIRVANE_DECORATED_DLL);
    ASSERT_NE(EditorLibrary, nullptr);
    ASSERT_EQ(GetProcAddress(EditorLibrary, "Create"), nullptr);
    VUdeRedo editor;
    editor.SetParent(&form);
    EXPECT_EQ(ClassOf(editor.Handle()), "TSynEdit");
    EXPECT_EQ(HostCall.Count, 0);
}

TEST_F(EditorTest, NoFactoryOrOneThatMakesNoWindowLeavesTheEditorWithoutOneSilently) {
    BoxRecorder boxes;
    Install(nullptr);
    EXPECT_EQ(EditorLibrary, nullptr);
    EXPECT_TRUE(IsRegistered("VUdeRedo"));
    VUdeRedo editor;
    editor.SetClassAncestor("Edit");
    editor.SetBounds(5, 6, 70, 80);
    editor.SetParent(&form);
    ASSERT_EQ(HostCall.Count, 1) << "without mirvane the host program is asked";
    EXPECT_EQ(HostCall.ClassName, "TSynEdit") << "whatever ClassAncestor holds";
    EXPECT_EQ(HostCall.Window, form.Handle());
    EXPECT_EQ(HostCall.Bounds, (std::array<int, 4>{5, 6, 70, 80}));
    EXPECT_EQ(editor.Handle(), nullptr) << "not the form's window";
    // A library without "Create" (freed again by the unload step): the host is not asked.
    EditorLibrary = LoadLibraryA("gdi32.dll");
    VUdeRedo other;
    other.SetParent(&form);
    EXPECT_EQ(other.EditorFactory, nullptr);
    EXPECT_EQ(other.Handle(), nullptr);
    EXPECT_EQ(HostCall.Count, 1);
    EXPECT_TRUE(boxes.Boxes().empty());
}
