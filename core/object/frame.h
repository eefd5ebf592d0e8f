/// \file
/// QFrame, the window-backed component every form and control derives from, with the message
/// record and the private messages of the dispatcher.
#pragma once

#include "containers/canvas.h"
#include "object/fonts.h"
#include "object/gdi_handles.h"
#include "object/qobject.h"

#include <cstdint>

/// Private messages: a parent reflects WM_COMMAND and the WM_CTLCOLOR messages to the control's
/// own window; a designer applies or reads a component's class and creation values.
constexpr UINT QM_COMMAND = 0x8064;
constexpr UINT QM_CTLCOLOR = 0x8065;
constexpr UINT QM_SETWINDOWINFO = 0xA710;
constexpr UINT QM_GETWINDOWINFO = 0xA711;
/// For designers: WParam is an alignment (QAlign). The window's component takes it and becomes the
/// last child of the component of the window holding it, which lays out its aligned children as a
/// program's would, and takes its font unless it has its own; answers 1, or 0 for a value that
/// is no alignment. It carries no address.
constexpr UINT QM_SETALIGN = 0xA712;
/// For designers: WParam is the address of a NUL-terminated value name as in DESIGNCLASS's
/// "Value=", "Set=", "Link=" and "Written=" lines ("Color", "Anchors", "Font"), LParam the
/// value (a link's window, a written value's text). The window's component sets it as that line's
/// setter does and the window is drawn again; answers 1, or 0 for a name its class has no such line
/// for, a window without a component or a message from another thread. A posted one never reaches a
/// window procedure.
constexpr UINT QM_SETVALUE = 0xA713;

/// One window message on its way through HandleMessage and DefaultHandler.
struct QMessage {
    HWND Wnd;
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
    QFrame* Sender;
    LONG_PTR Extra1;
    LONG_PTR Extra2; ///< during WM_PAINT: the address of a variable holding the paint's DC
};

/// The record of QM_SETWINDOWINFO and QM_GETWINDOWINFO. Its strings are the library's own
/// std::string, so a designer must be built with the same compiler and C++ runtime.
struct QWindowInfo {
    std::string ClassName;
    std::string ClassAncestor;
    uint32_t ExStyle = 0;
    uint32_t Style = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    WNDPROC WndProc = nullptr;
};

/// Alignment of a child in its parent's client area.
enum QAlign : int32_t { alNone, alLeft, alRight, alTop, alBottom, alClient };
/// The edges of its holder a frame keeps its distances to while the holder is resized.
enum QAnchor : int32_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr int32_t akLeftTop = akLeft | akTop, akAll = akLeft | akTop | akRight | akBottom;

using QMouseEvent = void (*)(QFrame* Sender, int Button, int X, int Y, int Keys);
using QMouseMoveEvent = void (*)(QFrame* Sender, int X, int Y, int Keys);
using QMouseWheelEvent = void (*)(QFrame* Sender, int Direction, int X, int Y, int Keys);
using QKeyEvent = void (*)(QFrame* Sender, uint16_t Key, int KeyCode);
using QKeyPressEvent = void (*)(QFrame* Sender, uint8_t Char);
using QCommandEvent = void (*)(QFrame* Sender, int Id, int Code);

/// The frame whose window is being created; it receives the messages of unbound library windows
/// until it binds itself at WM_NCCREATE.
extern QFrame* CreatingFrame;
/// The record gadget windows without a component are built from: a program may point it at a
/// record of its own; after QM_SETWINDOWINFO or QM_GETWINDOWINFO it names the library's copy of
/// the record that message carried (null after a null record).
extern QWindowInfo* WindowInfoPtr;

class QFrame : public QClassObject {
public:
    QFrame();
    ~QFrame() override;

    void Initialize() override {}
    ATOM RegisterWindowClass(WNDPROC WndProc) override;
    void CreateHandle() override;
    void RecreateHandle() override;
    void DestroyHandle() override;
    void HandleMessage(QMessage& Message) override;
    void DefaultHandler(QMessage& Message) override;
    QFrame* Self() override { return this; }

    /// Position in the parent's client coordinates and outer size.
    int Left();
    void SetLeft(int Value);
    int Top();
    void SetTop(int Value);
    int Width();
    void SetWidth(int Value);
    int Height();
    void SetHeight(int Value);
    void SetBounds(int Left, int Top, int Width, int Height);
    /// Bounds holds left, top, width and height.
    void SetBoundsRect(const RECT& Bounds);

    /// The client area, refreshed from the window when there is one.
    int ClientWidth();
    int ClientHeight();
    RECT ClientRect();

    /// Window text: caption, label or content.
    std::string Text();
    void SetText(const std::string& Value);

