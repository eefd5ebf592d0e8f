#include "controls/edits.h"
#include "containers/code_page.h"
#include "containers/files.h"
#include "containers/paths.h"
#include "object/window_class.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <vector>

QCustomEdit::QCustomEdit() {
    FClassName = "QEdit";
    FClassAncestor = "edit";
}

void QCustomEdit::HandleMessage(QMessage& Message) {
    QFrame::HandleMessage(Message);
    if (Message.Msg == QM_CTLCOLOR) AnswerColorRequest(Message);
}

QEdit::QEdit() {
    SetControlDefaults("QEdit", WS_CHILD | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 121, 21, COLOR_WINDOW);
}

void QEdit::ReadSelection() {
    if (!HasWindow()) return;
    DWORD start = 0, end = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    FSelStart = static_cast<int>(start);
    FSelLength = static_cast<int>(end - start);
}

void QEdit::ApplySelection() {
    if (HasWindow()) SendMessageA(FHandle, EM_SETSEL, FSelStart, FSelStart + FSelLength);
}

int QEdit::SelStart() {
    ReadSelection();
    return FSelStart;
}

void QEdit::SetSelStart(int Value) {
    FSelStart = Value;
    ApplySelection();
}

int QEdit::SelLength() {
    ReadSelection();
    return FSelLength;
}

void QEdit::SetSelLength(int Value) {
    FSelLength = Value;
    ApplySelection();
}

std::string QEdit::SelText() {
    if (!HasWindow()) return FSelText;
    std::string text = Text();
    ReadSelection();
    // The stored text is looked up exactly: a selection made by a case-blind write reads "".
    size_t found = FSelText.empty() ? std::string::npos : text.find(FSelText);
    if (found == std::string::npos) return FSelText = std::string();
    // The length counts the control's units, as the selection does.
    size_t end = BytesAt(text, UnitsOf(text, found) + FSelLength);
    return FSelText = text.substr(found, end - std::min(end, found));
}

// A value that does not occur (or is empty) selects nothing and leaves the caret where the
// selection started. The text and the selection are read from the window first: typing and
// clicks change them without telling the object.
void QEdit::SetSelText(const std::string& Value) {
    FSelText = Value;
    std::string text = Text();
    ReadSelection();
    // Searched in the case-blind forms, whose units are those the control counts.
    std::wstring value = CaseBlindForm(Value);
    size_t found = value.empty() ? std::wstring::npos : CaseBlindForm(text).find(value);
    if (found != std::wstring::npos) FSelStart = static_cast<int>(found);
    FSelLength = found == std::wstring::npos ? 0 : static_cast<int>(value.size());
    ApplySelection();
}

QMemo::QMemo() {
    SetControlDefaults("QMemo", WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                       WS_EX_CLIENTEDGE, 221, 121, COLOR_WINDOW);
}

LRESULT QMemo::Send(UINT Msg, WPARAM WParam, LPARAM LParam) {
    return SendMessageA(FHandle, Msg, WParam, LParam);
}

// The plain edit control does not answer EM_GETSELTEXT: the selection is cut from the text, at
// the bytes where its positions (in the control's units) lie.
std::string QMemo::SelText() {
    if (!HasWindow()) return std::string();
    std::string text = Text();
    int start = SelStart();
    size_t first = BytesAt(text, start);
    return text.substr(first, BytesAt(text, start + SelLength()) - first);
}

