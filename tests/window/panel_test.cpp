// Panels: stored values, the border's client edge at paint, the caption rectangle and images.
#include "containers/panel.h"
#include "support/sent_messages.h"
#include "support/test_files.h"
#include "test_forms.h"

#include <algorithm>

namespace {

// Exposes the rectangle the last paint drew the caption into.
class ProbePanel : public QPanel {
public:
    RECT CaptionRect() const { return FClientRect; }
};

int Paints = 0;
void CountPaint(QFrame*) {
    ++Paints;
}

class PanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered = (RegisterPanelClass(), true);
        (void)registered;
        form.SetParent(nullptr);
        panel.SetText("caption");
        panel.SetBounds(10, 10, 100, 60);
        panel.SetVisible(true);
        panel.SetParent(&form);
        UpdateWindow(form.Handle());
        PumpMessages(20);
        Paints = 0;
        panel.OnPaint = CountPaint;
    }
    // Invalidates a part of the panel and has it painted.
    void PaintPart(RECT Part) {
        InvalidateRect(panel.Handle(), &Part, TRUE);
        UpdateWindow(panel.Handle());
    }
    // A file of Bytes in the temporary folder; removed by the test's end.
    std::string TempFile(const std::string& Name, const std::string& Bytes) {
        files.push_back(WriteTestFile(TempFolder() + Name, Bytes));
        return files.back();
    }
    void TearDown() override {
        for (const std::string& path : files)
            DeleteFileA(path.c_str());
    }
    QForm form;
    ProbePanel panel;
    std::vector<std::string> files;
};

// A 1 x 1 24-bit bitmap file.
std::string TinyBitmap() {
    const unsigned char bytes[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54,   0, 0, 0,  40,
                                   0,   0,   0,  1, 0, 0, 0, 1, 0, 0, 0,    1, 0, 24, 0,
                                   0,   0,   0,  0, 4, 0, 0, 0, 0, 0, 0,    0, 0, 0,  0,
                                   0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0xFF, 0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A 1 x 1 32-bit icon (Kind 1) or cursor (Kind 2) file.
std::string TinyIconFile(int Kind) {
    const unsigned char bytes[] = {0,    0, static_cast<unsigned char>(Kind),
                                   0,    1, 0, // header: one image
                                   1,    1, 0,
                                   0,    1, 0,
                                   32,   0, 48,
                                   0,    0, 0,
                                   22,   0, 0,
                                   0, // entry: 48 bytes at 22
                                   40,   0, 0,
                                   0,    1, 0,
                                   0,    0, 2,
                                   0,    0, 0,
                                   1,    0, 32,
                                   0, // header: 1 x (2 x 1), 32 bits
                                   0,    0, 0,
                                   0,    8, 0,
                                   0,    0, 0,
                                   0,    0, 0,
                                   0,    0, 0,
                                   0,    0, 0,
                                   0,    0, 0,
                                   0,    0, 0,
                                   0,    0, 0xFF,
                                   0xFF, 0, 0,
                                   0,    0}; // one pixel, its mask row
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// The smallest rectangle holding the dark pixels of Window's client area.
RECT InkOf(HWND Window) {
    RECT client;
    GetClientRect(Window, &client);
    RECT ink{client.right, client.bottom, 0, 0};
    HDC dc = GetDC(Window);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            COLORREF color = GetPixel(dc, x, y);
            if (GetRValue(color) + GetGValue(color) + GetBValue(color) >= 200) continue;
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                   std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        }
    ReleaseDC(Window, dc);
    return ink;
}

bool IsLiveImage(HANDLE Image) {
    if (GetObjectType(Image) != 0) return true;
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(Image), &info)) return false;
    DeleteObject(info.hbmMask);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    return true;
}

} // namespace

TEST_F(PanelTest, AReplacedImageAndTheLastOneAreFreed) {
    const struct {
        const char* Name;
        std::string Bytes;
    } files[] = {{"bitmap.bmp", TinyBitmap()},
                 {"icon.ico", TinyIconFile(1)},
                 {"cursor.cur", TinyIconFile(2)}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.Name);
        auto* owner = new QPanel;
        std::string path = TempFile(file.Name, file.Bytes);
        owner->SetImage(path);
        HANDLE first = owner->ImageHandle;
        ASSERT_TRUE(first && IsLiveImage(first));
        owner->SetImage(path);
        HANDLE second = owner->ImageHandle;
        ASSERT_TRUE(second && IsLiveImage(second));
        EXPECT_FALSE(IsLiveImage(first)) << "replaced";
        delete owner;
        EXPECT_FALSE(IsLiveImage(second)) << "destroyed with the panel";
    }
}

