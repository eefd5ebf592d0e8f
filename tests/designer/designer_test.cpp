// The designer driven from outside: every class placed, moved, resized and edited, the form
// saved and opened again, damaged files refused, the C++ generated.
#include "designer_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

// The property list's rows (PropertyList::Row).
enum Row {
    ClassRow,
    AncestorRow,
    NameRow,
    TextRow,
    LeftRow,
    TopRow,
    WidthRow,
    HeightRow,
    StyleRow,
    ExStyleRow,
    IdRow
};

std::string Folder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + "velmora-designer-test\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

std::string ReadFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& Path, const std::string& Text) {
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Text;
}

std::vector<std::string> Classes() {
    HMODULE core = LoadLibraryA(CORE_DLL);
    auto list = reinterpret_cast<const char*(WINAPI*)()>(
        reinterpret_cast<void*>(GetProcAddress(core, "EXPORTCLASSES@0")));
    std::vector<std::string> names;
    std::stringstream text(list ? list() : "");
    for (std::string name; std::getline(text, name, ',');)
        names.push_back(name);
    FreeLibrary(core);
    return names;
}

std::vector<SeenComponent> ById(std::vector<SeenComponent> Components) {
    std::sort(Components.begin(), Components.end(),
              [](const SeenComponent& a, const SeenComponent& b) { return a.Id < b.Id; });
    return Components;
}

void ExpectSame(const std::vector<SeenComponent>& Expected,
                const std::vector<SeenComponent>& Actual) {
    ASSERT_EQ(Expected.size(), Actual.size());
    for (size_t i = 0; i < Expected.size(); ++i)
        EXPECT_EQ(Describe(Expected[i]), Describe(Actual[i]));
}

SeenComponent* WithClass(std::vector<SeenComponent>& Components, const std::string& Name) {
    for (SeenComponent& c : Components)
        if (c.ClassName == Name) return &c;
    return nullptr;
}

// The middle of a component, away from the grab handles.
POINT Inside(const SeenComponent& c) {
    return {(c.Bounds.left + c.Bounds.right) / 2, (c.Bounds.top + c.Bounds.bottom) / 2};
}

class DesignerTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        DeleteFileA(Log().c_str());
        Designer = new DesignerProcess;
        ASSERT_TRUE(Designer->Start("--log \"" + Log() + "\""));
    }
    static void TearDownTestSuite() {
        EXPECT_EQ(Designer->Close(), 0u);
        delete Designer;
    }
    static std::string Log() { return Folder() + "messages.log"; }
    static std::string LastMessage() {
        std::string log = ReadFile(Log());
        if (!log.empty() && log.back() == '\n') log.pop_back();
        return log.substr(log.find_last_of('\n') + 1);
    }
    static DesignerProcess* Designer;
};

DesignerProcess* DesignerTest::Designer = nullptr;

