// Owners for Windows handles, so every exit path releases what it took.
#pragma once

#include <windows.h>

#include <utility>

namespace zelva::settings {

// Owns one handle and releases it with Release; movable, not copyable.
template <typename Handle, void (*Release)(Handle)>
class Owned {
 public:
  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(other.release()) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  Handle release() { return std::exchange(handle_, nullptr); }
  void reset(Handle handle = nullptr) {
    Handle previous = std::exchange(handle_, handle);
    if (previous != nullptr) Release(previous);
  }

 private:
  Handle handle_ = nullptr;
};

namespace release {
template <typename T>
void GdiObject(T object) { DeleteObject(object); }
inline void Dc(HDC dc) { DeleteDC(dc); }
inline void Window(HWND window) { DestroyWindow(window); }
inline void Global(HGLOBAL block) { GlobalFree(block); }
}  // namespace release

using FontHandle = Owned<HFONT, &release::GdiObject<HFONT>>;
using BrushHandle = Owned<HBRUSH, &release::GdiObject<HBRUSH>>;
using BitmapHandle = Owned<HBITMAP, &release::GdiObject<HBITMAP>>;
using MemoryDc = Owned<HDC, &release::Dc>;
using WindowHandle = Owned<HWND, &release::Window>;
using GlobalBlock = Owned<HGLOBAL, &release::Global>;

// Selects an object into a device context for one scope.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

// A window's device context for one scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace zelva::settings
