// The modal "working" dialog that worker threads drive through the host
// services, and the work mutex that orders its creation against them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zelva::ui {

// Creates the named mutex "ZELVA Working" (not owned); closed again when
// the main window has ended.
void CreateWorkMutex();
void CloseWorkMutex();

extern "C" {
void __cdecl CloseWorkingDialog(void);
void __cdecl RunWorkingDialog(void);
void __cdecl SetWorkingDialogText(int32_t line, const char* text);
void __cdecl SetWorkingDialogLayout(int32_t mode);
}

bool IsWorkingDialogOpen();

}  // namespace zelva::ui
