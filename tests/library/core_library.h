// core.dll loaded into a program that has none of the library compiled in, as the designer
// and ordinary programs load it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

// Loads core.dll for one test and frees it at the end.
struct CoreLibraryTest : testing::Test {
    HMODULE Core = LoadLibraryA(CORE_DLL);
    ~CoreLibraryTest() override { FreeLibrary(Core); }
    // The text an exported function answers, or "(missing)".
    std::string Call(const char* Export) {
        auto function = reinterpret_cast<const char*(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(Core, Export)));
        return function ? function() : "(missing)";
    }
};

inline std::vector<std::string> SplitAtCommas(std::string Text) {
    std::vector<std::string> names;
    for (std::istringstream items(Text); std::getline(items, Text, ',');)
        names.push_back(Text);
    return names;
}
