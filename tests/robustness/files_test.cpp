// Files through QStrings and QMemo, one row per target: what a load shows, what a save leaves in
// the file, the boxes, and that a failure keeps the old file and leaves nothing else behind.
#include "controls/edits.h"
#include "logic/observed.h"
#include "support/test_files.h"
#include "test_forms.h" // from tests/window

#include <atomic>
#include <filesystem>

using namespace std::string_literals;

namespace {

// The first four are files holding the row's bytes.
enum Target { AFile, DriveRelative, ReadOnly, Locked, NoFile, NoFolder, AFolder };

// Lines across the end of the 64 KB chunk the file is read in.
const std::string X(65535, 'x'), Y(70000, 'y'), XY = X + "\r\n" + Y + "\r\r";

// Distinct numbered lines, more than the 1 MiB chunk a file is written in, as the file holds
// them (Separator "\r\n") or as the list shows them ("|").
std::string NumberedLines(const char* Separator) {
    std::string lines;
    for (int i = 0; i < 12000; ++i)
        lines += (i ? Separator : "") + std::to_string(1000000 + i) + std::string(90, '-');
    return lines;
}
const std::string Numbered = NumberedLines("\r\n") + "\r\n";

struct FileRow {
    Target Kind;
    // What the row tries, the file's bytes, and the items QStrings loads over "stale", and its
    // Operation; the text QMemo loads over "kept"; the file after QStrings saves its items and
    // "new", and its Operation; after QMemo saves its text; the boxes; what the folder holds.
    std::string Name, Bytes, Expected;
};

const FileRow FileRows[] = {
    {AFile, "CR LF, LF, lone CR, CR CR LF, blank, duplicate, last CR", "a\r\nb\nc\rd\r\r\n\nA\nz\r",
     "a|b|c\rd\r||z 6 / a\r\nb\nc\rd\r\r\n\nA\nz\r / a\r\nb\r\nc\rd\r\r\n\r\nz\r\nnew\r\n 7 / "
     "a\r\nb\nc\rd\r\r\n\nA\nz\r\0 / in.txt"s},
    {AFile, "a NUL ends a line and the memo's text", "ab\0cd\r\nef\0\n"s,
     "ab|ef 6 / ab / ab\r\nef\r\nnew\r\n 7 / ab\0 / in.txt"s},
    {AFile, "lines across the read chunk", XY,
     X + "|" + Y + "\r 6 / " + XY + " / " + XY + "\nnew\r\n 7 / " + XY + "\0 / in.txt"s},
    {AFile, "lines across the written chunk", Numbered,
     NumberedLines("|") + " 6 / " + Numbered + " / " + Numbered + "new\r\n 7 / " + Numbered +
         "\0 / in.txt"s},
    {AFile, "an empty file: the memo writes a single byte", "", " 6 /  / new\r\n 7 / \0 / in.txt"s},
    {DriveRelative, "a drive-relative name, the current folder on another file system", "a\n",
     "a 6 / a\n / a\r\nnew\r\n 7 / a\n\0 / in.txt"s},
    {NoFile, "a missing file", "",
     " 1 / kept / new\r\n 7 / kept\0 QStrings: File not found. / in.txt"s},
    {NoFolder, "a missing folder", "",
     " 1 / kept / (no such file) 1 / (no such file) QStrings: File not found. QStrings: Can't "
     "save. Bad file. /"},
    {AFolder, "a folder as name", "",
     " 5 / kept / (no such file) 1 / (no such file) QStrings: Can't save. Bad file. / in.txt"},
    {ReadOnly, "a read-only file", "old\n",
     "old 6 / old\n / old\n 1 / old\n QStrings: Can't save. Bad file. / in.txt"},
    {Locked, "a file held open by a reader that shares only reading", "old\n",
     "old 6 / old\n / old\n 1 / old\n QStrings: Can't save. Bad file. / in.txt"},
};

// A memo on a shown form, to load and save files.
struct Files : FormTest {
    void SetUp() override {
        [[maybe_unused]] static bool registered = (RegisterMemoClass(), true);
        FormTest::SetUp();
        memo.SetWordWrap(0); // before the window: Wine's edit wraps a long line in quadratic time
        memo.SetParent(&form);
    }
    StdoutCapture quiet; // the library's creation lines
    QMemo memo;
};

} // namespace

