/// \file
/// QPanel: a container window of the library's own class that paints its background, a border
/// and its text as a caption, and can load an image file.
#pragma once

#include "object/frame.h"

/// Border kinds; values of 5 or more are stored as bsNone.
enum QBorderStyle : int32_t { bsNone, bsClientEdge, bsSunken, bsRaised, bsBump };

class QCustomPanel : public QFrame {
public:
    QCustomPanel();
    ~QCustomPanel() override;
    QCustomPanel* Self() override { return this; }
    void HandleMessage(QMessage& Message) override;

    int BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(int Value);
    /// Caption placement 0 to 5 (one line left, centred, right; wrapped left, centred, right).
    int Alignment() const { return FAlignment; }
    void SetAlignment(int Value);
    /// The file name last given; writing loads a .bmp, .ico, .cur or .png file by extension.
    const std::string& Image() const { return FImage; }
    void SetImage(const std::string& FileName);

    /// The image last loaded; the panel keeps it, does not draw it, and frees it when it is
    /// replaced or the panel is destroyed.
    HANDLE ImageHandle = nullptr;

protected:
    int FBorderStyle = bsNone;
    int FAlignment = 0;
    std::string FImage;

private:
    void Paint(QMessage& Message);
    void DrawBorderAndCaption();
};

/// The designer's panel: child style, 115 x 51, centred word-wrapped caption, and the three
/// panel properties again as virtual operations.
class QPanel : public QCustomPanel {
public:
    QPanel();
    QPanel* Self() override { return this; }

    virtual int BorderStyle() { return QCustomPanel::BorderStyle(); }
    virtual void SetBorderStyle(int Value) { QCustomPanel::SetBorderStyle(Value); }
    virtual int Alignment() { return QCustomPanel::Alignment(); }
    virtual void SetAlignment(int Value) { QCustomPanel::SetAlignment(Value); }
    virtual std::string Image() { return QCustomPanel::Image(); }
    virtual void SetImage(const std::string& FileName) { QCustomPanel::SetImage(FileName); }
};

LRESULT CALLBACK PanelWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
ATOM RegisterPanelClass();
