/// \file
/// The drawing surface every component embeds: the device context being painted with, a solid
/// background brush with its colour, a text colour and a few drawing operations.
#pragma once

#include "object/gdi_handles.h"
#include "object/qobject.h"

#include <cstdint>

// windows.h maps TextOut to TextOutA; the canvas operation keeps its own name.
#undef TextOut

using QNotifyEvent = void (*)(QFrame* Sender);

class QCustomCanvas : public QObject {
public:
    virtual void Paint(QMessage& Message) = 0;
    virtual BOOL TextOut(int X, int Y, const std::string& Text) = 0;
    virtual BOOL MoveTo(int X, int Y) = 0;
    virtual BOOL LineTo(int X, int Y) = 0;
    virtual BOOL Line(int X1, int Y1, int X2, int Y2) = 0;
    virtual BOOL Ellipse(int Left, int Top, int Right, int Bottom) = 0;
    virtual BOOL Rectangle(int Left, int Top, int Right, int Bottom) = 0;
    virtual BOOL Rectangle(const RECT* R) = 0;
    virtual ~QCustomCanvas() = default;

    /// The device context attached by the owner while it paints; null when detached.
    HDC DC() const { return FDC; }
    void SetDC(HDC Value) { FDC = Value; }

    /// The background brush, owned by the canvas.
    HBRUSH Brush() const { return FBrush.Get(); }

    /// The component whose window shows the drawing; it is redrawn when a colour changes.
    QFrame* Owner() const { return FOwner; }
    void SetOwner(QFrame* Value);

protected:
    /// Redraws the owner's window, when there is one.
    void RedrawOwner() const;

    QFrame* FOwner = nullptr;
    HDC FDC = nullptr;
    QOwnedGdiObject<HBRUSH> FBrush;
};

class QCanvas : public QCustomCanvas {
public:
    QCanvas() { SetTextColor(0); }

    void Paint(QMessage& Message) override;
    BOOL TextOut(int X, int Y, const std::string& Text) override;
    BOOL MoveTo(int X, int Y) override;
    BOOL LineTo(int X, int Y) override;
    BOOL Line(int X1, int Y1, int X2, int Y2) override;
    BOOL Ellipse(int Left, int Top, int Right, int Bottom) override;
    BOOL Rectangle(int Left, int Top, int Right, int Bottom) override;
    BOOL Rectangle(const RECT* R) override;

    /// Background colour (0x00BBGGRR). Reading with a device context attached takes over
    /// that context's DC-brush colour; writing replaces the brush with a solid one.
    uint32_t Color();
    void SetColor(uint32_t Value);

    /// Copies the description of a brush that stays the caller's (or is the canvas's own, which
    /// is then kept); takes its colour.
    void SetBrush(HBRUSH Value);

    uint32_t TextColor() const { return FTextColor; }
    void SetTextColor(uint32_t Value);

    /// Called by Paint, with the owner, after the device context has been prepared.
    QNotifyEvent OnDraw = nullptr;

private:
    // Keeps the colour, and gives it to the attached context's DC brush, which a read answers.
    void StoreColor(uint32_t Value);

    uint32_t FColor = 0;
    uint32_t FTextColor = 0;
};