TEST_F(DesignerTest, EveryClassPlacedMovedResizedAndEditedComesBackFromItsFile) {
    ASSERT_TRUE(Designer->TextCommand("new"));
    std::vector<std::string> classes = Classes();
    ASSERT_EQ(classes.size(), 17u);
    // Four columns of cells; the first classes are placed by a click (their default size), the
    // others by dragging out a rectangle.
    for (size_t i = 0; i < classes.size(); ++i) {
        POINT corner = {static_cast<LONG>(5 + i % 4 * 135), static_cast<LONG>(5 + i / 4 * 78)};
        Designer->Command(FirstTool + static_cast<int>(i));
        if (i < 6)
            Designer->Click(corner);
        else
            Designer->Drag(corner, {corner.x + 120, corner.y + 60});
    }
    std::vector<SeenComponent> placed = Designer->Components();
    ASSERT_EQ(placed.size(), classes.size());
    for (const std::string& name : classes)
        EXPECT_TRUE(WithClass(placed, name)) << name << " was not placed";
    SeenComponent* button = WithClass(placed, "QButton");
    ASSERT_TRUE(button);
    EXPECT_EQ(button->Bounds.right - button->Bounds.left, 75) << "a click places the default size";
    EXPECT_EQ(button->Bounds.bottom - button->Bounds.top, 35);
    SeenComponent* memo = WithClass(placed, "QMemo");
    ASSERT_TRUE(memo);
    EXPECT_EQ(memo->Bounds.right - memo->Bounds.left, 120) << "a drawn rectangle places its size";

    // A click on a placed button selects it and does not press it.
    Designer->Click(Inside(*button));
    EXPECT_EQ(Designer->Property(ClassRow), "QButton");
    EXPECT_EQ(lstrcmpiA(Designer->Property(AncestorRow).c_str(), "Button"), 0);
    // Drag it by (7, 5), then pull its lower right handle by (10, 6), then nudge it right.
    RECT start = button->Bounds;
    Designer->Drag(Inside(*button), {Inside(*button).x + 7, Inside(*button).y + 5});
    Designer->Drag({start.right + 7, start.bottom + 5}, {start.right + 17, start.bottom + 11});
    Designer->Key(VK_RIGHT);
    EXPECT_EQ(Designer->Property(LeftRow), std::to_string(start.left + 8));
    EXPECT_EQ(Designer->Property(TopRow), std::to_string(start.top + 5));
    EXPECT_EQ(Designer->Property(WidthRow), "85");
    EXPECT_EQ(Designer->Property(HeightRow), "41");

    // Edit properties of the button and the memo; separators and line ends go into the text.
    Designer->SetProperty(TextRow, "Save | all \\ now");
    Designer->SetProperty(IdRow, "77");
    Designer->Click(Inside(*WithClass(placed, "QMemo")));
    Designer->SetProperty(TextRow, "one\r\ntwo");
    Designer->SetProperty(StyleRow, Designer->Property(StyleRow)); // written back unchanged
    Designer->SetProperty(NameRow, "Notes");

    // A placed component can be deleted again.
    Designer->Command(FirstTool + 4);
    Designer->Click({400, 380});
    ASSERT_EQ(Designer->Components().size(), classes.size() + 1);
    Designer->Key(VK_DELETE);
    std::vector<SeenComponent> designed = ById(Designer->Components());
    ASSERT_EQ(designed.size(), classes.size());
    EXPECT_EQ(WindowText(GetDlgItem(Designer->Surface(), 77)), "Save | all \\ now");

    std::string first = Folder() + "every-class.vform", second = Folder() + "again.vform";
    ASSERT_TRUE(Designer->TextCommand("save " + first));
    ASSERT_TRUE(Designer->TextCommand("new"));
    EXPECT_TRUE(Designer->Components().empty());
    ASSERT_TRUE(Designer->TextCommand("open " + first));
    ExpectSame(designed, ById(Designer->Components()));
    ASSERT_TRUE(Designer->TextCommand("save " + second));
    EXPECT_EQ(ReadFile(first), ReadFile(second)) << "names and texts come back too";
    EXPECT_NE(ReadFile(first).find("QMemo|Notes|one\\r\\ntwo|"), std::string::npos);

    // The C++ of this form; the generated_form test builds and runs it and compares what it
    // shows with the windows listed here.
    CreateDirectoryA(GENERATED_DIR, nullptr);
    ASSERT_TRUE(Designer->TextCommand(std::string("generate ") + GENERATED_DIR));
    std::ofstream expected(std::string(GENERATED_DIR) + "/expected.txt", std::ios::binary);
    for (const SeenComponent& c : designed)
        if (c.ClassName != "VUdeRedo")
            expected << c.ClassName << '|' << c.Text << '|' << c.Bounds.left << '|' << c.Bounds.top
                     << '|' << c.Bounds.right - c.Bounds.left << '|'
                     << c.Bounds.bottom - c.Bounds.top << '\n';
}