    uint32_t Style();
    void SetStyle(uint32_t Value);
    uint32_t ExStyle();
    void SetExStyle(uint32_t Value);
    int ID();
    void SetID(int Value);
    bool Enabled();
    void SetEnabled(bool Value);
    bool Visible();
    void SetVisible(bool Value);
    /// Mirror WS_TABSTOP and WS_GROUP of Style.
    bool TabStop();
    void SetTabStop(bool Value);
    bool Group();
    void SetGroup(bool Value);

    /// 0, 1 or 2; 2 makes the window WS_EX_TRANSPARENT.
    int BackMode() const { return FBackMode; }
    void SetBackMode(int Value);

    /// The window's procedure or, before creation, the registered class's.
    WNDPROC WndProc();
    void SetWndProc(WNDPROC Value);

    /// Alignment in the parent; a write realigns and refreshes the parent.
    int Align() const { return FAlign; }
    void SetAlign(int Value);
    /// QAnchor bits: the holder's edges the frame keeps its distances to as the holder's client
    /// area is resized; left and right both stretch it, neither keeps it centred. akLeftTop, the
    /// default, keeps its place; an aligned frame is placed by its Align whatever its anchors.
    int Anchors() const { return FAnchors; }
    void SetAnchors(int Value) { FAnchors = Value & akAll; }

    /// The font the window shows its text in, and the canvas draws text in: the frame's own,
    /// else its holder's; none (the platform's own font, the look without fonts) when no frame
    /// up to the top has one.
    QFont Font();
    void SetFont(const QFont& Value);
    /// True while the frame takes its holder's font; writing true gives up its own.
    bool ParentFont() const { return !FOwnFont; }
    void SetParentFont(bool Value);

    /// The pixels per inch the frame's bounds and fonts are in: its top holder's, 96 unless
    /// set or scaled. Writing it on a top frame says what its bounds were given in (a form
    /// designed at 120) and changes nothing else; ScaleToPixelsPerInch scales it all there.
    int PixelsPerInch();
    void SetPixelsPerInch(int Value) { FPixelsPerInch = Value > 0 ? Value : FPixelsPerInch; }
    /// Scales the frame's bounds (a window of its own: its client area, at its place, inside
    /// the frame the platform draws at Value; or Outer, the screen rectangle the platform
    /// suggests) and every child's by Value over the pixels per inch they are in, lays out the
    /// aligned children again and makes the fonts anew.
    void ScaleToPixelsPerInch(int Value, const RECT* Outer = nullptr);

    /// The child list: the frame does not own its children.
    int ControlCount() const { return FControls.Count(); }
    QFrame* Controls(int Index) const { return FControls.At(Index); }
    void AddControl(QFrame* Control) { FControls.Add(Control); }
    void RemoveControl(QFrame* Control) { FControls.Remove(Control); }
    int IndexOfControl(QFrame* Control) const { return FControls.IndexOf(Control); }
    void InsertControl(QFrame* Control);

    /// Writing Parent is how a component gets its window: it creates it when there is none.
    QFrame* Parent();
    void SetParent(QFrame* Value);
    HWND ParentHandle();
    void SetParentHandle(HWND Value);

    /// Places the children by their Align: top, bottom, left and right bands, then the client.
    void Realign();
    LRESULT Perform(UINT Msg, WPARAM WParam, LPARAM LParam);
    /// Raises the window to the top of its siblings; RestoreZOrder puts it back.
    void BringToFront();
    void RestoreZOrder();
    void SetFocus();
    void KillFocus();
    void Invalidate();
    void Refresh();
    void Repaint();
    void ClientToScreen(POINT& Point);
    void ScreenToClient(POINT& Point);
    void Click();

    int NextTabIndex = 0;
    WNDPROC PrevWndProc = nullptr;
    int ZOrderIndex = 0;
    QFrame* ActiveControl = nullptr;
    WNDCLASSEXA WindowClass{};
    RECT SpareRect{};
    bool MouseTransparent = false;
    int AlignOptions[4] = {};
    QCanvas Canvas;

    QNotifyEvent OnCreate = nullptr;
    QNotifyEvent OnDestroy = nullptr;
    QNotifyEvent OnClick = nullptr;
    QNotifyEvent OnDblClick = nullptr;
    QNotifyEvent OnPaint = nullptr;
    QMouseEvent OnMouseDown = nullptr;
    QMouseEvent OnMouseUp = nullptr;
    QMouseMoveEvent OnMouseMove = nullptr;
    void* SpareEvent1 = nullptr;
    QKeyEvent OnKeyDown = nullptr;
    QKeyEvent OnKeyUp = nullptr;
    QKeyPressEvent OnKeyPress = nullptr;
    void* SpareEvent2 = nullptr;
    QCommandEvent OnMenuCommand = nullptr;
    QCommandEvent OnAccelCommand = nullptr;
    QMouseWheelEvent OnMouseWheel = nullptr;

