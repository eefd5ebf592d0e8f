/// \file
/// VUdeRedo, the code editor whose window the separate editor library mirvane.dll makes.
#pragma once

#include "object/frame.h"

#include <cstdint>

/// mirvane's factory "Create": the editor class name, the window handle (the parent's on entry,
/// the editor's on return), the bounds and an extra result.
using QEditorFactory = BOOL(__stdcall*)(const char* ClassName, HWND* Window, int Left, int Top,
                                        int Width, int Height, int32_t* Extra);

/// mirvane's module handle, or null when it could not be loaded.
extern HMODULE EditorLibrary;

class VUdeRedo : public QFrame {
public:
    VUdeRedo();
    VUdeRedo* Self() override { return this; }
    /// Asks the editor library's factory for the window instead of creating one.
    void CreateHandle() override;

    /// The factory as the last CreateHandle found it, or null.
    QEditorFactory EditorFactory = nullptr;
};

/// Load step: loads mirvane from its fixed path and registers the "VUdeRedo" class.
void LoadEditorLibrary();
/// Unload step: frees mirvane when it was loaded and unregisters "VUdeRedo".
void FreeEditorLibrary();
