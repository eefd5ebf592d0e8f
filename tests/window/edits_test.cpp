// QEdit's mirrored selection and QMemo's line, selection and file operations on real controls.
#include "controls/edits.h"
#include "support/test_files.h"
#include "test_forms.h"

#include <string>

namespace {

class EditTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        static bool registered = (RegisterEditClass(), RegisterMemoClass(), true);
        (void)registered;
        form.SetVisible(false);
        form.SetParent(nullptr);
        memo.SetParent(&form);
    }
    std::string MemoText(const std::string& Text) {
        memo.SetText(Text);
        return memo.Text();
    }
    static std::string TempPath(const char* Name) {
        return TempFolder() + std::to_string(GetCurrentProcessId()) + Name;
    }
    QForm form;
    QMemo memo;
};

} // namespace

TEST_F(EditTest, EditSelectionFollowsTheStoredText) {
    QEdit edit;
    edit.SetText("Hello World");
    edit.SetParent(&form);
    edit.SetSelText("World");
    EXPECT_EQ(edit.SelStart(), 6);
    EXPECT_EQ(edit.SelLength(), 5);
    EXPECT_EQ(edit.SelText(), "World");
    edit.SetSelText("world");
    EXPECT_EQ(edit.SelStart(), 6) << "found ignoring case";
    EXPECT_EQ(edit.SelText(), "") << "but read back exactly";
    edit.SetSelText("absent");
    EXPECT_EQ(edit.SelStart(), 6) << "an absent text selects nothing where the selection began";
    EXPECT_EQ(edit.SelLength(), 0);
    SendMessageA(edit.Handle(), EM_SETSEL, 3, 3);
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelLength(), 0);
    edit.SetSelLength(4);
    edit.SetSelStart(1);
    EXPECT_EQ(edit.SelStart(), 1) << "read back from the control";
    EXPECT_EQ(edit.SelLength(), 4);
}

TEST_F(EditTest, EditWithoutAWindowKeepsItsValues) {
    QEdit edit;
    edit.SetSelStart(4);
    edit.SetSelLength(2);
    edit.SetSelText("x");
    EXPECT_EQ(edit.SelStart(), 4);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(edit.SelText(), "x");
}

TEST_F(EditTest, MemoLines) {
    MemoText("a\r\nb");
    EXPECT_EQ(memo.LineCount(), 2);
    EXPECT_EQ(memo.Lines(1), "b");
    EXPECT_EQ(memo.Lines(0), "a");
    EXPECT_EQ(memo.Lines(7), "") << "past the last line";
    memo.DeleteLine(0);
    EXPECT_EQ(memo.Text(), "b");
    MemoText("a\r\nb");
    memo.DeleteLine(1);
    EXPECT_EQ(memo.Text(), "a\r\n") << "the last line is only emptied";
    memo.DeleteLine(9);
    EXPECT_EQ(memo.Text(), "a\r\n");
    memo.AddLine("x");
    EXPECT_EQ(memo.Text(), "a\r\nx\r\n");
    MemoText("a");
    memo.AddLine("x");
    EXPECT_EQ(memo.Text(), "x\r\na") << "the new line goes above a last line with text";
    MemoText("a\r\nb");
    memo.InsertLine(2, "z");
    EXPECT_EQ(memo.Text(), "a\r\nb\r\nz");
    MemoText("a\r\n");
    memo.InsertLine(2, "z");
    memo.InsertLine(-1, "z");
    memo.InsertLine(9, "z");
    EXPECT_EQ(memo.Text(), "a\r\n");
    memo.Clear();
    EXPECT_EQ(memo.Text(), "");
    EXPECT_EQ(memo.LineCount(), 1);
}

TEST_F(EditTest, MemoSelectionAndCaret) {
    MemoText("0123456789\r\nab\r\ncd");
    memo.SetSelStart(4);
    EXPECT_EQ(memo.SelLength(), 0);
    memo.SetSelLength(2);
    EXPECT_EQ(memo.SelStart(), 4);
    EXPECT_EQ(memo.SelLength(), 2);
    EXPECT_EQ(memo.SelText(), "45") << "the selected characters, not spaces";
    memo.SetSelText("X");
    EXPECT_EQ(memo.Text(), "0123X6789\r\nab\r\ncd");
    memo.SetSelStart(15);
    POINT caret = memo.CaretPos();
    EXPECT_EQ(caret.x, 0);
    EXPECT_EQ(caret.y, 2);
    QMemo unmade;
    EXPECT_EQ(unmade.SelText(), "");
    EXPECT_EQ(unmade.LineCount(), 0);
    EXPECT_EQ(unmade.CaretPos().y, 0);
}

TEST_F(EditTest, MemoStyleProperties) {
    QMemo fresh;
    fresh.SetWordWrap(0);
    EXPECT_TRUE(fresh.Style() & ES_AUTOHSCROLL);
    fresh.SetScrollBars(2);
    EXPECT_TRUE(fresh.Style() & WS_HSCROLL);
    EXPECT_FALSE(fresh.Style() & WS_VSCROLL);
    uint32_t before = fresh.Style();
    fresh.SetScrollBars(7);
    EXPECT_EQ(fresh.Style(), before);
    EXPECT_EQ(fresh.ScrollBars(), 7);
    memo.SetScrollBars(3);
    EXPECT_TRUE((GetWindowLongA(memo.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) ==
                (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(EditTest, MemoFilesRoundTripAndFailuresKeepTheOldFile) {
    std::string path = TempPath("memo.txt");
    MemoText("ab");
    memo.SaveToFile(path);
    EXPECT_EQ(ReadTestFile(path), std::string("ab\0", 3));
    memo.Clear();
    memo.LoadFromFile(path);
    EXPECT_EQ(memo.Text(), "ab");
    memo.LoadFromFile(TempPath("missing.txt"));
    EXPECT_EQ(memo.Text(), "ab") << "a missing file changes nothing";
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    MemoText("new");
    memo.SaveToFile(path);
    EXPECT_EQ(ReadTestFile(path), std::string("ab\0", 3));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    QMemo unmade;
    unmade.SaveToFile(path);
    EXPECT_EQ(ReadTestFile(path), std::string("ab\0", 3)) << "no window: nothing to save";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD wrote;
    WriteFile(file, "cd\0ef", 5, &wrote, nullptr);
    CloseHandle(file);
    memo.LoadFromFile(path);
    EXPECT_EQ(memo.Text(), "cd") << "the text stops at the first zero byte";
    DeleteFileA(path.c_str());
}
