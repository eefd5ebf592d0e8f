#include "object/scaling.h"

#include "object/frame.h"

#include <cctype>
#include <string>

namespace {

// Whether the program's own manifest (resource 1 of type RT_MANIFEST) declares awareness: the
// platform's answer cannot tell, as some (Wine) call every program aware.
bool ManifestDeclaresAwareness() {
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    const char* text = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!text) return false;
    std::string manifest(text, SizeofResource(program, found));
    for (const char* element : {"dpiAwareness", "dpiAware"}) {
        size_t open = manifest.find(std::string("<") + element);
        size_t start = open == std::string::npos ? open : manifest.find('>', open);
        if (start == std::string::npos) continue;
        std::string value = manifest.substr(start + 1, manifest.find('<', start) - start - 1);
        for (char& c : value)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (value.find("true") != std::string::npos ||
            value.find("permonitor") != std::string::npos ||
            value.find("per monitor") != std::string::npos ||
            value.find("system") != std::string::npos)
            return true;
    }
    return false;
}

// Area grown by the frame the platform draws around a window's client area at PixelsPerInch;
// at the screen's own where the platform draws only that one.
void FrameAround(RECT& Area, DWORD Style, BOOL Menu, DWORD ExStyle, int PixelsPerInch) {
    using ForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto forDpi = reinterpret_cast<ForDpi>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("user32.dll"), "AdjustWindowRectExForDpi")));
    if (!forDpi || !forDpi(&Area, Style, Menu, ExStyle, static_cast<UINT>(PixelsPerInch)))
        AdjustWindowRectEx(&Area, Style, Menu, ExStyle);
}

int& Scaling() {
    static int scaling = ManifestDeclaresAwareness() ? 1 : 0;
    return scaling;
}

} // namespace

bool DpiScaling() {
    return Scaling() != 0;
}

void SetDpiScaling(bool Value) {
    Scaling() = Value ? 1 : 0;
}

int WindowPixelsPerInch(HWND Window) {
    using ForWindow = UINT(WINAPI*)(HWND);
    static auto forWindow = reinterpret_cast<ForWindow>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
    if (forWindow && Window)
        if (UINT perInch = forWindow(Window)) return static_cast<int>(perInch);
    HDC screen = GetDC(nullptr);
    int perInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return perInch;
}

int QFrame::PixelsPerInch() {
    return FParent ? FParent->PixelsPerInch() : FPixelsPerInch;
}

void QFrame::ScaleFrom(int To, int From, const RECT* Outer) {
    auto scaled = [&](int Value) { return MulDiv(Value, To, From); };
    // The holder's own resize lays out nothing: its children are scaled each in its own bounds,
    // and aligned ones are placed again once all are.
    FScaling = true;
    DWORD style = HasWindow() ? static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE)) : WS_CHILD;
    if (!(style & WS_CHILD) && Outer) {
        SetBounds(Outer->left, Outer->top, Outer->right - Outer->left, Outer->bottom - Outer->top);
    } else if (!(style & WS_CHILD)) {
        // A window of its own keeps its place. Its client area is what its outer size leaves
        // inside the frame drawn at From (a designed form's size is given so, whatever frame
        // the screen it is made on draws), scaled; the frame drawn at To goes around it.
        DWORD extended = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
        BOOL menu = GetMenu(FHandle) != nullptr;
        RECT now, frame{}, outer;
        GetWindowRect(FHandle, &now);
        FrameAround(frame, style, menu, extended, From);
        outer = {0, 0, scaled(now.right - now.left - (frame.right - frame.left)),
                 scaled(now.bottom - now.top - (frame.bottom - frame.top))};
        FrameAround(outer, style, menu, extended, To);
        SetBounds(now.left, now.top, outer.right - outer.left, outer.bottom - outer.top);
    } else {
        SetBounds(scaled(Left()), scaled(Top()), scaled(Width()), scaled(Height()));
    }
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ScaleFrom(To, From, nullptr);
    FScaling = false;
    FLaidOutWidth = ClientWidth(), FLaidOutHeight = ClientHeight();
    Realign();
    if (!ParentFont() || !FParent) ShowFont(); // and so every child that takes it
}

void QFrame::ScaleToPixelsPerInch(int Value, const RECT* Outer) {
    int from = PixelsPerInch();
    if (Value <= 0 || Value == from) return;
    FPixelsPerInch = Value;
    ScaleFrom(Value, from, Outer);
}
