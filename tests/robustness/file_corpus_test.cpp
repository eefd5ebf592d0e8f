// Odd files through QStrings and QMemo: loading leaves the file alone and loses no line, a save
// and reload gives back what was loaded, and saves that cannot happen keep the old file and
// leave nothing behind. The corpus is written here, into a folder of each test's own.
#include "components.h"
#include "containers/paths.h"
#include "containers/string_list.h"
#include "controls/edits.h"
#include "support/test_files.h"
#include "test_forms.h" // from tests/window

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

// A literal with its NUL bytes kept.
template <size_t N> std::string Bytes(const char (&Literal)[N]) {
    return std::string(Literal, N - 1);
}

std::string Repeat(const std::string& Piece, int Times) {
    std::string all;
    for (int i = 0; i < Times; ++i)
        all += Piece;
    return all;
}

struct Sample {
    const char* Name;
    std::string Bytes;
};

std::vector<Sample> Corpus() {
    std::string high, wide = "\xFF\xFE", huge, many;
    for (int c = 0x80; c <= 0xFF; ++c)
        high += static_cast<char>(c);
    high += "\n\xC3(\xE2\x82\n\xF0\x9F\x98\r\n\xED\xA0\x80"; // cut and surrogate sequences
    for (char c : std::string("first\r\nSecond\r\nFIRST\r\n"))
        wide += {c, '\0'};
    // Past the 64 KB read chunk and the 1 MB write chunk, with no two chunks alike.
    for (int i = 0; i < (3 << 19); ++i)
        huge += static_cast<char>('a' + i % 23);
    // Exact and case-only duplicates for the list that refuses them.
    for (int i = 0; i < 50000; ++i)
        many += (i % 2 ? "Line " : "line ") + std::to_string(i % 20000) + "\n";
    return {{"empty", ""},
            {"only a NUL", Bytes("\0")},
            {"NULs in lines", Bytes("ab\0cd\r\nef\0\0\r\n\0gh\n\0")},
            {"CR only", "one\rtwo\rthree\r"},
            {"LF only", "one\ntwo\nthree\n"},
            {"CR LF", "one\r\ntwo\r\nthree\r\n"},
            {"mixed", "a\r\nb\nc\rd\r\r\ne\n\rf"},
            {"LF CR", "one\n\rtwo\n\r"},
            {"no final line end", "one\r\ntwo"},
            {"blank lines at the end", "text\r\n" + Repeat("\r\n", 1000)},
            {"only line ends", "\r\n\n\r\r\n\n\r"},
            {"high bytes", high},
            {"UTF-8 BOM", "\xEF\xBB\xBF"
                          "first\r\nsecond\r\n"},
            {"UTF-16LE BOM", wide},
            {"huge line", huge},
            {"many short lines", many},
            {"repeated lines", Repeat("a line said again and again\r\n", 40000)}};
}

// The file as QStrings reads it, each line ended by LF: an LF, a CR before one and a CR ending
// the file end a line, and a line stops at its first NUL.
std::string Normalised(const std::string& Bytes) {
    std::string lines;
    bool open = false, cut = false;
    for (size_t i = 0; i < Bytes.size(); ++i) {
        char c = Bytes[i];
        if (c == '\r' && (i + 1 == Bytes.size() || Bytes[i + 1] == '\n')) continue;
        if (c == '\n') {
            lines += '\n';
            open = cut = false;
            continue;
        }
        open = true;
        cut = cut || c == '\0';
        if (!cut) lines += c;
    }
    return open ? lines + '\n' : lines;
}

// Each item followed by LF: items hold no LF, so equal joins mean equal lists.
std::string Joined(const QStrings& List) {
    std::string all;
    for (int i = 0; i < List.Count(); ++i)
        all += List.Item(i) + '\n';
    return all;
}

// Compares without printing megabytes on a mismatch.
testing::AssertionResult Same(const std::string& Actual, const std::string& Expected) {
    if (Actual == Expected) return testing::AssertionSuccess();
    size_t at = 0;
    while (at < Actual.size() && at < Expected.size() && Actual[at] == Expected[at])
        ++at;
    return testing::AssertionFailure() << Actual.size() << " bytes instead of " << Expected.size()
                                       << ", first difference at byte " << at;
}

