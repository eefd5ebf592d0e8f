/// \file
/// QCaselessIndex: the items of a string list by their lower-case form, answering "is there an
/// item equal to this one ignoring case, and which comes first" without a scan. It keeps no
/// strings of its own: each key is the first item that carries it, compared in place.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class QCaselessIndex {
public:
    using Items = std::vector<std::string>;

    /// Room for Keys distinct keys without growing.
    void Reserve(size_t Keys);
    /// Forgets every key and gives the slots' memory back.
    void Clear();
    /// The first item equal to S ignoring case, or -1.
    int Find(const std::string& S, const Items& List) const;
    /// Indexes S as the item at Index (which List need not hold yet). With Refuse, an S that is
    /// already there changes nothing and answers false.
    bool Insert(const std::string& S, int Index, bool Refuse, const Items& List);
    /// Forgets the item at Index, which List still holds.
    void Remove(int Index, const Items& List);
    /// After the item at Index left the list: the items behind it moved down by one.
    void Renumber(int Index);

private:
    // An open-addressing slot; Count 0 marks it free.
    struct Slot {
        uint32_t Hash;
        int32_t Item;
        int32_t Count;
    };
    static uint32_t HashOf(const std::string& S);
    // The slot of S's key, or the free slot where it would go.
    size_t Locate(const std::string& S, uint32_t Hash, const Items& List) const;
    void Rehash(size_t Capacity);
    void Erase(size_t At);

    std::vector<Slot> FSlots;
    size_t FUsed = 0;
};
