// A window class whose one static procedure hands every message to the C++
// object behind the window (set from the creation parameter, kept in
// GWLP_USERDATA). No exception leaves the procedure.
#pragma once

#include <windows.h>

#include <utility>

#include "ThisModule.h"
#include "Gdi.h"

namespace zelva::settings {

template <typename T>
class ObjectWindow {
 public:
  ObjectWindow(const ObjectWindow&) = delete;
  ObjectWindow& operator=(const ObjectWindow&) = delete;

  HWND window() const { return window_; }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
      self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      if (self != nullptr) {
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      }
    } else {
      self = reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
      result = self->HandleMessage(message, wParam, lParam);
    } catch (...) {
      result = FailedMessageResult(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      self->window_ = nullptr;
    }
    return result;
  }

  static ATOM Register(HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = win::ThisModule();
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = T::kClassName;
    ATOM atom = RegisterClassExW(&windowClass);
    if (atom == 0 && GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
      // Left behind by an earlier load of this library that was not unloaded
      // through its export; its procedure address may be stale.
      UnregisterClassW(T::kClassName, win::ThisModule());
      atom = RegisterClassExW(&windowClass);
    }
    return atom;
  }

  static void Unregister() { UnregisterClassW(T::kClassName, win::ThisModule()); }

 protected:
  ObjectWindow() = default;
  // Derived destructors call DestroyWindowNow() first, so no message reaches a
  // half-destroyed object.
  ~ObjectWindow() { DestroyWindowNow(); }

  // The page's windows paint all of their surface in T::Paint, for the screen
  // and for printing into a parent's picture alike; true when handled.
  bool HandlePaintMessage(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
      case WM_PAINT: {
        win::PaintScope paint(window_);
        static_cast<T*>(this)->Paint(paint.dc());
        result = 0;
        return true;
      }
      case WM_PRINTCLIENT:
        static_cast<T*>(this)->Paint(reinterpret_cast<HDC>(wParam));
        result = 0;
        return true;
      case WM_ERASEBKGND:
        result = 1;
        return true;
    }
    return false;
  }

  HWND CreateWindowFor(DWORD exStyle, DWORD style, const RECT& place, HWND parent, int id) {
    return CreateWindowExW(exStyle, T::kClassName, L"", style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           win::ThisModule(), static_cast<T*>(this));
  }

  void DestroyWindowNow() {
    HWND window = std::exchange(window_, nullptr);
    if (window != nullptr) {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      DestroyWindow(window);
    }
  }

  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window_, message, wParam, lParam);
  }

 private:
  static LRESULT FailedMessageResult(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
      case WM_NCCREATE:
        return FALSE;
      case WM_CREATE:
        return -1;
      case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

  HWND window_ = nullptr;
};

}  // namespace zelva::settings
