// QStrings: duplicates, indices, text conversions, the file format both ways and safe saving.
#include "containers/string_list.h"
#include "support/box_recorder.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

std::vector<int> Changes;
void RecordChange(QStrings*, int Operation) {
    Changes.push_back(Operation);
}

std::vector<std::string> ItemsOf(QStrings& List) {
    std::vector<std::string> items;
    for (int i = 0; i < List.Count(); ++i)
        items.push_back(List.Item(i));
    return items;
}

// A folder of its own for each test, removed with what it holds.
class StringFileTest : public testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH];
        GetTempPathA(sizeof base, base);
        Folder = std::string(base) + "qstrings-" + std::to_string(GetCurrentProcessId()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
        CreateDirectoryA(Folder.c_str(), nullptr);
        Changes.clear();
        List.OnChange = RecordChange;
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((Folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string path = Folder + found.cFileName;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(Folder.c_str());
    }
    std::string Write(const std::string& Name, const std::string& Bytes) {
        return WriteTestFile(Folder + Name, Bytes);
    }
    std::vector<std::string> Load(const std::string& Bytes) {
        List.LoadFromFile(Write("in.txt", Bytes));
        return ItemsOf(List);
    }
    int FilesInFolder() {
        int count = 0;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((Folder + "*").c_str(), &found);
        do
            count += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
        while (FindNextFileA(search, &found));
        FindClose(search);
        return count;
    }
    std::string Folder;
    QStrings List;
};

using Items = std::vector<std::string>;

} // namespace

TEST(StringList, DuplicatesAreRefusedIgnoringCaseUnlessAllowed) {
    QStrings list;
    Changes.clear();
    list.OnChange = RecordChange;
    EXPECT_EQ(list.Add("abc"), 1);
    EXPECT_EQ(list.Add("ABC"), 1);
    EXPECT_EQ(list.Add(""), 2);
    EXPECT_EQ(list.Add(""), 3) << "empty strings are always appended";
    EXPECT_EQ(Changes, (std::vector<int>{2, 2, 2}));
    list.AllowDuplicates = true;
    EXPECT_EQ(list.Add("ABC"), 4);
    list.AllowDuplicates = false;
    list.Delete(0);
    EXPECT_EQ(list.Add("aBc"), 3) << "a copy remains, so the index still refuses it";
    list.Delete(2);
    EXPECT_EQ(list.Add("abc", 9), 3) << "the last copy is gone";
    list.SetItem(2, "xyz");
    EXPECT_EQ(Changes, (std::vector<int>{2, 2, 2, 2, 4, 4, 2})) << "Item writes report nothing";
    EXPECT_EQ(list.Add("ABC"), 4) << "writing an item updates the duplicate check";
    EXPECT_EQ(list.Add("XYZ"), 4);
    EXPECT_EQ(list.Add(std::string("q\0r", 3)), 5);
    EXPECT_EQ(list.Item(4), "q") << "stored up to the NUL";
}

TEST(StringList, SearchAndIndices) {
    QStrings list;
    list.Add("one", 10);
    list.Add("Two", 20);
    list.Add("three", 30);
    EXPECT_EQ(list.IndexOf("TWO"), 1);
    EXPECT_EQ(list.IndexOf("four"), -1);
    EXPECT_EQ(list.IndexOfValue(30), 2);
    EXPECT_EQ(list.IndexOfValue(99), 0) << "no match answers 0, like index 0";
    EXPECT_EQ(list.Item(-1), "");
    EXPECT_EQ(list.Item(3), "");
    list.SetItem(3, "ignored");
    list.SetItem(-5, "ignored");
    BoxRecorder recorder;
    for (int bad : {-1, 3, 0x7FFFFFFF})
        list.Delete(bad);
    auto boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[2].Text, "Invalid string index -1.");
    EXPECT_EQ(boxes[2].Caption, "QStrings");
    EXPECT_EQ(ItemsOf(list), (Items{"one", "Two", "three"}));
    list.Delete(0);
    EXPECT_EQ(ItemsOf(list), (Items{"Two", "three"}));
    EXPECT_EQ(list.Value(0), 20) << "values move with their strings";
    list.Remove("THREE");
    list.Remove("absent");
    EXPECT_EQ(ItemsOf(list), Items{"Two"});
    list.Clear();
    list.Add("four");
    EXPECT_EQ(list.Value(0), 0) << "values go with Clear";
}