TEST_F(DesignerTest, BadPropertyValuesAreRefusedWithAMessageAndChangeNothing) {
    ASSERT_TRUE(Designer->TextCommand("new"));
    Designer->Command(FirstTool + 4);
    Designer->Click({20, 20});
    Designer->Command(FirstTool + 5);
    Designer->Click({20, 100});
    std::vector<SeenComponent> before = Designer->Components();
    struct BadValue {
        const char* Name;
        int Row;
        const char* Value;
        const char* Message;
    };
    const BadValue rows[] = {
        {"NotANumber", LeftRow, "ten", "Left: \"ten\""},
        {"NegativeWidth", WidthRow, "-5", "Width: \"-5\""},
        {"NegativeHeight", HeightRow, "-1", "Height: \"-1\""},
        {"StyleNotHex", StyleRow, "0x5000000G", "Style: \"0x5000000G\""},
        {"ExStyleTooLong", ExStyleRow, "123456789", "ExStyle: \"123456789\""},
        {"IdTooLarge", IdRow, "70000", "ID: \"70000\""},
        {"NameNotCpp", NameRow, "2nd button", "Name: \"2nd button\""},
        {"NameTaken", NameRow, "Edit1", "Name: another component is called \"Edit1\""},
    };
    for (const BadValue& row : rows) {
        SCOPED_TRACE(row.Name);
        Designer->Click({22, 22});
        std::string text = Designer->Property(TextRow);
        Designer->SetProperty(TextRow, "changed");
        Designer->Click({22, 22}); // reads the properties back: the text took
        EXPECT_EQ(Designer->Property(TextRow), "changed");
        Designer->SetProperty(TextRow, text);
        Designer->SetProperty(row.Row, row.Value);
        Designer->Sync();
        EXPECT_NE(LastMessage().find(row.Message), std::string::npos) << LastMessage();
        ExpectSame(ById(before), ById(Designer->Components()));
    }
}

TEST_F(DesignerTest, DamagedFormFilesAreRefusedNamingTheLineAndTheFormStays) {
    std::string good = "Velmora form 1\r\ncore Velmora(Tessaly7)-GUI Version 1\r\n"
                       "QButton|Ok|OK|10|10|75|35|56010000|00000000|1001\r\n"
                       "QEdit|Input|a\\|b|10|60|121|21|56010080|00000200|1002\r\n";
    std::string path = Folder() + "damaged.vform";
    WriteFile(path, good);
    ASSERT_TRUE(Designer->TextCommand("open " + path));
    std::vector<SeenComponent> before = ById(Designer->Components());
    ASSERT_EQ(before.size(), 2u);
    EXPECT_EQ(before[1].Text, "a|b");
    struct Damage {
        const char* Name;
        std::string Text;
        const char* Message;
    };
    const Damage rows[] = {
        {"WrongHeader", "Velmora form 2\r\n" + good.substr(16), "line 1:"},
        {"Empty", "", "line 1:"},
        {"NoCoreLine", "Velmora form 1\r\n", "line 2:"},
        {"UnknownClass", good + "QForm|Main|x|0|0|10|10|0|0|1\r\n",
         "line 5: the library has no class"},
        {"BadNumber", good + "QLabel|L|x|0|1O|10|10|0|0|1\r\n", "line 5: bad top \"1O\""},
        {"NegativeSize", good + "QLabel|L|x|0|0|-10|10|0|0|1\r\n", "line 5: bad width"},
        {"BadStyle", good + "QLabel|L|x|0|0|10|10|zz|0|1\r\n", "line 5: bad style"},
        {"TruncatedLine", good.substr(0, good.size() - 20), "line 4: 8 fields where 10 belong"},
        {"UnknownEscape", good + "QLabel|L|a\\tb|0|0|10|10|0|0|1\r\n", "line 5: a \\"},
        {"NameTwice", good + "QLabel|Ok|x|0|0|10|10|0|0|1\r\n", "line 5: the name \"Ok\""},
    };
    for (const Damage& row : rows) {
        SCOPED_TRACE(row.Name);
        WriteFile(path, row.Text);
        EXPECT_FALSE(Designer->TextCommand("open " + path));
        EXPECT_NE(LastMessage().find(row.Message), std::string::npos) << LastMessage();
        ExpectSame(before, ById(Designer->Components()));
    }
}

struct StartFailure {
    const char* Name;
    std::string Arguments;
    DWORD ExitCode;
    const char* Message;
};

TEST(DesignerStartTest, RefusesAMissingLibraryOrAnotherDllWithAMessageAndExitCode) {
    std::string log = Folder() + "start.log";
    const StartFailure rows[] = {
        {"Missing", "Z:\\no\\such\\core.dll", 2, "Can't load the component library"},
        {"NotTheLibrary", MIRVANE_DLL, 3, "is not the Velmora component library"},
        {"BadSwitch", "--colour red", 1, "Usage:"},
    };
    for (const StartFailure& row : rows) {
        SCOPED_TRACE(row.Name);
        DeleteFileA(log.c_str());
        EXPECT_EQ(DesignerProcess::RunToEnd("--log \"" + log + "\" " + row.Arguments),
                  row.ExitCode);
        EXPECT_NE(ReadFile(log).find(row.Message), std::string::npos) << ReadFile(log);
    }
}

} // namespace
