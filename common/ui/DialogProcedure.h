// One static dialog procedure per dialog class, for every deliverable: it
// finds the object behind the window and hands it each message. No exception
// leaves it.
#pragma once

#include <windows.h>

namespace zelva::ui {

// T has `void SetWindow(HWND)` and `INT_PTR OnMessage(UINT, WPARAM, LPARAM)`;
// the object's address is the dialog's creation parameter.
template <class T>
INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  T* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<T*>(l);
    SetWindowLongPtrA(window, DWLP_USER, l);
    if (self != nullptr) self->SetWindow(window);
  } else {
    self = reinterpret_cast<T*>(GetWindowLongPtrA(window, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  try {
    return self->OnMessage(message, w, l);
  } catch (...) {
    return FALSE;
  }
}

}  // namespace zelva::ui
