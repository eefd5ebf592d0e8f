// A program with the library's manifest: UTF-8 as the ANSI code page and the version 6 common
// controls. Texts of several scripts go through each component's text paths, the string list's
// case-blind rule and the files, unchanged in bytes and shown as the characters they spell.
#include "containers/canvas.h"
#include "containers/panel.h"
#include "containers/string_list.h"
#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/lists.h"
#include "object/class_registry.h"
#include "support/test_files.h"
#include "window/test_forms.h"

#include <algorithm>
#include <cctype>

namespace {

// Repeated Count times.
std::string Times(const std::string& S, size_t Count) {
    std::string all;
    for (size_t i = 0; i < Count; ++i)
        all += S;
    return all;
}

struct Text {
    const char* Name;
    std::string Bytes, Upper; // UTF-8, and the same text in upper case
};

// 32767 two-byte letters fill the 65535 bytes that EM_GETLINE can be given but one.
const Text Texts[] = {
    {"ASCII", "Hello", "HELLO"},
    {"Latin-1 letters", "Zoë", "ZOË"},
    {"Greek", "Ελλάδα", "ΕΛΛΆΔΑ"},
    {"four-byte characters", "a😀b𐍈", "A😀B𐍈"},
    {"empty", "", ""},
    {"a line at the memo's buffer size", Times("α", 32767), Times("Α", 32767)},
};

// What the window shows: its text as UTF-16, whatever the code page.
std::wstring Shown(HWND Window) {
    std::wstring text(GetWindowTextLengthW(Window) + 1, L'\0');
    text.resize(GetWindowTextW(Window, text.data(), static_cast<int>(text.size())));
    return text;
}

std::wstring FromUtf8(const std::string& S) {
    std::wstring wide(S.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, S.data(), static_cast<int>(S.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

// The colours of Width x Height pixels of Dc, row by row.
std::vector<COLORREF> Picture(HDC Dc, int Width, int Height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            pixels.push_back(GetPixel(Dc, x, y));
    return pixels;
}

// A memory context of 120 x 24 white pixels with the system font, for Draw; its picture.
template <class Drawing> std::vector<COLORREF> DrawnOnMemory(Drawing Draw) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(120, 24, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, 120, 24, WHITENESS);
    Draw(dc);
    std::vector<COLORREF> picture = Picture(dc, 120, 24);
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
}

struct Unicode : FormTest {
    void SetUp() override {
        ASSERT_EQ(GetACP(), static_cast<UINT>(CP_UTF8)) << "the manifest's code page";
        [[maybe_unused]] static bool once = (RegisterLibraryClasses(), true);
        FormTest::SetUp();
    }
};

// The bytes of the file named Path (UTF-8), opened by its UTF-16 name, which the system keeps.
std::string ReadNamed(const std::string& Path) {
    HANDLE file = CreateFileW(FromUtf8(Path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    std::string bytes(GetFileSize(file, nullptr) + 1, '\0');
    DWORD got = 0;
    bool read = file != INVALID_HANDLE_VALUE &&
                ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr);
    CloseHandle(file);
    return read ? bytes.substr(0, got) : "(no such file)";
}

// A folder of the temporary folder, made for the test; Name is UTF-8.
std::string MadeFolder(const std::string& Name) {
    std::string folder = TempFolder() + Name + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

} // namespace

// The manifest's version 6 controls: the side-by-side copy is loaded (Wine's answers 5.81 to
// DllGetVersion in both of its roles, so its path tells).
TEST_F(Unicode, ManifestLoadsTheCommonControls6) {
    char path[MAX_PATH * 3] = "";
    GetModuleFileNameA(GetModuleHandleA("comctl32.dll"), path, sizeof path);
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(), ::tolower);
    EXPECT_NE(lower.find("microsoft.windows.common-controls_6595b64144ccf1df_6."),
              std::string::npos)
        << path;
}

// Each text through captions, control texts, the edit's and the memo's selections and a memo
// line as read (counted in the control's UTF-16 units), the canvas and the panel caption as
// drawn, and the memo's file under a file name that is no ASCII. The memo's line operations
// place whole texts by the control's own positions: components_test covers them.
TEST_F(Unicode, EveryTextThroughEveryComponent) {
    QLabel label;
    QButton button;
    QCheckBox check;
    QEdit edit;
    QMemo memo;
    QComboBox combo;
    QPanel panel;
    panel.SetAlignment(0);
    panel.SetBounds(200, 125, 120, 24); // apart from the others, whose pixels it would show
    memo.SetWordWrap(0);                // Wine's edit wraps a long line in quadratic time
    memo.SetParent(&form);
    memo.Perform(EM_SETLIMITTEXT, 0, 0); // what is typed or inserted, 30000 units at first
    for (QFrame* control :
         std::initializer_list<QFrame*>{&label, &button, &check, &edit, &combo, &panel})
        control->SetParent(&form);
    std::string file = MadeFolder("Łódź Ελλάδα") + "Кириллица.txt";
    for (const Text& text : Texts) {
        SCOPED_TRACE(text.Name);
        const std::string& t = text.Bytes;
        std::wstring wide = FromUtf8(t);
        auto units = static_cast<int>(wide.size());
        for (QFrame* frame : std::initializer_list<QFrame*>{&form, &label, &button, &check, &edit,
                                                            &memo, &combo, &panel}) {
            frame->SetText(t);
            EXPECT_EQ(frame->Text(), t) << frame->ClassName();
            EXPECT_TRUE(Shown(frame->Handle()) == wide) << frame->ClassName();
        }

        edit.SetText("Ω " + t + " end");
        edit.SetSelText(t);
        EXPECT_EQ(edit.SelText(), t);
        edit.SetSelText(text.Upper); // the case-blind search: the same characters
        EXPECT_EQ(edit.SelStart(), t.empty() ? 0 : 2);
        EXPECT_EQ(edit.SelLength(), units);
        edit.SetSelText("END");
        EXPECT_EQ(edit.SelStart(), units + 3);

        memo.SetText("α\r\n" + t + "\r\nω");
        EXPECT_EQ(memo.Lines(1), t);
        memo.SetSelStart(3);
        memo.SetSelLength(units);
        EXPECT_EQ(memo.SelText(), t);
        EXPECT_EQ(memo.CaretPos().x, units);
        memo.SetText(t);
        memo.SaveToFile(file);
        EXPECT_EQ(ReadNamed(file), t + '\0');
        memo.Clear();
        memo.LoadFromFile(file);
        EXPECT_EQ(memo.Text(), t);

        auto drawn = DrawnOnMemory([&](HDC Dc) {
            QCanvas canvas;
            canvas.SetDC(Dc);
            canvas.TextOut(2, 2, t);
        });
        EXPECT_TRUE(drawn == DrawnOnMemory([&](HDC Dc) {
                        TextOutW(Dc, 2, 2, wide.data(), static_cast<int>(wide.size()));
                    }));
        // The panel's caption against the same text drawn as UTF-16 in its own context's font.
        panel.Repaint();
        PumpMessages();
        HDC dc = GetDC(panel.Handle());
        auto font = static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT));
        auto caption = Picture(dc, 120, 24);
        ReleaseDC(panel.Handle(), dc);
        EXPECT_TRUE(caption == DrawnOnMemory([&](HDC Dc) {
                        SelectObject(Dc, font);
                        RECT all{0, 0, 120, 24};
                        FillRect(Dc, &all, panel.Canvas.Brush());
                        SetBkColor(Dc, panel.Canvas.Color());
                        DrawTextW(Dc, wide.c_str(), -1, &all, DT_SINGLELINE | DT_VCENTER);
                    }));
    }
}

namespace {

// Wine's own edit control (user32's, which a program without the version 6 controls gets)
// converts a line for an ANSI window in one call: when the line does not fit, the conversion
// writes the whole characters that do and fails, and the control answers the buffer's size.
// An edit answering EM_GETLINE so, or filling the buffer to its end inside a character, as a
// conversion byte by byte would.
WNDPROC EditProc;
bool StopsInsideACharacter;
LRESULT CALLBACK AnsiLineEdit(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg != EM_GETLINE) return CallWindowProcA(EditProc, Window, Msg, WParam, LParam);
    std::wstring line(0x10000, L'\0');
    line[0] = 0xFFFF;
    auto units = static_cast<int>(
        CallWindowProcW(EditProc, Window, Msg, WParam, reinterpret_cast<LPARAM>(line.data())));
    WORD room = *reinterpret_cast<WORD*>(LParam);
    std::string all(4 * line.size(), '\0');
    all.resize(WideCharToMultiByte(CP_ACP, 0, line.data(), units, all.data(),
                                   static_cast<int>(all.size()), nullptr, nullptr));
    int written = WideCharToMultiByte(CP_ACP, 0, line.data(), units,
                                      reinterpret_cast<char*>(LParam), room, nullptr, nullptr);
    if (StopsInsideACharacter) all.copy(reinterpret_cast<char*>(LParam), room);
    return written || !units ? written : room;
}

} // namespace

