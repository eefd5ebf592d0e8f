// The canvas owns its brush, prepares the context it paints on for its owner, and draws.
#include "object/frame.h"

#include <gtest/gtest.h>

TEST(Canvas, OwnsItsBrushPreparesThePaintAndDraws) {
    static QFrame* drawnFor = nullptr;
    HBRUSH mine = CreateSolidBrush(RGB(9, 8, 7)), last;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(dc, 8, 2));
    {
        QFrame owner;
        QCanvas& canvas = owner.Canvas;
        canvas.SetBrush(mine);
        canvas.SetColor(RGB(4, 5, 6));
        LOGBRUSH brush{};
        GetObjectA(last = canvas.Brush(), sizeof brush, &brush);
        EXPECT_EQ(brush.lbColor, RGB(4, 5, 6));
        EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BRUSH))
            << "a brush handed over is copied";

        canvas.SetDC(dc);
        canvas.SetTextColor(RGB(0, 0, 255));
        canvas.OnDraw = [](QFrame* Owner) { drawnFor = Owner; };
        QMessage message{};
        canvas.Paint(message);
        EXPECT_EQ(drawnFor, &owner);
        EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
        EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
        EXPECT_EQ(GetBkMode(dc), OPAQUE);

        PatBlt(dc, 0, 0, 8, 2, WHITENESS);
        canvas.Line(1, 1, 5, 1); // from its own first point, not from where the pen is
        std::string pixels;
        for (int x = 0; x < 8; ++x)
            pixels += GetPixel(dc, x, 1) ? '.' : '#';
        EXPECT_EQ(pixels, ".####...");
    }
    EXPECT_EQ(GetObjectType(last), 0u) << "the canvas deletes its brush when destroyed";
    DeleteObject(SelectObject(dc, previous));
    DeleteObject(mine);
    DeleteDC(dc);
}
