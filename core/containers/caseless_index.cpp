#include "containers/caseless_index.h"
#include "containers/code_page.h"
#include "containers/paths.h"

#include <algorithm>

namespace {

// Whether S takes the byte table's way: every string in a single-byte code page, ASCII in a
// multi-byte one. Its case-blind form is then its bytes through the table, unit for byte.
bool ByTable(const std::string& S) {
    return !MultiByteCodePage() || std::all_of(S.begin(), S.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    });
}

bool EqualIgnoringCase(const std::string& A, const std::string& B, const char* Lower) {
    if (!ByTable(A) || !ByTable(B)) return CaseBlindForm(A) == CaseBlindForm(B);
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (Lower[static_cast<unsigned char>(A[i])] != Lower[static_cast<unsigned char>(B[i])])
            return false;
    return true;
}

// FNV-1a, one unit of the case-blind form at a time.
constexpr uint32_t HashStart = 2166136261u;
uint32_t HashStep(uint32_t Hash, uint32_t Unit) {
    return (Hash ^ Unit) * 16777619u;
}

} // namespace

// Strings equal ignoring case hash alike: one of the byte table's way hashes the units its
// case-blind form would have, without making it.
uint32_t QCaselessIndex::HashOf(const std::string& S) {
    uint32_t hash = HashStart;
    if (!ByTable(S)) {
        for (wchar_t unit : CaseBlindForm(S))
            hash = HashStep(hash, unit);
        return hash;
    }
    const char* lower = LowerCaseTable();
    for (char c : S)
        hash = HashStep(hash, static_cast<unsigned char>(lower[static_cast<unsigned char>(c)]));
    return hash;
}

void QCaselessIndex::Reserve(size_t Keys) {
    // At most four slots in five are used, so that probe runs stay short.
    size_t capacity = 16;
    while (capacity / 5 * 4 < Keys)
        capacity *= 2;
    if (capacity > FSlots.size()) Rehash(capacity);
}

void QCaselessIndex::Clear() {
    std::vector<Slot>().swap(FSlots);
    FUsed = 0;
}

size_t QCaselessIndex::Locate(const std::string& S, uint32_t Hash, const Items& List) const {
    const char* lower = LowerCaseTable();
    size_t mask = FSlots.size() - 1, at = Hash & mask;
    for (;; at = (at + 1) & mask) {
        const Slot& slot = FSlots[at];
        if (slot.Count == 0) return at;
        if (slot.Hash == Hash && EqualIgnoringCase(List[slot.Item], S, lower)) return at;
    }
}

int QCaselessIndex::Find(const std::string& S, const Items& List) const {
    if (FSlots.empty()) return -1;
    const Slot& slot = FSlots[Locate(S, HashOf(S), List)];
    return slot.Count ? slot.Item : -1;
}

bool QCaselessIndex::Insert(const std::string& S, int Index, bool Refuse, const Items& List) {
    uint32_t hash = HashOf(S);
    if (FSlots.empty()) Reserve(1);
    size_t at = Locate(S, hash, List);
    if (FSlots[at].Count) {
        if (Refuse) return false;
        ++FSlots[at].Count;
        FSlots[at].Item = std::min(FSlots[at].Item, static_cast<int32_t>(Index));
        return true;
    }
    if ((FUsed + 1) * 5 > FSlots.size() * 4) {
        Rehash(FSlots.size() * 2);
        at = Locate(S, hash, List);
    }
    FSlots[at] = {hash, static_cast<int32_t>(Index), 1};
    ++FUsed;
    return true;
}

void QCaselessIndex::Remove(int Index, const Items& List) {
    if (FSlots.empty()) return;
    const std::string& item = List[Index];
    size_t at = Locate(item, HashOf(item), List);
    Slot& slot = FSlots[at];
    if (slot.Count == 0) return;
    if (--slot.Count == 0) return Erase(at);
    if (slot.Item != Index) return;
    // The first item of the key goes: the next one equal to it takes its place.
    const char* lower = LowerCaseTable();
    for (size_t next = Index + 1; next < List.size(); ++next)
        if (EqualIgnoringCase(List[next], item, lower)) {
            slot.Item = static_cast<int32_t>(next);
            return;
        }
}

void QCaselessIndex::Renumber(int Index) {
    for (Slot& slot : FSlots)
        if (slot.Count && slot.Item > Index) --slot.Item;
}

void QCaselessIndex::Rehash(size_t Capacity) {
    std::vector<Slot> old(Capacity, Slot{0, 0, 0});
    old.swap(FSlots);
    size_t mask = Capacity - 1;
    for (const Slot& slot : old) {
        if (slot.Count == 0) continue;
        size_t at = slot.Hash & mask;
        while (FSlots[at].Count)
            at = (at + 1) & mask;
        FSlots[at] = slot;
    }
}

// Backward-shift deletion: later slots of the probe run move up, so no tombstones are needed.
void QCaselessIndex::Erase(size_t At) {
    size_t mask = FSlots.size() - 1, hole = At;
    for (size_t at = (hole + 1) & mask; FSlots[at].Count; at = (at + 1) & mask) {
        size_t home = FSlots[at].Hash & mask;
        // The slot may fill the hole when its home does not lie in (hole, at], cyclically.
        bool homeBetween = hole <= at ? hole < home && home <= at : hole < home || home <= at;
        if (!homeBetween) {
            FSlots[hole] = FSlots[at];
            hole = at;
        }
    }
    FSlots[hole].Count = 0;
    --FUsed;
}
