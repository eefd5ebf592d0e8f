/// \file
/// Text entry: QEdit, a single-line field, and QMemo, a multi-line area with line operations
/// and file loading and saving, on the system's "Edit" control.
#pragma once

#include "object/frame.h"

class QCustomEdit : public QFrame {
public:
    QCustomEdit();
    QCustomEdit* Self() override { return this; }
    /// Colours the control on the parent's request; its notifications raise nothing.
    void HandleMessage(QMessage& Message) override;

    virtual std::string SelText() = 0;
    virtual void SetSelText(const std::string& Value) = 0;
    virtual int SelStart() = 0;
    virtual void SetSelStart(int Value) = 0;
    virtual int SelLength() = 0;
    virtual void SetSelLength(int Value) = 0;

protected:
    std::string FSelText;
    int FSelStart = 0;
    int FSelLength = 0;
};

/// The selection is mirrored in the object, so values set before creation stay readable.
class QEdit : public QCustomEdit {
public:
    QEdit();
    QEdit* Self() override { return this; }
    using QClassObject::Handle;

    std::string SelText() override;
    void SetSelText(const std::string& Value) override;
    int SelStart() override;
    void SetSelStart(int Value) override;
    int SelLength() override;
    void SetSelLength(int Value) override;

private:
    void ReadSelection();
    void ApplySelection();
};

/// Works on the control directly: without a window it answers "" or 0 and changes nothing.
class QMemo : public QEdit {
public:
    QMemo();
    QMemo* Self() override { return this; }
    using QClassObject::Handle;

    std::string SelText() override;
    void SetSelText(const std::string& Value) override;
    int SelStart() override;
    void SetSelStart(int Value) override;
    int SelLength() override;
    void SetSelLength(int Value) override;

    /// Line Index without its line break; "" for an index out of range.
    std::string Lines(int Index);
    void SetLines(int, const std::string&) {}
    int LineCount();
    void SetLineCount(int) {}
    /// X is the caret's column, Y its line.
    POINT CaretPos();
    void SetCaretPos(POINT) {}
    /// 0 none, 1 vertical, 2 horizontal, 3 both; other values are only stored.
    int ScrollBars() const { return FScrollBars; }
    void SetScrollBars(int Value);
    int WordWrap() const { return FWordWrap; }
    void SetWordWrap(int Value);

    void AddLine(const std::string& S);
    void InsertLine(int Index, const std::string& S);
    void DeleteLine(int Index);
    void Clear();
    /// The file's bytes up to its first zero byte become the text; a missing file changes nothing.
    void LoadFromFile(const std::string& FileName);
    /// The text and one zero byte; the old file stays whole when the save fails.
    void SaveToFile(const std::string& FileName);

private:
    LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    void ReplaceRange(int Start, int End, const std::string& Text);

    int FScrollBars = 0;
    int FWordWrap = 0;
};

LRESULT CALLBACK EditWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

ATOM RegisterEditClass();
ATOM RegisterMemoClass();
