// Whole files for the tests: what the library saved, and what it is to load.
#pragma once

#include <string>

// The bytes of Path, or "(no such file)" so that a missing file differs from an empty one.
std::string ReadTestFile(const std::string& Path);
// Replaces Path with Bytes; answers Path.
std::string WriteTestFile(const std::string& Path, const std::string& Bytes);
// The temporary folder, ending in a separator.
std::string TempFolder();
