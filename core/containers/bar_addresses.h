/// \file
/// The tool and status bar messages whose parameters are addresses, and whether the record such
/// a message names lies in this process's memory as the control will use it. Header-only, so
/// that the designer guards its own bars with the same table without compiling the library.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <iterator>
#include <string>

// The platform does not marshal these messages: one sent from another thread carries a raw
// address, which may be another process's, and no documented call names the sending process.
// Posted ones are dropped before any window procedure (only a sender can vouch for an address);
// one sent from another thread is served only when its whole record lies in committed memory of
// this process with the access the control needs (readable for what it reads, writable for
// what it writes, no guard page), else it is answered 0 and the control never sees it. An
// address that happens to be valid here is served: another process's send may still read or
// overwrite this process's memory at that address, which no check on this side can prevent.

/// True when the record a message names is fit for the control; Bar is the control's window.
using BarRecordCheck = bool (*)(HWND Bar, WPARAM WParam, LPARAM LParam);

/// One message of a bar whose parameters carry an address, and the check of its record.
struct BarAddressMessage {
    UINT Msg;
    BarRecordCheck Fits;
};

namespace BarRecords {

/// Committed memory with the access, and no guard page.
inline bool Grants(const MEMORY_BASIC_INFORMATION& Memory, bool Writes) {
    const DWORD writable =
        PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    const DWORD readable = writable | PAGE_READONLY | PAGE_EXECUTE_READ;
    return Memory.State == MEM_COMMIT && !(Memory.Protect & (PAGE_GUARD | PAGE_NOACCESS)) &&
           (Memory.Protect & (Writes ? writable : readable));
}

/// Size bytes from At, all committed with the access; nothing to reach when Size is 0.
inline bool Reachable(const void* At, size_t Size, bool Writes) {
    auto at = reinterpret_cast<uintptr_t>(At);
    if (Size == 0) return true;
    if (!At || Size > UINTPTR_MAX - at) return false;
    for (const uintptr_t end = at + Size; at < end;) {
        MEMORY_BASIC_INFORMATION memory{};
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &memory, sizeof memory) ||
            !Grants(memory, Writes))
            return false;
        at = reinterpret_cast<uintptr_t>(memory.BaseAddress) + memory.RegionSize;
    }
    return true;
}

/// Count records of Size bytes, without the product overflowing.
inline bool ReachableArray(LPARAM At, size_t Count, size_t Size, bool Writes) {
    return Count <= SIZE_MAX / Size &&
           Reachable(reinterpret_cast<const void*>(At), Count * Size, Writes);
}

/// A zero-terminated text readable up to and with its terminator. Regions are page-aligned, so
/// an aligned character never straddles two.
template <class Char> bool ReadableText(const Char* Text) {
    auto at = reinterpret_cast<uintptr_t>(Text);
    if (!Text || at % sizeof(Char)) return false;
    for (;;) {
        MEMORY_BASIC_INFORMATION memory{};
        if (!VirtualQuery(reinterpret_cast<const void*>(at), &memory, sizeof memory) ||
            !Grants(memory, false))
            return false;
        const uintptr_t end = reinterpret_cast<uintptr_t>(memory.BaseAddress) + memory.RegionSize;
        for (; at < end; at += sizeof(Char))
            if (*reinterpret_cast<const Char*>(at) == 0) return true;
    }
}

/// Texts one after another, ended by an empty one.
template <class Char> bool ReadableTextList(LPARAM At) {
    for (auto* text = reinterpret_cast<const Char*>(At); ReadableText(text);
         text += std::char_traits<Char>::length(text) + 1)
        if (!*text) return true;
    return false;
}

/// A field that is either a text's address or a small number (an index, a resource, -1).
template <class Char> bool ReadableIfText(INT_PTR Field) {
    return IS_INTRESOURCE(Field) || Field == -1 ||
           ReadableText(reinterpret_cast<const Char*>(Field));
}

template <class Record> bool Reads(HWND, WPARAM, LPARAM At) {
    return ReachableArray(At, 1, sizeof(Record), false);
}
template <class Record> bool Writes(HWND, WPARAM, LPARAM At) {
    return ReachableArray(At, 1, sizeof(Record), true);
}
template <class Record> bool ReadsCountOf(HWND, WPARAM Count, LPARAM At) {
    return ReachableArray(At, Count, sizeof(Record), false);
}
template <class Record> bool WritesCountOf(HWND, WPARAM Count, LPARAM At) {
    return ReachableArray(At, Count, sizeof(Record), true);
}