TEST_F(PanelTest, StartsCentredAndWrappedAndClampsItsProperties) {
    QPanel fresh;
    EXPECT_EQ(fresh.Alignment(), 4);
    EXPECT_EQ(fresh.BorderStyle(), 0);
    EXPECT_EQ(QCustomPanel().Alignment(), 0);
    fresh.SetBorderStyle(4);
    EXPECT_EQ(fresh.BorderStyle(), 4);
    fresh.SetBorderStyle(5);
    EXPECT_EQ(fresh.BorderStyle(), 0);
    fresh.SetBorderStyle(-3);
    EXPECT_EQ(fresh.BorderStyle(), -3);
    fresh.SetAlignment(6);
    EXPECT_EQ(fresh.Alignment(), 0);
    fresh.SetAlignment(-1);
    EXPECT_EQ(fresh.Alignment(), -1);
}

TEST_F(PanelTest, ClientEdgeFollowsTheBorderAtEachPaint) {
    auto clientEdge = [&] {
        return GetWindowLongA(panel.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE;
    };
    panel.SetBorderStyle(bsClientEdge);
    EXPECT_FALSE(clientEdge()) << "the style changes at the paint, not at the write";
    PaintPart({0, 0, 20, 20});
    EXPECT_TRUE(clientEdge());
    panel.SetBorderStyle(bsSunken);
    PaintPart({0, 0, 20, 20});
    EXPECT_FALSE(clientEdge());
    PumpMessages(20);
    SentMessageRecorder sent;
    PaintPart({0, 0, 20, 20});
    EXPECT_TRUE(sent.Of(panel.Handle(), WM_STYLECHANGED).empty())
        << "a paint that needs no change writes no style";
}

// The panel draws before default processing validates it, so the caption goes into the part
// being painted, grown by 2 on every side for the drawn borders.
TEST_F(PanelTest, CaptionRectangleIsThePaintedPartGrownForDrawnBorders) {
    for (int style : {0, 1, 2, 3, 4}) {
        panel.SetBorderStyle(style);
        PaintPart({0, 0, 100, 60}); // settles the client edge, which repaints everything
        PumpMessages(20);
        PaintPart({10, 10, 40, 30});
        RECT expected = style >= bsSunken ? RECT{8, 8, 42, 32} : RECT{10, 10, 40, 30};
        RECT caption = panel.CaptionRect();
        EXPECT_TRUE(EqualRect(&caption, &expected))
            << "style " << style << ": " << caption.left << "," << caption.top << ","
            << caption.right << "," << caption.bottom;
    }
}

// The 100 x 60 panel's caption: one line centred vertically, or wrapped from the top; left,
// centred or right.
TEST_F(PanelTest, CaptionIsPlacedByAlignment) {
    for (int alignment = 0; alignment <= 5; ++alignment) {
        SCOPED_TRACE(alignment);
        panel.SetAlignment(alignment);
        PaintPart({0, 0, 100, 60});
        RECT ink = InkOf(panel.Handle());
        int width = ink.right - ink.left;
        const int centres[] = {width / 2, 50, 100 - width / 2};
        EXPECT_NEAR((ink.left + ink.right) / 2, centres[alignment % 3], 3);
        if (alignment < 3)
            EXPECT_NEAR((ink.top + ink.bottom) / 2, 30, 4);
        else
            EXPECT_LT(ink.bottom, 25);
    }
}

TEST_F(PanelTest, PaintEventsRunBeforeAndAfterThePanelsDrawingAndAPressClicksOnce) {
    int clicks = 0;
    static int* counter = &clicks;
    panel.OnClick = [](QFrame*) { ++*counter; };
    PaintPart({0, 0, 20, 20});
    EXPECT_EQ(Paints, 2);
    EXPECT_EQ(SendMessageA(panel.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)), 0);
    SendMessageA(panel.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
}

TEST_F(PanelTest, ImagesLoadByExactExtensionAndOnlyExistingFilesRepaint) {
    std::string bitmap = TempFile("panel-image.bmp", TinyBitmap());
    panel.SetImage(bitmap);
    EXPECT_EQ(panel.Image(), bitmap);
    ASSERT_NE(panel.ImageHandle, nullptr);
    EXPECT_EQ(GetObjectType(panel.ImageHandle), static_cast<DWORD>(OBJ_BITMAP));
    PumpMessages(20);

    HANDLE loaded = panel.ImageHandle;
    for (const char* name : {"panel-image.Bmp", "panel-image.txt"}) {
        Paints = 0;
        panel.SetImage(TempFile(name, TinyBitmap()));
        PumpMessages(20);
        EXPECT_EQ(panel.ImageHandle, loaded) << name << " loads nothing";
        EXPECT_GT(Paints, 0) << name << " still repaints";
    }
    for (std::string missing : {std::string(), bitmap + ".gone"}) {
        Paints = 0;
        panel.SetImage(missing);
        PumpMessages(20);
        EXPECT_EQ(panel.Image(), missing);
        EXPECT_EQ(panel.ImageHandle, loaded);
        EXPECT_EQ(Paints, 0) << "a file that cannot be opened does not repaint";
    }
}
