/// \file
/// QToolBar and QStatusBar: thin components over the common controls' tool bar and status bar.
/// They add no operations for buttons or panes: programs send the controls' own messages to
/// Handle.
#pragma once

#include "containers/bar_addresses.h"
#include "object/frame.h"

/// What tells the two bars apart.
struct QToolBarKind {
    static constexpr const char* ClassName = "QToolBar";
    static constexpr const char* ClassAncestor = "ToolBarWindow32";
    /// The tool bar learns the size of a button record once, right after creation.
    static constexpr bool TakesButtons = true;
    /// Its messages that carry addresses.
    static constexpr const BarAddressTable& Addresses = ToolBarAddresses;
};
struct QStatusBarKind {
    static constexpr const char* ClassName = "QStatusBar";
    static constexpr const char* ClassAncestor = "msctls_StatusBar32";
    static constexpr bool TakesButtons = false;
    static constexpr const BarAddressTable& Addresses = StatusBarAddresses;
};

template <class Kind> class QCustomBar : public QFrame {
public:
    QCustomBar();
    QCustomBar* Self() override { return this; }
    void CreateHandle() override;
    void HandleMessage(QMessage& Message) override;

    /// A second canvas offered to programs; the bar itself draws with Canvas and never
    /// touches this one, so it keeps a fresh canvas's state (no owner, brush or DC).
    QCanvas BarCanvas;
};

// Both are instantiated once, in bars.cpp.
extern template class QCustomBar<QToolBarKind>;
extern template class QCustomBar<QStatusBarKind>;
using QCustomToolBar = QCustomBar<QToolBarKind>;
using QCustomStatusBar = QCustomBar<QStatusBarKind>;

/// 215 x 21, keeping the position and size it is given instead of docking to an edge.
class QToolBar : public QCustomToolBar {
public:
    QToolBar();
    QToolBar* Self() override { return this; }
};

/// 215 x 17 with a size grip, keeping the position and size it is given.
class QStatusBar : public QCustomStatusBar {
public:
    QStatusBar();
    QStatusBar* Self() override { return this; }
};

LRESULT CALLBACK ToolBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
LRESULT CALLBACK StatusBarWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
/// Both copy the common-control classes, which exist after InitCommonControls; without them
/// the registration fails silently and answers 0.
ATOM RegisterToolBarClass();
ATOM RegisterStatusBarClass();
