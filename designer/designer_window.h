// The designer's main window: menu, palette, design surface and property list, and the
// commands that open, save and generate a form.
#pragma once

#include "core_library.h"
#include "design_surface.h"
#include "palette.h"
#include "property_list.h"

#include <windows.h>

#include <string>

class DesignerWindow {
public:
    explicit DesignerWindow(const CoreLibrary& Core) : Core(Core) {}
    bool Create();
    HWND Window() const { return Main; }
    // Takes the messages the designer handles before they reach their window: input on the
    // surface and Enter in the property list.
    bool PreTranslate(const MSG& Message);

    bool New();
    bool Open(const std::string& Path);
    bool Save(const std::string& Path);
    bool Generate(const std::string& Folder);
    bool Select(const std::string& Name) { return Surface.SelectByName(Name); }

private:
    static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
    LRESULT HandleMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
    void Command(int Id);
    bool TextCommand(const std::string& Line);
    void ChooseTool(int Index);
    void Apply();
    void ShowCaption();
    std::string AskFileName(bool Saving);

    const CoreLibrary& Core;
    HWND Main = nullptr;
    Palette Tools;
    DesignSurface Surface;
    PropertyList Properties;
    std::string FormPath;
};
