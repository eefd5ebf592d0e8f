// The designer's main window: menu, palette, design surface and property list, and the
// commands that open, save and generate a form.
#pragma once

#include "core_library.h"
#include "design_surface.h"
#include "edit_history.h"
#include "format_bar.h"
#include "object_tree.h"
#include "palette.h"
#include "property_list.h"
#include "settings.h"
#include "test_form.h"

#include <windows.h>

#include <string>
#include <vector>

class DesignerWindow {
public:
    explicit DesignerWindow(const CoreLibrary& Core) : Core(Core) {}
    ~DesignerWindow();
    DesignerWindow(const DesignerWindow&) = delete;
    DesignerWindow& operator=(const DesignerWindow&) = delete;
    bool Create(const DesignerSettings& Settings = {});
    HWND Window() const { return Main; }
    // Takes the messages the designer handles before they reach their window: the command
    // keys, input on the surface and Enter in the property list.
    bool PreTranslate(const MSG& Message);

    // An empty form, in the system's message font.
    bool New();
    bool Open(const std::string& Path);
    bool Save(const std::string& Path);
    bool Generate(const std::string& Folder);
    bool Select(const std::string& Name) { return Surface.Select(Name); }

private:
    FormModel NewModel() const;
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
    void Command(int Id);
    bool TextCommand(const std::string& Line);
    void ChooseTool(int Index);
    // Writes the property list's changed rows to every selected component (or the form) as one
    // edit.
    void Apply();
    // The selected components' records, the primary first.
    std::vector<const ComponentRecord*> SelectedRecords() const;
    // Applies Edit to the model and records it for undo.
    void Execute(FormEdit Edit);
    void Undo();
    void Redo();
    // Puts the selection with what it holds on the clipboard; false when there was none to put.
    bool Copy();
    void Cut();
    // Adds the clipboard's components to the form as one edit, or says why there are none.
    void Paste();
    // Adds a copy of the selection beside it as one edit, leaving the clipboard alone.
    void Duplicate();
    // Adds Copied inside Holder as the edit called Title and selects its top components.
    void AddCopy(const FormModel& Copied, const std::string& Holder, const std::string& Title);
    // Makes the selection the first (ToFront) or the last components of their holder, in
    // their order: on top of the others or under them, and first or last for Tab.
    void Reorder(bool ToFront);
    // Shows or ends tab-order mode, with its menu item checked while it lasts.
    void SetTabOrdering(bool On);
    // The model changed: the windows, the caption and the menu follow, and Subject is selected
    // when it is still there; the property list and the tree once the selection rests.
    void ShowChange(const std::string& Subject);
    // The same once the windows show the model: everything but the surface follows it.
    void FollowModel(const std::string& Subject);
    // Takes the bounds the library gave the aligned components into the model; true when that
    // changed it.
    bool TakeLayout();
    // Makes Read the model, with no history; false, and the model as it was, when its windows
    // can't be made.
    bool Replace(const FormModel& Read, std::string& Problem);
    // Brings the property list and the object tree in step with the selection and the model,
    // unless they are.
    void ShowSelection();
    // Snaps to Settings from now on, shows them in the Format menu and keeps them for the next
    // run when Keep.
    void UseSettings(const DesignerSettings& Settings, bool Keep);
    // Places the property list and the object tree beside the surface, which takes the form's
    // size, and fits the window around them.
    void Layout();
    std::string FormName() const;
    void ShowCaption();
    void ShowEditMenu();
    // Asks whether to save unsaved changes first; false when the user cancels or saving fails.
    bool MayDiscardChanges();
    // Saves to the form's file, asking for one when it has none; false when nothing was saved.
    bool SaveToFormFile(bool AskAlways);
    std::string AskFileName(bool Saving);

    const CoreLibrary& Core;
    HWND Main = nullptr;
    Palette Tools;
    FormatBar Formats;
    FormModel Model;
    EditHistory History;
    DesignSurface Surface;
    PropertyList Properties;
    ObjectTree Objects;
    TestForm Test;
    HWND Status = nullptr;
    bool ViewsShown = false, TreeShown = false; // whether they show the selection and model
    RECT LaidOutAround{}; // the surface's bounds when Layout last placed the rest
    HACCEL Keys = nullptr;
    std::string FormPath;
};
