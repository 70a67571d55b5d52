// Owner of one reference to a COM object.
#pragma once

#include <unknwn.h>

#include "Owned.h"

namespace zelva::win {

template <class T>
struct ComRelease {
  using Handle = T*;
  static Handle Invalid() { return nullptr; }
  static void Release(Handle pointer) { pointer->Release(); }
};

// reset(p) takes over a reference the caller already holds; receive() and
// receiveVoid() are for functions that hand out a new reference.
template <class T>
class ComPointer : public Owned<ComRelease<T>> {
 public:
  using Owned<ComRelease<T>>::Owned;
  T* operator->() const { return this->get(); }
  void** receiveVoid() { return reinterpret_cast<void**>(this->receive()); }
};

}  // namespace zelva::win
