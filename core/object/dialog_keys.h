/// \file
/// The keys a form may answer as a dialog does: Enter for the default push button (or the
/// focused one), Esc for the cancel button, and the default look that follows the focus; with
/// the form's DialogKeys also Tab and Shift+Tab over the stops, the arrow keys in a group of
/// radio buttons and the mnemonics (Alt and the letter after & in a caption).
#pragma once

#include <windows.h>

class QCustomForm;

/// The form of Window's top-level window, or null when that is no form of the library.
QCustomForm* FormOfWindow(HWND Window);
/// Acts on a key message as the message's form answers it (its shortcuts first); false (nothing
/// done) for every other message, which the loop then translates and dispatches.
bool TranslateDialogKey(MSG& Message);
/// Draws the push buttons of Focus's form as Focus now makes them: the focused push button as
/// the default one, else the form's default button. Only in forms that use the dialog keys.
void ShowDefaultLook(HWND Focus);
