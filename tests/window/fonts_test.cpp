// Fonts of components: each shows its own or its holder's, one platform font per description is
// shared by its users and deleted with the last, the canvas draws in it, and a program that sets
// none keeps the platform's own font in every window.
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "test_forms.h"

namespace {

HFONT Shown(QFrame& Frame) {
    return reinterpret_cast<HFONT>(SendMessageA(Frame.Handle(), WM_GETFONT, 0, 0));
}

HGDIOBJ DrawnIn = nullptr; // the font selected while the panel's OnPaint ran

} // namespace

TEST_F(LibraryFormTest, FontsAreTheHoldersUnlessOwnSharedAndGoneWithTheirLastUser) {
    QPanel panel;
    QEdit edit, other;
    QLabel label;
    panel.SetParent(&form), edit.SetParent(&panel), other.SetParent(&panel);
    label.SetParent(&form);
    EXPECT_TRUE(!Shown(edit) && !Shown(label) && !form.Font().IsSet()); // the look without fonts
    form.SetFont({"Tahoma", 14, true});
    HFONT large = Shown(label);
    EXPECT_TRUE(large && Shown(edit) == large && Shown(other) == large && Shown(panel) == large);
    const QFont small{"Tahoma", 8};
    edit.SetFont(small);
    other.SetFont(small);
    HFONT shared = Shown(edit);
    EXPECT_TRUE(shared && shared != large && Shown(other) == shared);
    form.SetFont({"Tahoma", 10}); // the large font's last users take another
    EXPECT_EQ(GetObjectType(large), 0u);
    EXPECT_TRUE(Shown(edit) == shared && Shown(panel) == Shown(label));
    edit.RecreateHandle();
    EXPECT_EQ(Shown(edit), shared);
    edit.SetParentFont(true);
    EXPECT_EQ(GetObjectType(shared), static_cast<DWORD>(OBJ_FONT)); // still the other's
    other.SetParent(&form);
    EXPECT_EQ(Shown(other), shared); // its own goes with it
    other.SetParentFont(true);
    EXPECT_EQ(GetObjectType(shared), 0u);
    EXPECT_TRUE(Shown(edit) == Shown(label) && Shown(other) == Shown(label));
    // The canvas draws in the font, and puts the context's own back after.
    panel.OnPaint = [](QFrame* Sender) {
        DrawnIn = GetCurrentObject(Sender->Canvas.DC(), OBJ_FONT);
    };
    panel.Repaint();
    PumpMessages();
    EXPECT_EQ(DrawnIn, Shown(panel));
    EXPECT_NE(GetCurrentObject(panel.Canvas.DC(), OBJ_FONT), Shown(panel));
    // Gone with every user, the last font is deleted.
    HFONT last = Shown(label);
    panel.SetParentFont(false), edit.SetFont(small), other.SetFont(small);
    form.SetFont({});
    EXPECT_TRUE(!Shown(label) && GetObjectType(last) == 0u);
}

// The font designed forms start with is the one the system gives its message boxes.
TEST(Fonts, TheMessageFontIsTheSystems) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    QFont font = MessageFont();
    EXPECT_EQ(font.Face, metrics.lfMessageFont.lfFaceName);
    EXPECT_TRUE(font.Size >= 6 && font.Size <= 16) << font.Size;
}