    /// The controls' answer to QM_CTLCOLOR: the canvas colours on the DC, its brush as result.
    void AnswerColorRequest(QMessage& Message);
    /// The construction values a control class sets over its base's (no window exists yet).
    void SetControlDefaults(const char* ClassName, uint32_t Style, uint32_t ExStyle, int Width,
                            int Height, int BackgroundColor);

protected:
    bool HasWindow() const { return IsWindow(FHandle) != FALSE; }
    /// Applies a style change through the frame refresh that style writes need.
    void WriteStyleBits(int Index, uint32_t Value);
    void SetStyleBit(uint32_t Bit, bool On);
    void ReadWindowRect(RECT& Rect);
    /// The canvas and OnPaint part of WM_PAINT, without default processing; panels run it
    /// around their own drawing.
    void HandlePaint(QMessage& Message);
    /// Refreshes the creation fields from the window, which may have changed them itself, with
    /// what it is to show: its own visible bit, a combo box's dropped height, the normal
    /// rectangle. True when the window is minimised or maximised; Placement then holds its
    /// placement, for the new window.
    bool TakeValuesFromWindow(WINDOWPLACEMENT& Placement);
    /// A drop-down combo box's height from its top to its list's bottom, 0 for other windows.
    int DroppedComboHeight();
    /// Gives the window the font it is to show now, and the same to each child that takes its
    /// holder's; sends nothing while no font was ever shown or set.
    void ShowFont();
    /// The platform font the window shows, null for its own.
    HFONT ShownFont() const { return FFontShown.Get(); }

    int FAlign = alNone;
    int FClientWidth = 0;
    int FClientHeight = 0;
    int FBackMode = 0;
    RECT FClientRect{};
    QFrame* FParent = nullptr;
    HWND FParentHandle = nullptr;
    std::string FText;
    uint32_t FStyle = 0;
    uint32_t FExStyle = 0;
    int FID = 0;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    bool FEnabled = true;
    bool FVisible = true;
    bool FGroup = false;
    bool FTabStop = false;
    WNDPROC FWndProc = nullptr;

private:
    friend LRESULT RouteToFrame(HWND, UINT, WPARAM, LPARAM, QFrame* (*)());

    // Moves the children anchored to more than the left and top edge by what the client area,
    // now Width x Height, grew since the last layout.
    void FollowAnchors(int Width, int Height);

    QFont FFont;
    bool FOwnFont = false;
    QFontHandle FFontShown;
    // Scales from the pixels per inch From to To, the top holder's set to To already.
    void ScaleFrom(int To, int From, const RECT* Outer);
    // The top holder's pixels per inch; true while ScaleFrom resizes the frame.
    int FPixelsPerInch = 96;
    bool FScaling = false;
    int FAnchors = akLeftTop;
    // Where anchoring last put the frame before a size below 0 was cut to 0, so that a holder
    // shrunk past it and grown again gives the frame its old size back.
    RECT FAnchoredPlace{};
    bool FAnchoredPlaceKept = false;
    // The client size the children were last laid out for; -1 before the first layout.
    int FLaidOutWidth = -1, FLaidOutHeight = -1;

    // Dispatcher steps, one per group of messages.
    void BindToWindow();
    void CreatePendingChildren();
    void HandleClose(QMessage& Message);
    void HandleSize(QMessage& Message);
    void StepTab();
    void HandleFocusRequest(QMessage& Message);
    void ReflectCommand(QMessage& Message);
    void RaiseMouseEvent(QMessage& Message);
    void HandleWindowInfo(QMessage& Message);
    void AlignInHolderWindow(QMessage& Message);
    void SetValueByName(QMessage& Message);
    void ApplyWindowInfo(const QWindowInfo& Info);
    void FillWindowInfo(QWindowInfo& Info);

    QPtrList<QFrame> FControls;
    QWindowDC PaintDC;
    // The ancestor class's window procedure, the ancestor name it was found for, and whether it
    // is the procedure's own address (called directly) or a handle for CallWindowProcA.
    WNDPROC FAncestorProc = nullptr;
    std::string FAncestorProcOf;
    bool FAncestorProcIsCode = false;
    // Set for a frame the window procedure made and bound: the window then owns it.
    bool OwnedByWindow = false;
};

/// True when Address is a QFrame that is alive now.
bool IsLiveFrame(const void* Address);
