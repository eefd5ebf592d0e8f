#include "containers/string_list.h"
#include "containers/files.h"
#include "containers/paths.h"

#include <algorithm>
#include <exception>
#include <new>

namespace {

const char* const Caption = "QStrings";

// The most items that room is reserved for ahead of them: a load reserves for the lines it
// counted and a Capacity write for its value, up to this many; past it the lists grow as items
// come. Lines the duplicate check drops, or a capacity never filled, then cost little memory.
constexpr size_t ReserveBound = 1 << 16;

void ShowProblem(const char* Text) {
    MessageBoxA(nullptr, Text, Caption, MB_TOPMOST);
}

void RefuseCapacity() {
    AlertBox("Wrong capacity value.", Caption, MB_ICONERROR);
}

// Items never hold a NUL byte: a string is stored up to its first one.
std::string UpToNul(const char* Bytes, size_t Size) {
    return std::string(Bytes, std::find(Bytes, Bytes + Size, '\0'));
}

std::string UpToNul(const std::string& S) {
    return UpToNul(S.data(), S.size());
}

} // namespace

QStrings::QStrings(const char* const*) {
    WatchHolder(&FParent);
}

QStrings::~QStrings() {
    UnwatchHolder(&FParent);
}

void QStrings::Changed(int32_t Code) {
    Operation = Code;
    if (OnChange) OnChange(this, Code);
}

void QStrings::Store(int Index, const std::string& S) {
    FIndex.Remove(Index, FItems);
    FItems[Index] = UpToNul(S);
    FIndex.Insert(FItems[Index], Index, false, FItems);
}

int QStrings::Add(const std::string& S, int32_t Value) {
    return Append(UpToNul(S), Value);
}

int QStrings::Append(std::string Item, int32_t Value) {
    bool refuse = !AllowDuplicates && !Item.empty();
    if (!FIndex.Insert(Item, Count(), refuse, FItems)) return Count();
    FItems.push_back(std::move(Item));
    FValues.push_back(Value);
    Changed(soAdded);
    return Count();
}

int QStrings::IndexOf(const std::string& S) const {
    return FIndex.Find(UpToNul(S), FItems);
}

int QStrings::IndexOfValue(int32_t Value) const {
    for (int i = 0; i < Count(); ++i)
        if (FValues[i] == Value) return i;
    return 0;
}

void QStrings::Delete(int Index) {
    if (Index < 0 || Index >= Count()) {
        ShowProblem("Invalid string index -1.");
        return;
    }
    FIndex.Remove(Index, FItems);
    FItems.erase(FItems.begin() + Index);
    FValues.erase(FValues.begin() + Index);
    // Renumbering walks the whole index: not needed when the last item went (shrinking Count).
    if (Index < Count()) FIndex.Renumber(Index);
    Changed(soDeleted);
}

void QStrings::Remove(const std::string& S) {
    int index = IndexOf(S);
    if (index >= 0) Delete(index);
}

// The room goes with the items: after a load that ran out of memory the program needs it back.
void QStrings::Clear() {
    std::vector<std::string>().swap(FItems);
    std::vector<int32_t>().swap(FValues);
    FIndex.Clear();
    FTextBuffer.clear();
    Changed(soCleared);
}

// Count writes: 0 clears, a larger count appends empty items, a smaller one deletes from the
// end; each step reports through OnChange like the operation it uses. Negative counts are
// ignored.
void QStrings::SetCount(int Value) {
    if (Value == 0) return Clear();
    while (Value > Count())
        Add("");
    while (Value >= 0 && Value < Count())
        Delete(Count() - 1);
}

std::string QStrings::Item(int Index) const {
    return Index >= 0 && Index < Count() ? FItems[Index] : std::string();
}

void QStrings::SetItem(int Index, const std::string& Value) {
    if (Index >= 0 && Index < Count()) Store(Index, Value);
}

int32_t QStrings::Value(int Index) const {
    return Index >= 0 && Index < Count() ? FValues[Index] : 0;
}

std::string QStrings::Text() {
    FTextBuffer.clear();
    for (int i = 0; i < Count(); ++i) {
        if (i > 0) FTextBuffer += '\n';
        FTextBuffer += FItems[i];
    }
    if (Count() > 0) FTextBuffer += '\0';
    return FTextBuffer;
}

