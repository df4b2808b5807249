#pragma once

#include "platform/Dialog.h"
#include "platform/WindowHandle.h"

namespace platform::win32 {

// Runs one of the program's dialog resources modally the way MFC does: the
// dialog is created modeless from a copy of its template, its owner is disabled, and a message
// loop offers each key-down to the handler's PreTranslateKey before
// IsDialogMessageW. WM_INITDIALOG reaches OnInitDialog; a click (BN_CLICKED)
// reaches OnCommand; IDCANCEL (Esc, the close box) reaches OnCancel. Enter
// without a default button (IDOK from the dialog manager) does nothing, as
// these dialogs have neither. The result is what the handler passed to
// EndDialog; -1 when the window cannot be created or the loop receives
// WM_QUIT (posted again for the caller's loop). An exception thrown by the
// handler ends the loop and is rethrown after the window is gone.
int RunModalDialog(int templateId, WindowHandle owner, DialogHandler& handler);

}  // namespace platform::win32