void RemoveTree(const std::string& Path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((Path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName, child = Path + "\\" + name;
            if (name == "." || name == "..") continue;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(Path.c_str());
}

// Opens Path without sharing, as an editor holding the file does.
HANDLE Lock(const std::string& Path) {
    return CreateFileA(Path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

class FileCorpus : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        RegisterAllClasses();
        Folder = TempFolder() + "file-corpus-" + std::to_string(GetCurrentProcessId()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(Folder.c_str(), nullptr);
        form.SetVisible(false);
        form.SetParent(nullptr);
        // Before the window exists: Wine's edit wraps a line in time quadratic in its length.
        memo.SetWordWrap(0);
        memo.SetParent(&form);
    }
    void TearDown() override { RemoveTree(Folder); }
    std::string In(const std::string& Name) const { return Folder + "\\" + Name; }
    std::string Write(const std::string& Name, const std::string& Bytes) {
        return WriteTestFile(In(Name), Bytes);
    }
    std::set<std::string> Listing() const {
        std::set<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(In("*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do
            names.insert(found.cFileName);
        while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }

    StdoutCapture quiet; // the library's creation lines
    std::string Folder;
    QForm form;
    QMemo memo;
};

} // namespace

TEST_F(FileCorpus, StringsLoseNoLineRefuseOnlyDuplicatesAndRoundTrip) {
    BoxRecorder recorder; // a box would otherwise wait for a click
    for (const Sample& sample : Corpus()) {
        SCOPED_TRACE(sample.Name);
        std::string path = Write("in.txt", sample.Bytes);
        QStrings all, firsts;
        all.AllowDuplicates = true;
        all.LoadFromFile(path);
        firsts.LoadFromFile(path);
        EXPECT_TRUE(Same(ReadTestFile(path), sample.Bytes)) << "loading changed the file";
        std::string lines = Normalised(sample.Bytes);
        EXPECT_EQ(all.Count(), std::count(lines.begin(), lines.end(), '\n'));
        EXPECT_TRUE(Same(Joined(all), lines));

        std::set<std::string> seen;
        std::string unique;
        for (int i = 0; i < all.Count(); ++i)
            if (all.Item(i).empty() || seen.insert(LowerCase(all.Item(i))).second)
                unique += all.Item(i) + '\n';
        EXPECT_TRUE(Same(Joined(firsts), unique)) << "only later equal-ignoring-case items go";

        for (QStrings* list : {&all, &firsts}) {
            std::string loaded = Joined(*list);
            list->SaveToFile(In("saved.txt"));
            list->LoadFromFile(In("saved.txt"));
            EXPECT_TRUE(Same(Joined(*list), loaded)) << "a save and reload changed the items";
        }
    }
    EXPECT_EQ(Listing(), (std::set<std::string>{".", "..", "in.txt", "saved.txt"}));
    EXPECT_TRUE(recorder.Boxes().empty());
}

TEST_F(FileCorpus, MemoTextStopsAtTheFirstNulAndRoundTrips) {
    for (const Sample& sample : Corpus()) {
        SCOPED_TRACE(sample.Name);
        std::string path = Write("in.txt", sample.Bytes);
        memo.SetText("previous"); // an empty file must replace it too
        memo.LoadFromFile(path);
        EXPECT_TRUE(Same(ReadTestFile(path), sample.Bytes)) << "loading changed the file";
        std::string text = memo.Text();
        EXPECT_TRUE(Same(text, sample.Bytes.substr(0, sample.Bytes.find('\0'))));
        memo.SaveToFile(In("saved.txt"));
        EXPECT_TRUE(Same(ReadTestFile(In("saved.txt")), text + '\0'));
        memo.SetText("previous");
        memo.LoadFromFile(In("saved.txt"));
        EXPECT_TRUE(Same(memo.Text(), text)) << "a save and reload changed the text";
    }
}

TEST_F(FileCorpus, FailedSavesKeepTheOldFileAndLeaveNothingBehind) {
    const std::string old = "old\r\nbytes\r\n";
    std::string readOnly = Write("read-only.txt", old), locked = Write("locked.txt", old);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryA(In("folder").c_str(), nullptr);
    const std::string targets[] = {readOnly, locked, In("folder"), In("absent\\out.txt"),
                                   In(std::string(300, 'n') + ".txt")};
    std::set<std::string> before = Listing();
    QStrings list;
    list.Add("new");
    memo.SetText("new");
    BoxRecorder recorder;
    HANDLE lock = Lock(locked);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (const std::string& target : targets) {
        SCOPED_TRACE(target.substr(Folder.size()));
        list.SaveToFile(target);
        EXPECT_EQ(list.Operation, soFileFailed);
        memo.SaveToFile(target);
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadTestFile(readOnly), old);
    EXPECT_EQ(ReadTestFile(locked), old);
    EXPECT_TRUE(GetFileAttributesA(In("folder").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(Listing(), before) << "a temporary or half-written file was left behind";
    std::vector<CaughtBox> boxes = recorder.Boxes();
    EXPECT_EQ(boxes.size(), std::size(targets)) << "one box per QStrings save; QMemo is silent";
    for (const CaughtBox& box : boxes) {
        EXPECT_EQ(box.Caption, "QStrings");
        EXPECT_EQ(box.Text, "Can't save. Bad file.");
    }
}

TEST_F(FileCorpus, FailedLoadsLeaveNoHalfLoadedContent) {
    QStrings list;
    list.Add("stale");
    memo.SetText("kept");
    {
        BoxRecorder recorder;
        list.LoadFromFile(In("missing.txt"));
        memo.LoadFromFile(In("missing.txt"));
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.Operation, soFileFailed);
        EXPECT_EQ(memo.Text(), "kept");
        std::vector<CaughtBox> boxes = recorder.Boxes();
        ASSERT_EQ(boxes.size(), 1u) << "QStrings tells; QMemo is silent";
        EXPECT_EQ(boxes[0].Caption, "QStrings");
        EXPECT_EQ(boxes[0].Text, "File not found.");
    }
    // Files that exist but cannot be read.
    std::string locked = Write("locked.txt", "content\r\n");
    CreateDirectoryA(In("folder").c_str(), nullptr);
    BoxRecorder recorder;
    HANDLE lock = Lock(locked);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    for (const std::string& path : {locked, In("folder")}) {
        SCOPED_TRACE(path);
        list.Add("stale");
        list.LoadFromFile(path);
        EXPECT_EQ(list.Count(), 0);
        memo.LoadFromFile(path);
        EXPECT_EQ(memo.Text(), "kept");
    }
    CloseHandle(lock);
    EXPECT_EQ(ReadTestFile(locked), "content\r\n");
    EXPECT_EQ(Listing(), (std::set<std::string>{".", "..", "folder", "locked.txt"}));
}
