/// \file
/// Forms at the screen's pixels per inch: whether the program asked for it, and each frame's
/// bounds and fonts scaled from the pixels per inch they are in to another.
#pragma once

#include <windows.h>

/// True where the program declares itself DPI-aware (its manifest's dpiAware or dpiAwareness,
/// as velmora_add_manifest(... DPI_AWARE) writes them) or SetDpiScaling said so: its forms then
/// scale from the pixels per inch they were designed at to their window's, when first shown
/// and when the platform reports a new one. Other programs' forms keep the pixels they name.
bool DpiScaling();
void SetDpiScaling(bool Value);

/// The pixels per inch of Window's screen: the window's own where the platform knows it, else
/// the screen's.
int WindowPixelsPerInch(HWND Window);
