/// \file
/// The keys a form may answer as a dialog does: Enter for the default push button (or the
/// focused one), Esc for the cancel button, and the default look that follows the focus; with
/// the form's DialogKeys also Tab and Shift+Tab over the stops, the arrow keys in a group of
/// radio buttons, the mnemonics (Alt and the letter after & in a caption), and the focus given
/// back inside the form when it is activated.
#pragma once

#include <windows.h>

class QCustomForm;

/// The form of Window's top-level window, or null when that is no form of the library.
QCustomForm* FormOfWindow(HWND Window);
/// Acts on a key message as the message's form answers it (its shortcuts first); false (nothing
/// done) for every other message, which the loop then translates and dispatches.
bool TranslateDialogKey(MSG& Message);
/// Gives the focus that Form takes as a whole to the component Last (the window that had it
/// when the form was deactivated) where it can still take it, else to the first tab stop.
void FocusInside(QCustomForm& Form, HWND Last);
/// Draws the push buttons of Focus's form as Focus now makes them: the focused push button as
/// the default one, else the form's default button. Only in forms that use the dialog keys.
void ShowDefaultLook(HWND Focus);
