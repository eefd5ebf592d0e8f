// QStrings.LoadFromFile against reading the same file into a vector with a hash set.
#include "timing.h"

#include "containers/string_list.h"

#include <cctype>
#include <fstream>
#include <unordered_set>
#include <vector>

namespace {

// Lines "Line n", CR LF ended; with Repeats every other line repeats an earlier one in
// another letter case, which a list refusing duplicates drops.
std::string WriteLines(int Lines, bool Repeats) {
    std::string name = "bench-lines-" + std::to_string(Lines) + (Repeats ? "-half.txt" : ".txt");
    std::ofstream out(name, std::ios::binary);
    for (int i = 0; i < Lines; ++i)
        out << (Repeats && i % 2 ? "LINE " + std::to_string(i / 2) : "Line " + std::to_string(i))
            << "\r\n";
    return name;
}

size_t PlainLoad(const std::string& FileName) {
    std::ifstream in(FileName, std::ios::binary);
    std::vector<std::string> lines;
    std::unordered_set<std::string> seen;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string key = line;
        for (char& c : key)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (line.empty() || seen.insert(key).second) lines.push_back(std::move(line));
    }
    return lines.size();
}

double LibraryLoad(const std::string& FileName) {
    return MedianSeconds(
        [&] {
            QStrings list;
            list.LoadFromFile(FileName);
        },
        5);
}

} // namespace

void BenchStringList() {
    for (bool repeats : {false, true}) {
        std::string file = WriteLines(200000, repeats);
        double library = LibraryLoad(file);
        double plain = MedianSeconds([&] { PlainLoad(file); }, 5);
        std::string name = repeats ? "load 200000 lines, half repeated" : "load 200000 lines";
        PrintFigure(name + " QStrings", library * 1e3, "ms");
        PrintFigure(name + " vector", plain * 1e3, "ms");
        PrintRatio(name, library / plain, 2);
        DeleteFileA(file.c_str());
    }
    std::string small = WriteLines(20000, false), large = WriteLines(200000, false);
    PrintRatio("load 10x lines time", LibraryLoad(large) / LibraryLoad(small), 12);
    PrintFigure("load 10x lines time, vector",
                MedianSeconds([&] { PlainLoad(large); }, 5) /
                    MedianSeconds([&] { PlainLoad(small); }, 5),
                "times");
    DeleteFileA(small.c_str());
    DeleteFileA(large.c_str());
}
