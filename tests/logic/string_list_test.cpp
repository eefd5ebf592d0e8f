// QStrings driven by small scripts: what each operation answers, the items it leaves, the
// OnChange codes it raises and the boxes it shows; and its caseless index against a scan.
#include "logic/observed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>

using namespace std::string_literals;

namespace {

std::string Changes;

// Plays Script: words split at spaces, each an operation letter and its argument ('^' stands for
// a NUL byte). Answers each read ended by ';', then the items, the OnChange codes and the boxes.
// After every word IndexOf must agree with a scan, for the argument and for every item.
//   +S add S and read the answer (+S@V: with value V)   -N delete   xS remove   =N:S set item N
//   ?S IndexOf   vN IndexOfValue   VN Value   iN Item   T Text   K CommaText   l List
//   tS set Text   kS set CommaText   nN set Count   pN set Capacity and read it   c clear
//   d switch AllowDuplicates   LN set the list from {"p", null, "q"} (N 0: from null)
std::string Played(const std::string& Script) {
    QStrings list;
    Changes.clear();
    list.OnChange = [](QStrings*, int Operation) { Changes += std::to_string(Operation); };
    BoxRecorder boxes;
    std::string reads, word, arg, after;
    int n = 0;
    auto read = [&](const std::string& S) { reads += S + ';'; };
    auto number = [&](int N) { read(std::to_string(N)); };
    const std::map<char, std::function<void()>> operations = {
        {'+', [&] { number(list.Add(arg.substr(0, arg.find('@')), atoi(after.c_str()))); }},
        {'-', [&] { list.Delete(n); }},
        {'x', [&] { list.Remove(arg); }},
        {'=', [&] { list.SetItem(n, after); }},
        {'?', [&] { number(list.IndexOf(arg)); }},
        {'v', [&] { number(list.IndexOfValue(n)); }},
        {'V', [&] { number(list.Value(n)); }},
        {'i', [&] { read(list.Item(n)); }},
        {'T', [&] { read(list.Text()); }},
        {'K', [&] { read(list.CommaText()); }},
        {'l',
         [&] {
             std::string items;
             for (int i = 0; i < list.Count(); ++i)
                 items += (i ? "|" : "") + std::string(list.List()[i]);
             read(items);
         }},
        {'t', [&] { list.SetText(arg); }},
        {'k', [&] { list.SetCommaText(arg); }},
        {'n', [&] { list.SetCount(n); }},
        {'p', [&] { list.SetCapacity(n), number(list.Capacity()); }},
        {'c', [&] { list.Clear(); }},
        {'d', [&] { list.AllowDuplicates = !list.AllowDuplicates; }},
        {'L', [&] {
             static const char* const items[] = {"p", nullptr, "q"};
             list.SetList(n ? items : nullptr);
         }}};
    for (std::istringstream words(Script); std::getline(words, word, ' ');) {
        std::replace(word.begin(), word.end(), '^', '\0');
        // The argument after the first @ or : (all of it when it holds neither).
        arg = word.substr(1), after = arg.substr(arg.find_first_of("@:") + 1);
        n = atoi(arg.c_str());
        operations.at(word[0])();
        for (int i = -1, first = 0; i < list.Count(); ++i, first = 0) {
            std::string probe = i < 0 ? arg : list.Item(i);
            while (first < list.Count() && _stricmp(list.Item(first).c_str(), probe.c_str()))
                ++first;
            if (list.IndexOf(probe) != (first < list.Count() ? first : -1)) read("bad index");
        }
    }
    return reads + " [" + ItemsOf(list) + "] " + Changes + BoxesOf(boxes);
}

struct ListRow {
    const char* Name;
    std::string Script, Expected;
};

const ListRow ListRows[] = {
    {"equal ignoring case is refused, empty strings never; a NUL ends a string",
     "+abc +ABC + + ?aBC ?ab +q^r ?q^s +Q", "1;1;2;3;0;-1;4;3;4; [abc|||q] 2222"},
    {"an allowed copy keeps the key after the first goes", "d +abc +ABC d -0 +aBc ?abc -0 +abc",
     "1;2;1;0;1; [abc] 22442"},
    {"an item write re-keys the check and reports nothing", "+abc =0:xyz +ABC +XYZ ?xYz =1:q",
     "1;2;2;0; [xyz|q] 22"},
    {"values move with their strings and go with Clear; no value found answers 0",
     "+one@10 +Two@20 +three@30 -0 V0 v30 v99 V-1 V2 c +z V0", "1;2;3;20;1;0;0;0;1;0; [z] 222452"},
    {"a value deleted from the end is not found where it was", "+a@10 +b@20 +c@30 -2 v30",
     "1;2;3;0; [a|b] 2224"},
    {"Remove takes the first equal item", "d +a +b +A xA xabsent", "1;2;3; [b|A] 2224"},
    {"a list write sets each item, a null one empties it; a null list changes nothing",
     "+a +b +c L1 ?P ?a l L0 n2", "1;2;3;0;-1;p||q; [p|] 2224"},
    {"out of range: empty reads, no writes, boxed deletes", "+one =1:x =-1:x -1 --1 i-1 i1 V1 ?one",
     "1;;;0;0; [one] 2 QStrings: Invalid string index -1. QStrings: Invalid string index -1."},
    {"Text joins by LF and ends in one NUL; SetText adds each LF-ended line, drops the rest",
     "T +a T tx\ny\r\nz T", ";1;a\0;a\nx\ny\r\0; [a|x|y\r] 222"s},
    {"CommaText keeps each comma with its item and reads joined by spaces; empty texts clear",
     "kone,two, K t +b k", "one, two, ;1; [] 222525"},
    {"CommaText of three items keeps each one's own text", "ka,bb,c K", "a, bb, c; [a,|bb,|c] 222"},
    {"Count adds empty items or cuts from the end; Capacity only reserves, in fours, within what "
     "memory holds; 0 empties",
     "n3 =0:keep n1 n-4 i0 p6 p8 p2147483644 i0 p0",
     "keep;0;8;2147483644;keep;0; [] 222445 QStrings: Wrong capacity value."},
};

} // namespace

TEST(StringList, Operations) {
    for (const ListRow& row : ListRows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Played(row.Script), row.Expected);
    }
    // Random words of a, A, b and B (31 keys, so the index grows twice and never fills) through
    // the operations that move items; Played checks the index after each.
    unsigned seed = 12345;
    auto next = [&](unsigned Below) { return (seed = seed * 1103515245 + 12345) / 65536 % Below; };
    std::string script = "d";
    for (int step = 0; step < 3000; ++step) {
        char operation = "+++x-=dc"[next(next(60) ? 7 : 8)];
        script += std::string(" ") + operation;
        if (operation == '-' || operation == '=') script += std::to_string(next(40)) + ":";
        for (unsigned length = next(5); length > 0; --length)
            script += "aAbB"[next(4)];
    }
    EXPECT_EQ(Played(script).find("bad index"), std::string::npos);
}