void QMemo::SetSelText(const std::string& Value) {
    if (HasWindow()) Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

int QMemo::SelStart() {
    if (!HasWindow()) return 0;
    DWORD start = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void QMemo::SetSelStart(int Value) {
    if (HasWindow()) Send(EM_SETSEL, Value, Value);
}

int QMemo::SelLength() {
    if (!HasWindow()) return 0;
    DWORD start = 0, end = 0;
    Send(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void QMemo::SetSelLength(int Value) {
    if (!HasWindow()) return;
    int start = SelStart();
    Send(EM_SETSEL, start, start + Value);
    Send(EM_SCROLLCARET);
}

// A negative index would read the caret's line: EM_LINEINDEX takes -1 for it.
std::string QMemo::Lines(int Index) {
    if (!HasWindow() || Index < 0) return std::string();
    auto first = static_cast<int>(Send(EM_LINEINDEX, Index));
    if (first < 0) return std::string();
    auto length = static_cast<size_t>(Send(EM_LINELENGTH, first));
    if (length == 0) return std::string();
    // The length counts the control's units, the buffer bytes: a character may take several.
    // EM_GETLINE reads the buffer's size from its first word, so a line longer than 65535
    // bytes reads as the characters that fit.
    size_t bytes = std::min<size_t>(BytesForUnits(length), 0xFFFF);
    std::vector<char> buffer(std::max(bytes, sizeof(WORD)));
    *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(bytes);
    auto copied =
        static_cast<size_t>(Send(EM_GETLINE, Index, reinterpret_cast<LPARAM>(buffer.data())));
    if (copied < bytes) return std::string(buffer.data(), copied);
    // A line cut at the buffer's end: a control whose conversion ran out of room answers the
    // buffer's size whatever it wrote (Wine's writes whole characters, then nothing; the
    // buffer starts zeroed, and a line holds no zero byte), or may stop inside a character.
    std::string line(buffer.data(), strnlen(buffer.data(), bytes));
    line.resize(WholeCharacterBytes(line));
    return line;
}

int QMemo::LineCount() {
    return HasWindow() ? static_cast<int>(Send(EM_GETLINECOUNT)) : 0;
}

POINT QMemo::CaretPos() {
    if (!HasWindow()) return POINT{0, 0};
    auto caret = static_cast<int>(HIWORD(Send(EM_GETSEL)));
    auto line = static_cast<int>(Send(EM_LINEFROMCHAR, caret));
    return POINT{caret - static_cast<int>(Send(EM_LINEINDEX, static_cast<WPARAM>(-1))), line};
}

void QMemo::SetScrollBars(int Value) {
    FScrollBars = Value;
    if (Value < 0 || Value > 3) return;
    uint32_t style = Style() & ~(WS_HSCROLL | WS_VSCROLL);
    if (Value & 1) style |= WS_VSCROLL;
    if (Value & 2) style |= WS_HSCROLL;
    SetStyle(style);
}

void QMemo::SetWordWrap(int Value) {
    FWordWrap = Value;
    SetStyle(Value ? Style() & ~ES_AUTOHSCROLL : Style() | ES_AUTOHSCROLL);
}

void QMemo::ReplaceRange(int Start, int End, const std::string& Text) {
    Send(EM_SETSEL, Start, End);
    Send(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void QMemo::AddLine(const std::string& S) {
    InsertLine(LineCount() - 1, S);
}

void QMemo::InsertLine(int Index, const std::string& S) {
    if (!HasWindow() || Index < 0) return;
    auto at = static_cast<int>(Send(EM_LINEINDEX, Index));
    if (at >= 0) return ReplaceRange(at, at, S + "\r\n");
    auto previous = static_cast<int>(Send(EM_LINEINDEX, Index - 1));
    if (previous < 0) return;
    auto length = static_cast<int>(Send(EM_LINELENGTH, previous));
    if (length > 0) ReplaceRange(previous + length, previous + length, "\r\n" + S);
}

// A negative index changes nothing: EM_LINEINDEX would name the caret's line and the range
// would run back to the start of the text.
void QMemo::DeleteLine(int Index) {
    if (!HasWindow() || Index < 0) return;
    auto start = static_cast<int>(Send(EM_LINEINDEX, Index));
    if (start < 0) return;
    auto end = static_cast<int>(Send(EM_LINEINDEX, Index + 1));
    if (end < 0) end = start + static_cast<int>(Send(EM_LINELENGTH, start));
    ReplaceRange(start, end, "");
}

void QMemo::Clear() {
    if (HasWindow()) SetWindowTextA(FHandle, "");
}

// No size limit beyond memory; the window text stops at the file's first zero byte. A file
// that memory cannot hold (bad_alloc, or length_error past the longest string) leaves the text
// as it was, like one that cannot be read.
void QMemo::LoadFromFile(const std::string& FileName) {
    std::string bytes;
    try {
        if (!ReadWholeFile(FileName, bytes)) return;
    } catch (const std::exception&) {
        return;
    }
    SetWindowTextA(FHandle, bytes.c_str());
}

void QMemo::SaveToFile(const std::string& FileName) {
    if (!HasWindow()) return; // without a window there is no text to save over the file
    int length = GetWindowTextLengthA(FHandle);
    std::string bytes(static_cast<size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(FHandle, &bytes[0], length + 1);
    bytes.resize(static_cast<size_t>(copied) + 1);
    ReplaceFileContents(FileName, bytes);
}

LRESULT CALLBACK EditWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    return FrameWindowProc<QEdit>(Window, Msg, WParam, LParam);
}

ATOM RegisterEditClass() {
    return RegisterSuperclass("QEdit", "Edit", &EditWndProc);
}
ATOM RegisterMemoClass() {
    return RegisterSuperclass("QMemo", "Edit", &EditWndProc);
}