/// WParam a point the control reads, LParam the insertion mark it writes.
inline bool HitTestsInsertMark(HWND Bar, WPARAM Point, LPARAM Mark) {
    return Reads<POINT>(Bar, 0, static_cast<LPARAM>(Point)) && Writes<TBINSERTMARK>(Bar, 0, Mark);
}

/// Count buttons and the texts their iString fields name.
template <class Char> bool ReadsButtons(HWND, WPARAM Count, LPARAM At) {
    if (!ReachableArray(At, Count, sizeof(TBBUTTON), false)) return false;
    auto* buttons = reinterpret_cast<const TBBUTTON*>(At);
    for (size_t i = 0; i < Count; ++i)
        if (!ReadableIfText<Char>(buttons[i].iString)) return false;
    return true;
}
template <class Char> bool ReadsButton(HWND Bar, WPARAM, LPARAM At) {
    return ReadsButtons<Char>(Bar, 1, At);
}

/// TBBUTTONINFOA or TBBUTTONINFOW, whose pszText the control copies from.
template <class Info, class Char> bool ReadsButtonInfo(HWND Bar, WPARAM, LPARAM At) {
    if (!Reads<Info>(Bar, 0, At)) return false;
    auto& info = *reinterpret_cast<const Info*>(At);
    return !(info.dwMask & TBIF_TEXT) || ReadableIfText<Char>(INT_PTR(info.pszText));
}

/// The same record when the control writes it, with the cchText characters it writes at pszText.
template <class Info, class Char> bool WritesButtonInfo(HWND Bar, WPARAM, LPARAM At) {
    if (!Writes<Info>(Bar, 0, At)) return false;
    auto& info = *reinterpret_cast<const Info*>(At);
    return !(info.dwMask & TBIF_TEXT) || !info.pszText || info.cchText <= 0 ||
           ReachableArray(LPARAM(info.pszText), size_t(info.cchText), sizeof(Char), true);
}

/// TB_ADDSTRING: LParam is a resource identifier when WParam names a module and its high word
/// is 0, a list of texts otherwise.
template <class Char> bool ReadsStrings(HWND, WPARAM Module, LPARAM At) {
    return (Module && HIWORD(At) == 0) || ReadableTextList<Char>(At);
}

/// TBSAVEPARAMSA or TBSAVEPARAMSW and the key and value names it holds.
template <class Params, class Char> bool ReadsSaveParams(HWND Bar, WPARAM, LPARAM At) {
    if (!Reads<Params>(Bar, 0, At)) return false;
    auto& params = *reinterpret_cast<const Params*>(At);
    return ReadableText<Char>(params.pszSubKey) && ReadableText<Char>(params.pszValueName);
}

/// A text the control copies out, as long as the control answers to LengthMsg with the same
/// WParam (in the low word for a status bar), and its terminator. A tool bar's null buffer only
/// asks for the length; a tool bar without the button answers -1 and writes nothing.
template <class Char, UINT LengthMsg, bool ToolBar>
bool WritesText(HWND Bar, WPARAM WParam, LPARAM At) {
    if (!At) return ToolBar;
    LRESULT answer = SendMessageW(Bar, LengthMsg, WParam, 0);
    auto length = static_cast<size_t>(ToolBar ? answer : LOWORD(answer));
    return ReachableArray(At, length + 1, sizeof(Char), true);
}

/// A text of at most the characters that the high word (HighWord) or the low word of WParam gives.
template <class Char, bool HighWord> bool WritesSizedText(HWND, WPARAM WParam, LPARAM At) {
    return ReachableArray(At, HighWord ? HIWORD(WParam) : LOWORD(WParam), sizeof(Char), true);
}

/// A text the control copies, where null stands for an empty one.
template <class Char> bool ReadsText(HWND, WPARAM, LPARAM At) {
    return !At || ReadableText(reinterpret_cast<const Char*>(At));
}

/// SB_SETTEXT: an owner-drawn part's LParam is the program's value, not an address.
template <class Char> bool ReadsPartText(HWND Bar, WPARAM WParam, LPARAM At) {
    return (WParam & SBT_OWNERDRAW) || ReadsText<Char>(Bar, WParam, At);
}

