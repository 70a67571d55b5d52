#include "ActivationContext.h"

#include "ThisModule.h"

namespace zelva::settings {
namespace {
// The libraries carry their manifest under the isolation-aware resource id.
constexpr WORD kManifestResource = 2;
}  // namespace

ActivationContext::ActivationContext() {
  ACTCTXW description{};
  description.cbSize = sizeof(description);
  description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  description.hModule = win::ThisModule();
  description.lpResourceName = MAKEINTRESOURCEW(kManifestResource);
  context_.reset(CreateActCtxW(&description));
}

ActivationScope::ActivationScope(const ActivationContext& context) {
  if (context.get() != INVALID_HANDLE_VALUE) active_ = ActivateActCtx(context.get(), &cookie_) != FALSE;
}

ActivationScope::~ActivationScope() {
  if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace zelva::settings
