// The canvas owns its brush, prepares the context it paints on for its owner, and draws.
#include "object/frame.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(Canvas, OwnsItsBrushPreparesThePaintAndDraws) {
    static QFrame* drawnFor = nullptr;
    HBRUSH mine = CreateSolidBrush(RGB(9, 8, 7)), last;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, CreateCompatibleBitmap(dc, 8, 2));
    std::ostringstream seen;
    {
        QFrame owner;
        owner.Canvas.SetBrush(mine); // copied: the caller keeps its own
        owner.Canvas.SetColor(RGB(4, 5, 6));
        owner.Canvas.SetBrush(owner.Canvas.Brush()); // its own: kept
        LOGBRUSH brush{};
        GetObjectA(owner.Canvas.Brush(), sizeof brush, &brush);
        owner.Canvas.SetDC(dc);
        owner.Canvas.SetTextColor(RGB(0, 0, 255));
        owner.Canvas.OnDraw = [](QFrame* Owner) { drawnFor = Owner; };
        QMessage message{};
        owner.Canvas.Paint(message);
        seen << std::hex << brush.lbColor << ' ' << GetObjectType(mine) << ' '
             << (drawnFor == &owner) << ' ' << GetBkColor(dc) << ' ' << GetTextColor(dc) << ' '
             << GetBkMode(dc) << ' ' << owner.Canvas.Color() << ' '; // not the context's white
        owner.Canvas.SetColor(RGB(1, 2, 3));
        seen << owner.Canvas.Color() << ' ';
        last = owner.Canvas.Brush();
        PatBlt(dc, 0, 0, 8, 2, WHITENESS);
        owner.Canvas.Line(1, 1, 5, 1); // from its own first point, not from where the pen is
        for (int x = 0; x < 8; ++x)
            seen << (GetPixel(dc, x, 1) ? '.' : '#');
    }
    seen << ' ' << GetObjectType(last); // the canvas deletes its brush when destroyed
    EXPECT_EQ(seen.str(), "60504 2 1 60504 ff0000 2 60504 30201 .####... 0");
    DeleteObject(SelectObject(dc, previous));
    DeleteObject(mine);
    DeleteDC(dc);
}