/// SB_GETPARTS: a null array only asks for the count.
inline bool WritesParts(HWND Bar, WPARAM Count, LPARAM At) {
    return !At || WritesCountOf<int>(Bar, Count, At);
}

} // namespace BarRecords

/// False for every message no bar table lists: they lie in the WM_USER range or among the
/// first common-control messages, so that most messages cost no look-up of the window's class.
constexpr bool MayCarryBarAddress(UINT Msg) {
    return (Msg >= WM_USER && Msg < WM_USER + 0x100) ||
           (Msg >= CCM_FIRST && Msg < CCM_FIRST + 0x10);
}

/// The messages of one kind of bar that carry addresses, and the system class of that kind.
struct BarAddressTable {
    const char* SystemClass;
    const BarAddressMessage* Messages;
    size_t Count;

    /// The entry of Msg, or null when Msg carries no address for this kind of bar.
    const BarAddressMessage* Find(UINT Msg) const {
        for (size_t i = 0; i < Count; ++i)
            if (Messages[i].Msg == Msg) return &Messages[i];
        return nullptr;
    }
};

namespace BarRecords {

/// TB_GETBUTTONTEXT asks itself with a null buffer for the length, which the check lets through.
inline constexpr BarAddressMessage ToolBarMessages[] = {
    {TB_ADDBUTTONSA, &ReadsButtons<char>},
    {TB_ADDBUTTONSW, &ReadsButtons<wchar_t>},
    {TB_INSERTBUTTONA, &ReadsButton<char>},
    {TB_INSERTBUTTONW, &ReadsButton<wchar_t>},
    {TB_GETBUTTON, &Writes<TBBUTTON>},
    {TB_GETITEMRECT, &Writes<RECT>},
    {TB_GETRECT, &Writes<RECT>},
    {TB_SETROWS, &Writes<RECT>},
    {TB_GETMAXSIZE, &Writes<SIZE>},
    {TB_SETBUTTONINFOA, &ReadsButtonInfo<TBBUTTONINFOA, char>},
    {TB_SETBUTTONINFOW, &ReadsButtonInfo<TBBUTTONINFOW, wchar_t>},
    {TB_GETBUTTONINFOA, &WritesButtonInfo<TBBUTTONINFOA, char>},
    {TB_GETBUTTONINFOW, &WritesButtonInfo<TBBUTTONINFOW, wchar_t>},
    {TB_ADDBITMAP, &Reads<TBADDBITMAP>},
    {TB_REPLACEBITMAP, &Reads<TBREPLACEBITMAP>},
    {TB_ADDSTRINGA, &ReadsStrings<char>},
    {TB_ADDSTRINGW, &ReadsStrings<wchar_t>},
    {TB_GETBUTTONTEXTA, &WritesText<char, TB_GETBUTTONTEXTA, true>},
    {TB_GETBUTTONTEXTW, &WritesText<wchar_t, TB_GETBUTTONTEXTW, true>},
    {TB_GETSTRINGA, &WritesSizedText<char, false>},
    {TB_GETSTRINGW, &WritesSizedText<wchar_t, false>},
    {TB_SAVERESTOREA, &ReadsSaveParams<TBSAVEPARAMSA, char>},
    {TB_SAVERESTOREW, &ReadsSaveParams<TBSAVEPARAMSW, wchar_t>},
    {TB_HITTEST, &Reads<POINT>},
    {TB_GETINSERTMARK, &Writes<TBINSERTMARK>},
    {TB_SETINSERTMARK, &Reads<TBINSERTMARK>},
    {TB_INSERTMARKHITTEST, &HitTestsInsertMark},
    {TB_GETCOLORSCHEME, &Writes<COLORSCHEME>},
    {TB_SETCOLORSCHEME, &Reads<COLORSCHEME>},
    {TB_GETMETRICS, &Writes<TBMETRICS>},
    {TB_SETMETRICS, &Reads<TBMETRICS>},
    {TB_MAPACCELERATORA, &Writes<UINT>},
    {TB_MAPACCELERATORW, &Writes<UINT>},
    {CCM_SETWINDOWTHEME, &ReadsText<wchar_t>},
};

inline constexpr BarAddressMessage StatusBarMessages[] = {
    {SB_SETTEXTA, &ReadsPartText<char>},
    {SB_SETTEXTW, &ReadsPartText<wchar_t>},
    {SB_GETTEXTA, &WritesText<char, SB_GETTEXTLENGTHA, false>},
    {SB_GETTEXTW, &WritesText<wchar_t, SB_GETTEXTLENGTHW, false>},
    {SB_SETPARTS, &ReadsCountOf<int>},
    {SB_GETPARTS, &WritesParts},
    {SB_GETBORDERS, &Writes<int[3]>},
    {SB_GETRECT, &Writes<RECT>},
    {SB_SETTIPTEXTA, &ReadsText<char>},
    {SB_SETTIPTEXTW, &ReadsText<wchar_t>},
    {SB_GETTIPTEXTA, &WritesSizedText<char, true>},
    {SB_GETTIPTEXTW, &WritesSizedText<wchar_t, true>},
    {CCM_SETWINDOWTHEME, &ReadsText<wchar_t>},
};

constexpr bool MayAllCarry(const BarAddressMessage* Messages, size_t Count) {
    for (size_t i = 0; i < Count; ++i)
        if (!MayCarryBarAddress(Messages[i].Msg)) return false;
    return true;
}
static_assert(MayAllCarry(ToolBarMessages, std::size(ToolBarMessages)) &&
              MayAllCarry(StatusBarMessages, std::size(StatusBarMessages)));

} // namespace BarRecords

