// Stand-in for the editor library: its factory makes a "TSynEdit" window, a multi-line edit
// with scroll bars, tab stops and a fixed-pitch font, on the parent window it is handed.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>

#define QUOTE_(X) #X
#define QUOTE(X) QUOTE_(X)

// The symbol carries the stdcall decoration on every architecture, so the two .def files can
// export it as "Create" and as "Create@28" alike on i686 and x86_64.
extern "C" BOOL __stdcall Create(const char* ClassName, HWND* Window, int Left, int Top, int Width,
                                 int Height,
                                 int32_t* Extra) __asm__(QUOTE(__USER_LABEL_PREFIX__) "Create@28");

namespace {

const char EditorClass[] = "TSynEdit";

struct FontDeleter {
    void operator()(HFONT Font) const { DeleteObject(Font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

HINSTANCE Instance = nullptr;
WNDPROC EditProc = nullptr;
// The editor's font lives in the extra window bytes after those of the system edit.
int FontSlot = 0;

LRESULT CALLBACK EditorProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    LRESULT result = CallWindowProcA(EditProc, Window, Msg, WParam, LParam);
    // The window owns its font: it goes with the window.
    if (Msg == WM_NCDESTROY)
        FontHandle(reinterpret_cast<HFONT>(SetWindowLongPtrA(Window, FontSlot, 0))).reset();
    if (Msg == WM_CREATE && result != -1) {
        FontHandle font(CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    FIXED_PITCH | FF_MODERN, "Courier New"));
        SendMessageA(Window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
        SetWindowLongPtrA(Window, FontSlot, reinterpret_cast<LONG_PTR>(font.release()));
        // A tab every four characters (16 dialog units).
        UINT tabs = 16;
        SendMessageA(Window, EM_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabs));
    }
    return result;
}

ATOM RegisterEditorClass() {
    WNDCLASSEXA record{};
    record.cbSize = sizeof record;
    if (!GetClassInfoExA(nullptr, "Edit", &record)) return 0;
    EditProc = record.lpfnWndProc;
    FontSlot = record.cbWndExtra;
    record.cbWndExtra += sizeof(HFONT);
    // Private to this library: its procedure goes when the library is freed.
    record.style &= ~CS_GLOBALCLASS;
    record.hInstance = Instance;
    record.lpfnWndProc = EditorProc;
    record.lpszClassName = EditorClass;
    return RegisterClassExA(&record);
}

} // namespace

// Makes a window of the class asked for (core asks for "TSynEdit") on the parent *Window names.
// The seventh argument receives the error code of a failed creation, 0 on success.
BOOL __stdcall Create(const char* ClassName, HWND* Window, int Left, int Top, int Width, int Height,
                      int32_t* Extra) {
    static const ATOM registered = RegisterEditorClass();
    if (!registered || !ClassName || !Window) return FALSE;
    HWND editor =
        CreateWindowExA(WS_EX_CLIENTEDGE, ClassName, "",
                        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                            ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN,
                        Left, Top, Width, Height, *Window, nullptr, Instance, nullptr);
    if (Extra) *Extra = editor ? 0 : static_cast<int32_t>(GetLastError());
    if (!editor) return FALSE;
    *Window = editor;
    return TRUE;
}

BOOL WINAPI DllMain(HINSTANCE Module, DWORD Reason, LPVOID) {
    if (Reason == DLL_PROCESS_ATTACH) Instance = Module;
    // Windows keep a library's classes after it is freed; a later load must register afresh.
    if (Reason == DLL_PROCESS_DETACH) UnregisterClassA(EditorClass, Instance);
    return TRUE;
}
