// What package installation tells the user and the host: the two error
// buffers, message boxes owned by the host's main window, and the host's
// working dialog as busy display.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// The module-wide text of a failed single-livery installation.
const char* LiveryErrorText();
void ClearLiveryError();
void SetLiveryError(const char* format, ...);

// The host's error text, which the host shows for a -2 of other package types.
void SetHostError(const char* format, ...);

// A message box with the given text; the button the user pressed.
int AskFormatted(const char* caption, UINT flags, const char* format, ...);

// Lines of the host's working dialog; nothing when there is no host, no
// service or no open dialog.
void SetBusyLayout(int mode);
void SetBusyText(int line, const char* text);

}  // namespace zelva::module
