// The one base of windows and dialogs whose messages go to a C++ object: one
// static procedure finds the object behind the window and hands it each
// message as `OnMessage(UINT, WPARAM, LPARAM)`; the object's address leaves
// the window at WM_NCDESTROY, and no exception leaves the procedure.
//
// Who owns the object:
// - WindowProcedure and DialogProcedure: the caller; the object's address is
//   the creation parameter (lpCreateParams, or the dialog's init parameter).
// - OwningProcedure: the window itself; the object is made at WM_NCCREATE
//   and deleted after WM_NCDESTROY, so it is freed exactly once whatever
//   the creation came to.
// - CreateOwnedDialog: the dialog, from WM_INITDIALOG on; until then the
//   caller's unique_ptr, so a dialog that fails to open frees it too.
//
// Slot says where the window keeps the address: GWLP_USERDATA, or 0 for the
// first extra bytes of classes whose windows others create and may give
// user data of their own (the class then reserves sizeof(LONG_PTR)).
#pragma once

#include <windows.h>

#include <memory>
#include <utility>

#include "Gdi.h"
#include "ThisModule.h"

namespace zelva::ui {

template <class T, int Slot = GWLP_USERDATA>
class ObjectWindow {
 public:
  ObjectWindow(const ObjectWindow&) = delete;
  ObjectWindow& operator=(const ObjectWindow&) = delete;

  HWND window() const { return window_; }

  // Registers T::kClassName in this image with WindowProcedure.
  static ATOM Register(HBRUSH background) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WindowProcedure;
    windowClass.cbWndExtra = Slot == GWLP_USERDATA ? 0 : int(sizeof(LONG_PTR));
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

  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    T* self = message == WM_NCCREATE
                  ? Attach(window, static_cast<T*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams))
                  : Find(window);
    if (self == nullptr) return DefaultFor(window, message, w, l);
    return Dispatch(window, *self, message, w, l, &WindowFailure);
  }

  static INT_PTR CALLBACK DialogProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    T* self = message == WM_INITDIALOG ? Attach(window, reinterpret_cast<T*>(l)) : Find(window);
    if (self == nullptr) return FALSE;
    return Dispatch(window, *self, message, w, l, &DialogFailure);
  }

  // A modeless dialog from a template of instance that owns its object.
  static HWND CreateOwnedDialog(std::unique_ptr<T> object, HINSTANCE instance, LPCWSTR dialogTemplate, HWND parent) {
    return CreateDialogParamW(instance, dialogTemplate, parent, &OwnedDialogProcedure,
                              reinterpret_cast<LPARAM>(&object));
  }

  static LRESULT CALLBACK OwningProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
      try {
        self = Attach(window, new T);
      } catch (...) {
        return FALSE;
      }
    } else {
      self = Find(window);
    }
    if (self == nullptr) return DefaultFor(window, message, w, l);
    LRESULT result = Dispatch(window, *self, message, w, l, &WindowFailure);
    // The window was the object's one owner; Dispatch has detached it.
    if (message == WM_NCDESTROY) delete self;
    return result;
  }

 protected:
  ObjectWindow() = default;
  // Derived destructors call DestroyWindowNow() first, so no message reaches
  // a half-destroyed object.
  ~ObjectWindow() { DestroyWindowNow(); }

  // Detaches the object, then destroys its window: the window's last
  // messages go to the default procedure.
  void DestroyWindowNow() {
    HWND window = std::exchange(window_, nullptr);
    if (window != nullptr) {
      SetWindowLongPtrW(window, Slot, 0);
      DestroyWindow(window);
    }
  }

  LRESULT Default(UINT message, WPARAM w, LPARAM l) { return DefaultFor(window_, message, w, l); }

  // A dialog's answer to a message whose result is not its return value.
  INT_PTR DialogResult(LRESULT result) {
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, result);
    return TRUE;
  }

  // Windows that paint all of their surface in T::Paint(HDC), for the screen
  // and for printing into a parent's picture alike; true when handled.
  bool HandlePaintMessage(UINT message, WPARAM w, LRESULT& result) {
    switch (message) {
      case WM_PAINT: {
        win::PaintScope paint(window_);
        static_cast<T*>(this)->Paint(paint.dc());
        result = 0;
        return true;
      }
      case WM_PRINTCLIENT:
        static_cast<T*>(this)->Paint(reinterpret_cast<HDC>(w));
        result = 0;
        return true;
      case WM_ERASEBKGND:
        result = 1;
        return true;
    }
    return false;
  }

  // A child of T's wide class T::kClassName in this image, with this object
  // as its creation parameter.
  HWND CreateWindowFor(DWORD exStyle, DWORD style, const RECT& place, HWND parent, int id) {
    return CreateWindowExW(exStyle, T::kClassName, L"", style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           win::ThisModule(), static_cast<T*>(this));
  }

 private:
  using Failure = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

  static T* Attach(HWND window, T* self) {
    if (self == nullptr) return nullptr;
    static_cast<ObjectWindow&>(*self).window_ = window;
    SetWindowLongPtrW(window, Slot, reinterpret_cast<LONG_PTR>(self));
    return self;
  }
  static T* Find(HWND window) { return reinterpret_cast<T*>(GetWindowLongPtrW(window, Slot)); }

  static INT_PTR CALLBACK OwnedDialogProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    T* self = message == WM_INITDIALOG ? Attach(window, reinterpret_cast<std::unique_ptr<T>*>(l)->release())
                                       : Find(window);
    if (self == nullptr) return FALSE;
    INT_PTR result = Dispatch(window, *self, message, w, l, &DialogFailure);
    if (message == WM_NCDESTROY) delete self;
    return result;
  }

  static LRESULT Dispatch(HWND window, T& self, UINT message, WPARAM w, LPARAM l, Failure failure) {
    LRESULT result = 0;
    try {
      result = self.OnMessage(message, w, l);
    } catch (...) {
      result = failure(window, message, w, l);
    }
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(window, Slot, 0);
      static_cast<ObjectWindow&>(self).window_ = nullptr;
    }
    return result;
  }

  static LRESULT DefaultFor(HWND window, UINT message, WPARAM w, LPARAM l) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, message, w, l) : DefWindowProcA(window, message, w, l);
  }

  // What a window answers when its object failed on a message.
  static LRESULT WindowFailure(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
      case WM_NCCREATE:
        return FALSE;
      case WM_CREATE:
        return -1;
      case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
      default:
        return DefaultFor(window, message, w, l);
    }
  }
  static LRESULT DialogFailure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

  HWND window_ = nullptr;
};

}  // namespace zelva::ui
