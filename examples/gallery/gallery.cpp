// Every component of the library on one form, with colours and captions of its own, in Latin,
// Greek and Cyrillic letters: the program has the library's manifest, so its strings are UTF-8.
#include "containers/bars.h"
#include "containers/panel.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "designer/demo_components.h"
#include "designer/editor.h"
#include "object/class_registry.h"
#include "object/forms.h"

#include <commctrl.h>

namespace {

// Places Item on Parent with its caption and colours.
void Place(QFrame& Item, QFrame& Parent, const char* Caption, int Left, int Top, int Width,
           int Height, uint32_t Color, uint32_t TextColor = 0) {
    Item.SetText(Caption);
    Item.SetBounds(Left, Top, Width, Height);
    Item.Canvas.SetColor(Color);
    Item.Canvas.SetTextColor(TextColor);
    Item.SetParent(&Parent);
}

} // namespace

int main() {
    RegisterLibraryClasses();
    QApplication application;
    Application = &application;

    QForm form;
    form.SetText("Velmora gallery");
    form.SetBounds(12, 12, 640, 420); // a margin of the desktop shows around it in the picture
    form.Canvas.SetColor(RGB(236, 240, 248));
    form.SetFont(MessageFont()); // every component takes it: today's look, not the System font
    form.SetParent(nullptr); // the children's windows are made as they are placed

    QToolBar toolBar;
    Place(toolBar, form, "", 0, 0, 640, 26, RGB(220, 226, 240));
    toolBar.Perform(TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>("QToolBar\0Άνοιγμα\0Сохранить\0"));
    for (int i = 0; i < 3; ++i) {
        TBBUTTON tool{};
        tool.iBitmap = I_IMAGENONE;
        tool.idCommand = 100 + i;
        tool.fsState = TBSTATE_ENABLED;
        tool.iString = i;
        toolBar.Perform(TB_ADDBUTTONS, 1, reinterpret_cast<LPARAM>(&tool));
    }
    QLabel label;
    Place(label, form, "QLabel: Zoë, Łódź", 12, 36, 150, 20, RGB(255, 248, 200), RGB(120, 60, 0));
    QButton button;
    Place(button, form, "QButton: Ναι", 12, 62, 130, 30, RGB(200, 230, 255));
    QCheckBox check;
    Place(check, form, "QCheckBox: Да", 12, 100, 160, 20, RGB(236, 240, 248), RGB(0, 100, 0));
    QRadioButton radio;
    Place(radio, form, "QRadioButton: Όχι", 12, 124, 160, 20, RGB(236, 240, 248), RGB(0, 0, 160));
    QGroupBox group;
    Place(group, form, "QGroupBox: Ομάδα", 180, 36, 200, 110, RGB(236, 240, 248), RGB(128, 0, 128));
    QEdit edit;
    Place(edit, form, "QEdit: Привет, мир", 192, 60, 176, 22, RGB(255, 255, 230));
    QComboBox combo;
    Place(combo, form, "", 192, 92, 176, 120, RGB(230, 255, 230));
    for (const char* item : {"QComboBox: Ναι", "Русский", "Français"})
        combo.Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    combo.Perform(CB_SETCURSEL, 0, 0);
    QMemo memo;
    Place(memo, form, "QMemo\r\nΕλληνικά: γειά σου\r\nРусский: привет", 396, 36, 220, 80,
          RGB(240, 255, 255), RGB(0, 80, 80));
    QListBox list;
    Place(list, form, "", 396, 124, 220, 70, RGB(255, 240, 245));
    for (const char* item : {"QListBox: déjà vu", "Ελλάδα", "Україна"})
        list.Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    QScrollBar scroll;
    Place(scroll, form, "", 12, 156, 368, 18, RGB(220, 220, 220));
    QPanel panel;
    panel.SetBorderStyle(bsSunken); // before the window: a later border shows at the next repaint
    Place(panel, form, "QPanel: Πάνελ", 12, 186, 170, 60, RGB(210, 225, 250),
          RGB(0, 0, 90));
    QBox box;
    Place(box, form, "", 192, 186, 120, 60, RGB(255, 0, 0));
    QRed red;
    Place(red, form, "", 322, 186, 40, 60, RGB(255, 0, 0));
    QGreen green;
    Place(green, form, "", 366, 186, 40, 60, RGB(0, 160, 0));
    QBlue blue;
    Place(blue, form, "", 410, 186, 40, 60, RGB(0, 0, 255));
    QDummy dummy;
    Place(dummy, form, "", 454, 186, 40, 60, RGB(255, 0, 0));
    VUdeRedo editor;
    Place(editor, form, "", 12, 256, 300, 110, RGB(255, 255, 255));
    SetWindowTextA(editor.Handle(), "// VUdeRedo: the hosted editor\r\nint main() {\r\n}\r\n");
    QStatusBar status;
    Place(status, form, "", 0, 376, 624, 20, RGB(220, 226, 240));
    status.Perform(SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("QStatusBar: έτοιμο, готово"));

    return Application->Run();
}
