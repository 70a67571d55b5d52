// The "AX" window class: a child window that hosts the OLE control whose
// class identifier is its title.
#pragma once

#include <windows.h>

namespace zelva::document {

constexpr char kContainerClass[] = "AX";
// wParam: the interface identifier; lParam: where the interface goes.
constexpr UINT kContainerQueryMessage = WM_USER + 1;
// wParam: 1 activates the control in place, 0 deactivates it. Returns 1.
constexpr UINT kContainerActivateMessage = WM_USER + 2;

// Registers the class once; a class registered before counts as success.
bool RegisterContainerClass(HINSTANCE instance);

}  // namespace zelva::document
