#include "containers/files.h"
#include "containers/code_page.h"
#include "containers/paths.h"

#include <windows.h>

#include <algorithm>

namespace {

// Closes a file handle on every path out.
class QFileHandle {
public:
    explicit QFileHandle(HANDLE Handle) : Handle(Handle) {}
    QFileHandle(const QFileHandle&) = delete;
    QFileHandle& operator=(const QFileHandle&) = delete;
    ~QFileHandle() { Close(); }
    bool Valid() const { return Handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return Handle; }
    bool Close() {
        bool closed = !Valid() || CloseHandle(Handle);
        Handle = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE Handle;
};

bool WriteAll(HANDLE File, const std::string& Bytes) {
    size_t done = 0;
    while (done < Bytes.size()) {
        DWORD wrote = 0;
        DWORD size = static_cast<DWORD>(std::min<size_t>(Bytes.size() - done, 1 << 20));
        if (!WriteFile(File, Bytes.data() + done, size, &wrote, nullptr) || wrote == 0)
            return false;
        done += wrote;
    }
    return true;
}

bool IsWritableTarget(const std::string& Path) {
    DWORD attributes = GetFileAttributesA(Path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    return QFileHandle(CreateFileA(Path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
        .Valid();
}

// Path as the system resolves it; "" when it cannot.
std::string FullPathOf(const std::string& Path) {
    DWORD size = GetFullPathNameA(Path.c_str(), 0, nullptr, nullptr);
    std::string full(size, '\0');
    DWORD length = size ? GetFullPathNameA(Path.c_str(), size, &full[0], nullptr) : 0;
    full.resize(length < size ? length : 0);
    return full;
}

} // namespace

bool ReadFileChunks(const std::string& Path,
                    const std::function<void(const char*, size_t)>& Consume) {
    QFileHandle file(CreateFileA(Path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return false;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
        Consume(chunk, got);
    return true;
}

bool ReadWholeFile(const std::string& Path, std::string& Bytes) {
    return ReadFileChunks(Path, [&](const char* Chunk, size_t Size) { Bytes.append(Chunk, Size); });
}

// The temporary goes in the target's real folder, on the target's volume, or the final move
// fails: a drive-relative name ("d:list.txt") lies in that drive's current folder, which
// FolderOf cannot see.
bool ReplaceFileContents(const std::string& Path, const std::string& Bytes) {
    std::string target = FullPathOf(Path);
    // The temporary's name is made and used in UTF-16: GetTempFileNameA gives at most MAX_PATH
    // bytes, which a name of fewer characters can pass in a multi-byte code page (Wine then
    // leaves it cut and unterminated, and the file it made behind).
    wchar_t temporary[MAX_PATH];
    if (FileNameOf(target).empty() || !IsWritableTarget(target) ||
        !GetTempFileNameW(WideOf(FolderOf(target)).c_str(), L"qst", 0, temporary))
        return false;
    QFileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    bool written = file.Valid() && WriteAll(file.Get(), Bytes);
    written = file.Close() && written;
    if (written && MoveFileExW(temporary, WideOf(target).c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DeleteFileW(temporary);
    return false;
}
