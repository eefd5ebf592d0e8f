/// \file
/// Path and message-box utilities: take a file path apart or put it together, and show
/// message boxes that stay on top, owned by the calling thread's window when it has one.
#pragma once

#include <windows.h>

#include <string>

/// "/" and "\" separate folders; the last "." anywhere in the path starts the extension.
std::string FileNameOf(const std::string& Path);
std::string FolderOf(const std::string& Path);
std::string ExtensionOf(const std::string& Path);
std::string ReplaceExtension(const std::string& Path, const std::string& Extension);
std::string ReplaceFolder(const std::string& Path, const std::string& Folder);

/// Each byte in lower case under the user's default locale, as a table of 256 bytes indexed by
/// the unsigned byte; in a multi-byte code page only the ASCII letters change.
const char* LowerCaseTable();

/// The cell OwnerWindow answers through; allocated at library load, freed at unload.
extern HWND* OwnerCell;
void AllocateOwnerCell();
void FreeOwnerCell();

/// The first top-level window of the calling thread when its extended style is not 0.
HWND OwnerWindow();
/// A plain topmost box captioned with the program's file name.
void InfoBox(const std::string& Text);
/// A box with caption and style, always topmost; answers the pressed button.
int AlertBox(const std::string& Text, const std::string& Caption, UINT Style);
