// The designer's commands: menu identifiers, the palette's and the property list's controls,
// and the two messages that let another program drive it (the tests do).
#pragma once

#include <windows.h>

enum DesignerCommand {
    CommandNew = 101,
    CommandOpen,
    CommandSave,
    CommandSaveAs,
    CommandGenerate,
    CommandExit,
    CommandDelete = 110,
    CommandUndo,
    CommandRedo,
    CommandCut,
    CommandCopy,
    CommandPaste,
    CommandDuplicate,
    CommandApply = 120,
    CommandSelectAll,
    ObjectTreeId = 130,
    // The Format menu, in the order of its items.
    CommandAlignLefts = 140,
    CommandAlignRights,
    CommandAlignTops,
    CommandAlignBottoms,
    CommandAlignCentres,
    CommandAlignMiddles,
    CommandSameWidth,
    CommandSameHeight,
    CommandSameSize,
    CommandSpaceAcross,
    CommandSpaceDown,
    CommandCentreAcross, // in the holder
    CommandCentreDown,
    CommandSnapLines, // turns snapping to other components on and off
    CommandBringToFront,
    CommandSendToBack,
    CommandTabOrder, // turns tab-order mode on and off
    CommandTest,     // shows the form as its program will
    // Format > Grid: the grid's size in pixels added, 0 for none.
    CommandGrid = 160,
    // The property list's edit boxes, in the order of PropertyList::Row.
    FirstPropertyEdit = 300,
    // Palette button i sends FirstTool + i.
    FirstTool = 1000,
};

// WM_COPYDATA with this dwData carries a command line of text: "new", "open PATH",
// "save PATH" or "generate FOLDER"; the reply is 1 when it was done, 0 when it was refused.
// A program that sends "new" or "open" means it: unlike the menu, they ask nothing about
// unsaved changes.
constexpr ULONG_PTR DesignerTextCommand = 0x4D524656;

// Posted with a number in WParam: once every message posted before it has been handled, the
// designer stores the number as its main window's GWLP_USERDATA.
constexpr UINT DesignerSync = WM_APP + 1;

// The class of the designer's main window.
constexpr char DesignerWindowClass[] = "VelmoraDesigner";
