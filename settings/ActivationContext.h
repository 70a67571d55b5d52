// The Common Controls v6 manifest embedded in this library, activated while
// the module creates controls, so they are themed whatever the host process
// was started with.
#pragma once

#include <windows.h>

#include "Handles.h"

namespace zelva::settings {

class ActivationContext {
 public:
  ActivationContext();
  ActivationContext(const ActivationContext&) = delete;
  ActivationContext& operator=(const ActivationContext&) = delete;

  HANDLE get() const { return context_.get(); }

 private:
  static void Release(HANDLE context) { ReleaseActCtx(context); }
  win::Owned<win::InvalidValueIsInvalid<&Release>> context_;
};

// Activates a context for one scope; does nothing for an unusable context.
class ActivationScope {
 public:
  explicit ActivationScope(const ActivationContext& context);
  ~ActivationScope();
  ActivationScope(const ActivationScope&) = delete;
  ActivationScope& operator=(const ActivationScope&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace zelva::settings
