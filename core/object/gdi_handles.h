/// \file
/// Small RAII holders for the GDI objects and device contexts the library takes.
#pragma once

#include <windows.h>

/// Owns a GDI object (brush, pen, font, bitmap) and deletes it when replaced or destroyed.
template <class H> class QOwnedGdiObject {
public:
    QOwnedGdiObject() = default;
    explicit QOwnedGdiObject(H Owned) : Object(Owned) {}
    QOwnedGdiObject(const QOwnedGdiObject&) = delete;
    QOwnedGdiObject& operator=(const QOwnedGdiObject&) = delete;
    ~QOwnedGdiObject() { Reset(); }

    H Get() const { return Object; }
    void Reset(H Replacement = nullptr) {
        if (Object) DeleteObject(Object);
        Object = Replacement;
    }

private:
    H Object = nullptr;
};

/// A device context taken with GetDC, released with ReleaseDC even when the window is gone.
class QWindowDC {
public:
    QWindowDC() = default;
    QWindowDC(const QWindowDC&) = delete;
    QWindowDC& operator=(const QWindowDC&) = delete;
    ~QWindowDC() { Release(); }

    HDC Get() const { return DC; }
    /// Releases the context held, then takes a new one for Window.
    HDC Take(HWND Window) {
        Release();
        Wnd = Window;
        DC = GetDC(Window);
        return DC;
    }
    void Release() {
        if (DC) ReleaseDC(Wnd, DC);
        DC = nullptr;
        Wnd = nullptr;
    }

private:
    HWND Wnd = nullptr;
    HDC DC = nullptr;
};
