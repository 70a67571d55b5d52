// The product's rules over its options, reached by the page through one
// function that the module sets when it loads; the page itself knows no
// product. Mode 0: the variant adjustment, index being the variant. Mode 1:
// the check of a new value, index being its catalogue row; the hook may
// rewrite value, shows its own message and returns 0 to reject it.
#pragma once

#include <string>

#include "AirframeSettings.h"

namespace zelva::module {

constexpr int kHookVariantChanged = 0;
constexpr int kHookCheckValue = 1;

using ProductOptionHook = int (*)(int mode, int index, std::string* value, const options::AirframeSettings* sections);

// Null: no rules.
void SetProductOptionHook(ProductOptionHook hook);
ProductOptionHook CurrentProductOptionHook();

// The K50's rules.
int K50OptionHook(int mode, int index, std::string* value, const options::AirframeSettings* sections);

// A "Validation Error" message box owned by the host's main window.
void ShowValidationError(const char* text);

}  // namespace zelva::module