// EM_GETLINE is told its buffer's size in a 16-bit word: a longer line reads as the whole
// characters that fit in 65535 bytes, from the version 6 edit and from one like Wine's own.
TEST_F(Unicode, ALineLongerThanTheLineBufferReadsTheCharactersThatFit) {
    QMemo memo, ansi;
    ansi.SetClassName("QTestAnsiMemo");
    ansi.SetClassAncestor("QTestAnsiEdit");
    WNDCLASSEXA edit{};
    edit.cbSize = sizeof edit;
    [[maybe_unused]] static ATOM registered =
        (GetClassInfoExA(nullptr, "Edit", &edit), EditProc = edit.lpfnWndProc,
         RegisterSuperclass("QTestAnsiEdit", "Edit", &AnsiLineEdit),
         ansi.RegisterWindowClass(&EditWndProc));
    for (auto [each, cuts] : {std::pair{&memo, false}, {&ansi, false}, {&ansi, true}}) {
        StopsInsideACharacter = cuts;
        each->SetWordWrap(0);
        each->SetParent(&form);
        each->SetText(Times("α", 32768) + "\r\nb");
        EXPECT_EQ(each->Lines(0), Times("α", 32767)) << each->ClassName() << cuts;
    }
}

// Letters of every script compare ignoring case; no byte of a character is folded as a letter
// of a single-byte code page (Ί and Κ differ in a byte that code page 1252 folds), and bytes
// that are no UTF-8 stay themselves. Add refuses a duplicate by the same look-up as IndexOf.
TEST(UnicodeStrings, CaseBlindRule) {
    struct Row {
        const char* Name;
        std::string Item, Query;
        int Expected; // IndexOf of Query after Add of Item: 0 the item, -1 none
    } rows[] = {
        {"ASCII", "abc", "ABC", 0},
        {"Latin-1", "Zoë", "ZOË", 0},
        {"Greek with tonos", "ελλάδα", "ΕΛΛΆΔΑ", 0},
        {"Greek Iota with tonos is no Kappa", "Ί", "Κ", -1},
        {"two faces", "😀", "😁", -1},
        {"bytes that are no UTF-8", "\xC9", "\xE9", -1},
        {"a byte that is no UTF-8 is no character", "\xE9", "é", -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        QStrings list;
        list.Add(row.Item);
        EXPECT_EQ(list.IndexOf(row.Query), row.Expected);
    }
}

// Every text saved and loaded again under a name that is no ASCII, in a path of fewer than
// MAX_PATH characters that takes more than MAX_PATH bytes: the temporary file a save writes first
// lies in that folder too.
TEST(UnicodeStrings, SaveAndLoadInAFolderWhosePathTakesMoreThanMaxPathBytes) {
    std::string folder;
    for (int level = 0; level < 4; ++level)
        folder =
            MadeFolder(folder.substr(folder.empty() ? 0 : TempFolder().size()) + Times("β", 40));
    ASSERT_GT(folder.size(), static_cast<size_t>(MAX_PATH));
    QStrings list;
    std::string expected;
    for (const Text& text : Texts) {
        list.Add(text.Bytes);
        expected += text.Bytes + "\r\n";
    }
    BoxRecorder boxes;
    list.SaveToFile(folder + "Ελλάδα.txt");
    EXPECT_EQ(ReadNamed(folder + "Ελλάδα.txt"), expected);
    QStrings loaded;
    loaded.LoadFromFile(folder + "Ελλάδα.txt");
    EXPECT_EQ(loaded.Text(), list.Text());
    EXPECT_EQ(boxes.Boxes().size(), 0u);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    std::string names;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found))
        names += std::string(found.cFileName) + " ";
    FindClose(search);
    EXPECT_EQ(names, ". .. Ελλάδα.txt "); // no temporary left behind
    DeleteFileA((folder + "Ελλάδα.txt").c_str());
}
