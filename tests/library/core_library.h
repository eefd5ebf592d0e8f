// core.dll loaded into a program that has none of the library compiled in, as the designer
// and ordinary programs load it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Loads core.dll for one test and frees it at the end.
class CoreLibraryTest : public testing::Test {
protected:
    void SetUp() override {
        Core = LoadLibraryA(CORE_DLL);
        ASSERT_NE(Core, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (Core) FreeLibrary(Core);
    }
    std::string Call(const char* Export) {
        auto function = reinterpret_cast<const char*(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(Core, Export)));
        return function ? function() : "(missing)";
    }
    HMODULE Core = nullptr;
};

inline std::vector<std::string> SplitAtCommas(const std::string& Text) {
    std::vector<std::string> names;
    for (size_t start = 0, comma;; start = comma + 1) {
        comma = Text.find(',', start);
        names.push_back(Text.substr(start, comma - start));
        if (comma == std::string::npos) return names;
    }
}