// Random changes through every operation that moves items, each followed by a scan that says
// what IndexOf and the duplicate check must answer.
TEST(StringList, TheIndexAgreesWithAScanThroughEveryChange) {
    const std::vector<std::string> words = {"", "a", "A", "b", "B", "ab", "aB", "Ab", "abc", "x"};
    auto scan = [](QStrings& List, const std::string& S) {
        for (int i = 0; i < List.Count(); ++i)
            if (_stricmp(List.Item(i).c_str(), S.c_str()) == 0) return i;
        return -1;
    };
    QStrings list;
    unsigned seed = 12345;
    auto next = [&](unsigned Below) { return (seed = seed * 1103515245 + 12345) / 65536 % Below; };
    for (int step = 0; step < 4000; ++step) {
        const std::string& word = words[next(words.size())];
        int at = list.Count() ? static_cast<int>(next(list.Count())) : 0;
        switch (next(6)) {
        case 0:
        case 1: {
            list.AllowDuplicates = next(2);
            int before = list.Count();
            bool present = !word.empty() && scan(list, word) >= 0;
            list.Add(word);
            ASSERT_EQ(list.Count(), before + (present && !list.AllowDuplicates ? 0 : 1)) << step;
            break;
        }
        case 2:
            if (list.Count()) list.Delete(at);
            break;
        case 3:
            list.SetItem(at, word);
            break;
        case 4:
            list.Remove(word);
            break;
        default:
            if (next(40) == 0) list.Clear();
        }
        for (const std::string& probe : words)
            ASSERT_EQ(list.IndexOf(probe), scan(list, probe)) << "step " << step << ": " << probe;
    }
}

