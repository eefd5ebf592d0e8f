/// \file
/// QStrings: an ordered list of byte strings, each with an integer value, with case-insensitive
/// search, an optional refusal of duplicates, text conversions and a text-file format.
#pragma once

#include "containers/caseless_index.h"
#include "object/qobject.h"

#include <cstdint>
#include <string>
#include <vector>

class QStrings;
using QStringsEvent = void (*)(QStrings* Sender, int Operation);

/// Operation codes: what the list did last.
enum QStringsOperation : int32_t {
    soNone = 0,
    soFileFailed = 1,
    soAdded = 2,
    soDeleted = 4,
    soCleared = 5,
    soLoaded = 6,
    soSaved = 7
};

class QStrings : public QObject {
public:
    /// The list always owns its storage: arrays handed over are copied, never kept (a new list
    /// has no items, so the constructor's array adds nothing).
    explicit QStrings(const char* const* List = nullptr);
    ~QStrings();

    int Add(const std::string& S, int32_t Value = 0);
    int IndexOf(const std::string& S) const;
    int IndexOfValue(int32_t Value) const;
    void Delete(int Index);
    void Remove(const std::string& S);
    void Clear();
    void LoadFromFile(const std::string& FileName);
    void SaveToFile(const std::string& FileName);

    int Count() const { return static_cast<int>(FItems.size()); }
    void SetCount(int Value);
    std::string Item(int Index) const;
    void SetItem(int Index, const std::string& Value);
    int32_t Value(int Index) const;
    /// The items joined by LF, ending in one NUL character; empty for an empty list.
    std::string Text();
    void SetText(const std::string& Value);
    std::string CommaText() const;
    void SetCommaText(const std::string& Value);
    int Capacity() const { return FCapacity; }
    void SetCapacity(int Value);
    /// The items as C strings, valid until the list next changes.
    const char* const* List();
    const char* const* Data() { return List(); }
    /// Copies the first Count entries of Items over the items (null entries become empty).
    void SetList(const char* const* Items);
    QObject* Parent() const { return FParent; }
    void SetParent(QObject* Value);
    const std::string& FileName() const { return FFileName; }

    int32_t Operation = soNone;
    bool AllowDuplicates = false;
    QStringsEvent OnChange = nullptr;

private:
    void Changed(int32_t Code);
    void Store(int Index, const std::string& S);
    // Add of an item already cut at its first NUL.
    int Append(std::string Item, int32_t Value);
    // Adds the file's lines; false when it cannot be opened for reading.
    bool AppendLinesOf(const std::string& FileName);

    std::vector<std::string> FItems;
    std::vector<int32_t> FValues;
    std::vector<const char*> FListView;
    // Answers the duplicate check and IndexOf without a scan.
    QCaselessIndex FIndex;
    int FCapacity = 0;
    std::string FTextBuffer;
    std::string FFileName;
    QObject* FParent = nullptr;
};
