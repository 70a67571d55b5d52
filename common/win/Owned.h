// The one owner of a handle-like value: releases it exactly once, whichever
// way its scope ends; movable, not copyable. Free of Windows headers, so
// portable code may own its own kinds of handle with it too.
#pragma once

#include <utility>

namespace zelva::win {

// Traits name the handle type, its "no handle" value and how it is released:
//   struct Traits { using Handle = ...; static Handle Invalid(); static void Release(Handle); };
template <class Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

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
  bool valid() const { return handle_ != Traits::Invalid(); }
  explicit operator bool() const { return valid(); }

  // Gives the handle up without releasing it.
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  void reset(Handle handle = Traits::Invalid()) {
    Handle previous = std::exchange(handle_, handle);
    if (previous != Traits::Invalid()) Traits::Release(previous);
  }
  // For functions that hand out a new handle through a pointer: releases the
  // current one first.
  Handle* receive() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

// Traits of handles whose "no handle" value is null.
template <class H, void (*Free)(H)>
struct NullIsInvalid {
  using Handle = H;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle handle) { Free(handle); }
};

}  // namespace zelva::win