TEST(StringList, TextAndCommaText) {
    QStrings list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("b");
    EXPECT_EQ(list.Text(), std::string("a\nb\0", 4));
    list.Clear();
    list.Add("a");
    list.SetText("x\ny");
    EXPECT_EQ(ItemsOf(list), (Items{"a", "x"})) << "bytes after the last LF are discarded";
    list.SetText("c\r\n");
    EXPECT_EQ(list.Item(2), "c\r");
    list.Clear();
    list.SetCommaText("one,two");
    EXPECT_EQ(ItemsOf(list), (Items{"one,", "two"}));
    EXPECT_EQ(list.CommaText(), "one, two");
    list.Clear();
    list.SetCommaText("a,b,");
    EXPECT_EQ(ItemsOf(list), (Items{"a,", "b,", ""}));
    Changes.clear();
    list.OnChange = RecordChange;
    list.SetText("");
    list.SetCommaText("");
    EXPECT_EQ(Changes, (std::vector<int>{5, 5}));
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, CountCapacityAndListWrites) {
    QStrings list;
    list.SetCount(3);
    EXPECT_EQ(ItemsOf(list), (Items{"", "", ""}));
    list.SetItem(0, "keep");
    list.SetCount(1);
    EXPECT_EQ(ItemsOf(list), Items{"keep"});
    list.SetCount(-4);
    EXPECT_EQ(list.Count(), 1);
    BoxRecorder recorder;
    list.SetCapacity(6);
    EXPECT_EQ(list.Capacity(), 0);
    ASSERT_EQ(recorder.Boxes().size(), 1u);
    EXPECT_EQ(recorder.Boxes()[0].Text, "Wrong capacity value.");
    list.SetCapacity(8);
    EXPECT_EQ(list.Capacity(), 8);
    EXPECT_EQ(list.Count(), 1) << "capacity only reserves";
    const char* replacement[] = {"given"};
    list.SetList(replacement);
    replacement[0] = "changed later";
    EXPECT_EQ(list.Item(0), "given") << "the list copies what it is handed";
    EXPECT_STREQ(list.List()[0], "given");
    EXPECT_EQ(list.Data(), list.List());
    list.SetCapacity(0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(StringList, ParentListHoldsTheListAndItsDeathClearsParent) {
    auto* holder = new QObject;
    {
        QStrings list;
        list.SetParent(holder);
        list.SetParent(holder);
        EXPECT_EQ(holder->ObjectCount(), 1);
    }
    EXPECT_EQ(holder->ObjectCount(), 0) << "a destroyed list leaves its parent";
    QStrings orphan;
    orphan.SetParent(holder);
    delete holder;
    EXPECT_EQ(orphan.Parent(), nullptr) << "the list must not keep the freed holder";
}

TEST_F(StringFileTest, LineEndsAndOddBytes) {
    EXPECT_EQ(Load(""), Items{});
    EXPECT_EQ(Load("a\r\nb\r\n"), (Items{"a", "b"}));
    EXPECT_EQ(Load("a\nb"), (Items{"a", "b"}));
    EXPECT_EQ(Load("a\rb\r"), Items{"a\rb"}) << "only a CR before LF or at the end is dropped";
    EXPECT_EQ(Load("\r\r\n"), Items{"\r"});
    EXPECT_EQ(Load("\n\n"), (Items{"", ""}));
    EXPECT_EQ(Load(std::string("ab\0cd\nef", 8)), (Items{"ab", "ef"}));
    EXPECT_EQ(Load("a\nA\nb\n"), (Items{"a", "b"}));
    // The file is read in 64 KB chunks: a CR LF and a line across a chunk's end.
    std::string first(65535, 'x'), second(70000, 'y');
    EXPECT_EQ(Load(first + "\r\n" + second + "\r\r"), (Items{first, second + "\r"}));
}

TEST_F(StringFileTest, RoundTripReportsEachStep) {
    List.Add("a");
    List.Add("b");
    Changes.clear();
    std::string path = Folder + "out.txt";
    List.SaveToFile(path);
    EXPECT_EQ(ReadTestFile(path), "a\r\nb\r\n");
    EXPECT_EQ(Changes, std::vector<int>{7});
    Changes.clear();
    List.LoadFromFile(path);
    EXPECT_EQ(ItemsOf(List), (Items{"a", "b"}));
    EXPECT_EQ(Changes, (std::vector<int>{5, 2, 2, 6}));
    EXPECT_EQ(List.FileName(), path);
    List.Clear();
    List.SaveToFile(path);
    EXPECT_EQ(ReadTestFile(path), "");
    EXPECT_EQ(FilesInFolder(), 1) << "no temporary file is left behind";
}

TEST_F(StringFileTest, MissingFolderAndUnreadableNamesFail) {
    BoxRecorder recorder;
    Changes.clear();
    List.LoadFromFile(Folder + "missing.txt");
    EXPECT_EQ(List.Operation, 1);
    EXPECT_EQ(List.FileName(), Folder + "missing.txt");
    EXPECT_EQ(Changes, std::vector<int>{5}) << "cleared first; the failure calls no OnChange";
    List.LoadFromFile("");
    List.LoadFromFile(Folder); // a folder exists but is no file: silently empty
    EXPECT_EQ(List.Operation, 5);
    List.Add("x");
    Changes.clear();
    List.SaveToFile(Folder + "no\\such\\folder\\out.txt");
    List.SaveToFile(Folder);
    EXPECT_EQ(List.Operation, 1);
    EXPECT_TRUE(Changes.empty());
    EXPECT_EQ(ItemsOf(List), Items{"x"});
    auto boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].Text, "File not found.");
    EXPECT_EQ(boxes[1].Text, "File not found.");
    EXPECT_EQ(boxes[2].Text, "Can't save. Bad file.");
    EXPECT_EQ(boxes[3].Caption, "QStrings");
}

TEST_F(StringFileTest, LoadingManyLinesStaysLinear) {
    std::string bytes;
    for (int i = 0; i < 200000; ++i)
        bytes += "line " + std::to_string(i) + "\r\n";
    std::string path = Write("big.txt", bytes);
    auto start = std::chrono::steady_clock::now();
    List.LoadFromFile(path);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(List.Count(), 200000);
    EXPECT_LT(elapsed, std::chrono::seconds(10)) << "a quadratic duplicate check takes minutes";
}
