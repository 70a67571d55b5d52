#include "ProductOptionHook.h"

#include <windows.h>

#include "K50Rules.h"
#include "LiveryFiles.h"

namespace zelva::module {
namespace {

ProductOptionHook g_hook = nullptr;

}  // namespace

void SetProductOptionHook(ProductOptionHook hook) { g_hook = hook; }
ProductOptionHook CurrentProductOptionHook() { return g_hook; }

void ShowValidationError(const char* text) { AskUser(text, "Validation Error", MB_OK); }

int K50OptionHook(int mode, int index, std::string* value, const options::AirframeSettings*) {
  if (mode == kHookVariantChanged) {
    options::AdjustCatalogueForVariant(index);
    return 1;
  }
  if (mode != kHookCheckValue || value == nullptr || !options::IsThrustReductionRow(index)) return 1;
  if (options::CheckThrustReduction(*value)) return 1;
  ShowValidationError(options::kThrustReductionMessage);
  return 0;
}

}  // namespace zelva::module
