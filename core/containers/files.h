/// \file
/// Whole-file reading and writing as raw bytes, for the components that load and save text.
#pragma once

#include <functional>
#include <string>

/// Hands the file's bytes to Consume in order, one chunk at a time, without holding the whole
/// file; false when it cannot be opened for reading.
bool ReadFileChunks(const std::string& Path,
                    const std::function<void(const char*, size_t)>& Consume);

/// Reads every byte of the file into Bytes; false when it cannot be opened for reading.
bool ReadWholeFile(const std::string& Path, std::string& Bytes);

/// Replaces the file's contents with Bytes, or leaves the old file untouched: the new bytes go
/// to a temporary file in the same folder that replaces the target only once it is complete.
/// False when the target is read-only, locked or a folder, or a write or close fails.
bool ReplaceFileContents(const std::string& Path, const std::string& Bytes);