void QStrings::SetText(const std::string& Value) {
    FTextBuffer = Value;
    if (Value.empty()) return Clear();
    size_t start = 0;
    for (size_t end; (end = Value.find('\n', start)) != std::string::npos; start = end + 1)
        Add(Value.substr(start, end - start));
}

std::string QStrings::CommaText() const {
    std::string text;
    for (const std::string& item : FItems)
        text += text.empty() ? item : " " + item;
    return text;
}

void QStrings::SetCommaText(const std::string& Value) {
    if (Value.empty()) return Clear();
    size_t start = 0;
    for (size_t comma; (comma = Value.find(',', start)) != std::string::npos; start = comma + 1)
        Add(Value.substr(start, comma + 1 - start));
    Add(Value.substr(start));
}

// Capacity writes that pass the check only reserve room: Count and the items stay as they are,
// so no place is ever read that was not stored. 0 empties the list. Room that memory cannot
// give refuses the value like a wrong one.
void QStrings::SetCapacity(int Value) {
    if (Value % 4 != 0) return RefuseCapacity();
    try {
        size_t room = std::min(static_cast<size_t>(std::max(Value, 0)), ReserveBound);
        FItems.reserve(room);
        FValues.reserve(room);
    } catch (const std::bad_alloc&) {
        return RefuseCapacity();
    }
    FCapacity = Value;
    if (Value == 0) Clear();
}

const char* const* QStrings::List() {
    FListView.clear();
    for (const std::string& item : FItems)
        FListView.push_back(item.c_str());
    return FListView.data();
}

void QStrings::SetList(const char* const* Items) {
    if (!Items) return;
    for (int i = 0; i < Count(); ++i)
        Store(i, Items[i] ? Items[i] : "");
}

void QStrings::SetParent(QObject* Value) {
    FParent = Value;
    if (Value) Value->AddObject(this);
}

void QStrings::LoadFromFile(const std::string& FileName) {
    FFileName = FileName;
    Clear();
    if (FileName.empty() || GetFileAttributesA(FileName.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Operation = soFileFailed;
        ShowProblem("File not found.");
        return;
    }
    // An exception while loading, from memory that cannot hold the file (bad_alloc, or
    // length_error for a line longer than a string can be), ends the load with an empty list
    // and a box, never the program.
    try {
        if (!AppendLinesOf(FileName)) return;
    } catch (const std::exception&) {
        Clear();
        Operation = soFileFailed;
        ShowProblem("Can't load. Not enough memory.");
        return;
    }
    Changed(soLoaded);
}

// Two passes over the file in chunks: the first counts the lines so that room for them is
// reserved at once (up to the bound), and neither holds the whole file.
bool QStrings::AppendLinesOf(const std::string& FileName) {
    size_t lines = 1;
    if (!ReadFileChunks(FileName, [&](const char* Chunk, size_t Size) {
            lines += std::count(Chunk, Chunk + Size, '\n');
        }))
        return false;
    size_t room = std::min(lines, ReserveBound);
    FItems.reserve(room);
    FValues.reserve(room);
    FIndex.Reserve(room);
    // A line ends at LF; a CR before it, or a CR ending the file, goes with it.
    std::string line;
    auto dropEndingCr = [&] {
        if (!line.empty() && line.back() == '\r') line.pop_back();
    };
    ReadFileChunks(FileName, [&](const char* Chunk, size_t Size) {
        for (const char *at = Chunk, *end = Chunk + Size; at < end;) {
            const char* lf = std::find(at, end, '\n');
            line.append(at, lf);
            if (lf == end) break;
            dropEndingCr();
            Append(UpToNul(line), 0);
            line.clear();
            at = lf + 1;
        }
    });
    dropEndingCr();
    if (!line.empty()) Append(UpToNul(line), 0);
    return true;
}

void QStrings::SaveToFile(const std::string& FileName) {
    FFileName = FileName;
    std::string bytes;
    for (const std::string& item : FItems)
        bytes += item + "\r\n";
    if (!ReplaceFileContents(FileName, bytes)) {
        Operation = soFileFailed;
        ShowProblem("Can't save. Bad file.");
        return;
    }
    Changed(soSaved);
}
