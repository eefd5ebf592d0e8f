/// \file
/// Every window class of the library, registered and unregistered in the library's order.
#pragma once

/// The demonstration classes, the editor library and "VUdeRedo", the standard classes, then
/// (after InitCommonControls) the bars and the panel. Failures are ignored.
void RegisterLibraryClasses();
/// The reverse steps: the panel, the bars, the standard classes, the editor library and
/// "VUdeRedo", the demonstration classes.
void UnregisterLibraryClasses();