TEST_F(Files, LoadAndSaveOnEveryKindOfTarget) {
    auto folder = std::filesystem::temp_directory_path() / std::to_string(GetCurrentProcessId());
    for (const FileRow& row : FileRows) {
        SCOPED_TRACE(row.Name);
        std::filesystem::create_directory(folder);
        std::string path = (folder / (row.Kind == NoFolder ? "absent\\in.txt" : "in.txt")).string();
        if (row.Kind <= Locked) WriteTestFile(path, row.Bytes);
        std::filesystem::path current = std::filesystem::current_path();
        if (row.Kind == DriveRelative) {
            // The current folder goes to Z:\dev\shm, a file system of its own (tmpfs), so that
            // Wine cannot move a file made there to the row's folder.
            std::string drive = folder.root_name().string();
            SetEnvironmentVariableA(("=" + drive).c_str(), folder.string().c_str());
            SetCurrentDirectoryA("Z:\\dev\\shm");
            path = drive + "in.txt";
        }
        if (row.Kind == ReadOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        if (row.Kind == AFolder) std::filesystem::create_directory(path);
        HANDLE lock = row.Kind != Locked ? nullptr
                                         : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                       nullptr, OPEN_EXISTING, 0, nullptr);
        QMemo().SaveToFile(path); // without a window it has nothing to save
        BoxRecorder boxes;
        QStrings list;
        list.Add("stale");
        list.LoadFromFile(path);
        for (int i = 0; i < list.Count(); ++i)
            EXPECT_EQ(list.Value(i), 0) << "a loaded line carries no value";
        memo.SetText("kept");
        memo.LoadFromFile(path);
        auto observed = ItemsOf(list) + " " + std::to_string(list.Operation) + " / " + memo.Text();
        list.Add("new");
        list.SaveToFile(path);
        observed += " / " + ReadTestFile(path) + " " + std::to_string(list.Operation);
        memo.SaveToFile(path);
        observed += " / " + ReadTestFile(path) + BoxesOf(boxes) + " /";
        std::filesystem::current_path(current);
        CloseHandle(lock);
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            observed += " " + entry.path().filename().string();
        std::filesystem::remove_all(folder);
        EXPECT_EQ(observed, row.Expected);
    }
}

// The test program's allocator refuses larger blocks.
extern std::atomic<size_t> LargestBlock;

// Memory without room for a block over 2.5 MB: 200,000 equal lines load as one item, without
// room reserved for each line (5 MB). Without room over 250 KB the load and a capacity write
// fail with their boxes, a memo keeps its text, and the program goes on.
TEST_F(Files, LoadsAndCapacityWritesThatMemoryCannotHoldFailAndTheProgramGoesOn) {
    memo.SetText("kept");
    std::string same, path = TempFolder() + "same.txt", observed;
    for (int line = 0; line < 200000; ++line)
        same += "a\n";
    WriteTestFile(path, same);
    BoxRecorder boxes;
    for (size_t largest : {2500000, 250000}) {
        QStrings list;
        LargestBlock = largest;
        list.LoadFromFile(path);
        list.SetCapacity(1 << 20);
        if (largest < 1000000) memo.LoadFromFile(path); // 400 KB in the memo would take seconds
        LargestBlock = SIZE_MAX;
        observed += Join(ItemsOf(list), list.Operation, list.Capacity());
    }
    DeleteFileA(path.c_str());
    EXPECT_EQ(observed + memo.Text() + BoxesOf(boxes),
              "a 6 1048576  1 0 kept QStrings: Can't load. Not enough memory. QStrings: Wrong "
              "capacity value.");
}