inline constexpr BarAddressTable ToolBarAddresses{TOOLBARCLASSNAMEA, BarRecords::ToolBarMessages,
                                                  std::size(BarRecords::ToolBarMessages)};
inline constexpr BarAddressTable StatusBarAddresses{STATUSCLASSNAMEA, BarRecords::StatusBarMessages,
                                                    std::size(BarRecords::StatusBarMessages)};

/// The table of the bar kind whose system class is ClassName (in any case), or null.
inline const BarAddressTable* BarAddressesOfClass(const char* ClassName) {
    for (const BarAddressTable* table : {&ToolBarAddresses, &StatusBarAddresses})
        if (lstrcmpiA(ClassName, table->SystemClass) == 0) return table;
    return nullptr;
}

/// True for a message Table lists that was sent from another thread with a record unfit for
/// the control: it must be answered 0 without reaching the control.
inline bool RefusesForeignRecord(const BarAddressTable& Table, HWND Bar, UINT Msg, WPARAM WParam,
                                 LPARAM LParam) {
    if (!MayCarryBarAddress(Msg)) return false;
    const BarAddressMessage* message = Table.Find(Msg);
    return message && InSendMessageEx(nullptr) != ISMEX_NOSEND &&
           !message->Fits(Bar, WParam, LParam);
}

/// True when Msg carries an address to a bar of the system class ClassName.
inline bool CarriesBarAddress(const char* ClassName, UINT Msg) {
    const BarAddressTable* table = BarAddressesOfClass(ClassName);
    return table && table->Find(Msg);
}

/// True for a queued message that carries an address to a system bar (the designer's own).
inline bool IsQueuedBarAddress(const MSG& Message) {
    char name[32];
    return MayCarryBarAddress(Message.message) && GetClassNameA(Message.hwnd, name, sizeof name) &&
           CarriesBarAddress(name, Message.message);
}

/// A subclass procedure that keeps a system bar (the designer's own) from foreign records;
/// its reference data is the bar's BarAddressTable.
inline LRESULT CALLBACK RefuseForeignBarRecords(HWND Bar, UINT Msg, WPARAM WParam, LPARAM LParam,
                                                UINT_PTR, DWORD_PTR Table) {
    if (RefusesForeignRecord(*reinterpret_cast<const BarAddressTable*>(Table), Bar, Msg, WParam,
                             LParam))
        return 0;
    return DefSubclassProc(Bar, Msg, WParam, LParam);
}

/// Gives a system bar made outside the library the protection of the library's bars (the
/// queued ones are IsQueuedBarAddress's, for the program's message hook).
inline bool GuardBarRecords(HWND Bar, const BarAddressTable& Table) {
    return SetWindowSubclass(Bar, &RefuseForeignBarRecords, 0, reinterpret_cast<DWORD_PTR>(&Table));
}
