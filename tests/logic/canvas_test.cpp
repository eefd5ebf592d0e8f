// The canvas's brush ownership and drawing operations on a memory device context.
#include "object/frame.h"

#include <gtest/gtest.h>

TEST(Canvas, ColorWriteReplacesAndDeletesTheBrush) {
    HBRUSH first;
    {
        QCanvas canvas;
        canvas.SetColor(RGB(1, 2, 3));
        first = canvas.Brush();
        canvas.SetColor(RGB(4, 5, 6));
        EXPECT_EQ(GetObjectType(first), 0u);
        LOGBRUSH description;
        ASSERT_TRUE(GetObjectA(canvas.Brush(), sizeof description, &description));
        EXPECT_EQ(description.lbColor, RGB(4, 5, 6));
        first = canvas.Brush();
    }
    EXPECT_EQ(GetObjectType(first), 0u) << "the canvas deletes its brush when destroyed";
}

TEST(Canvas, BrushWriteCopiesAndLeavesTheCallersBrush) {
    QCanvas canvas;
    HBRUSH mine = CreateSolidBrush(RGB(9, 8, 7));
    canvas.SetBrush(mine);
    EXPECT_NE(canvas.Brush(), mine);
    EXPECT_EQ(canvas.Color(), RGB(9, 8, 7));
    canvas.SetColor(0);
    EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BRUSH));
    DeleteObject(mine);

    canvas.SetBrush(reinterpret_cast<HBRUSH>(0x1234));
    EXPECT_EQ(canvas.Brush(), nullptr);
    EXPECT_EQ(canvas.Color(), 0u);
}

namespace {
int draws = 0;
QFrame* drawnFor = nullptr;
void CountDraw(QFrame* Owner) {
    ++draws, drawnFor = Owner;
}
} // namespace

TEST(Canvas, PaintPreparesTheContextAndDrawsOnceWithTheOwner) {
    QFrame owner;
    HDC dc = CreateCompatibleDC(nullptr);
    owner.Canvas.SetDC(dc);
    owner.Canvas.SetTextColor(RGB(0, 0, 255));
    QMessage message{};
    owner.Canvas.Paint(message);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetBkColor(dc), GetSysColor(COLOR_WINDOW));
    owner.Canvas.OnDraw = CountDraw;
    owner.Canvas.Paint(message);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(drawnFor, &owner);

    EXPECT_TRUE(owner.Canvas.Line(0, 0, 10, 10));
    POINT at;
    GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(at.x, 10);
    EXPECT_EQ(at.y, 10);
    RECT r{1, 1, 5, 5};
    EXPECT_TRUE(owner.Canvas.Rectangle(&r));
    EXPECT_TRUE(owner.Canvas.TextOut(0, 0, "x"));
    // Reading Color with a context attached takes over its DC-brush colour.
    EXPECT_EQ(owner.Canvas.Color(), GetDCBrushColor(dc));
    owner.Canvas.SetDC(nullptr);
    DeleteDC(dc);
    EXPECT_FALSE(owner.Canvas.Ellipse(0, 0, 4, 4)) << "without a context nothing is drawn";
}
