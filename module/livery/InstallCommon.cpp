#include "InstallCommon.h"

#include "ModuleContext.h"

namespace zelva::module {

int FindVariantIndex(const char* name) {
  const ProductInfo& product = Product();
  for (int i = 0; name != nullptr && i < product.variantCount && i < kMaxVariants; ++i) {
    const char* variant = product.variants[i].name;
    if (variant != nullptr && _stricmp(variant, name) == 0) return i;
  }
  return -1;
}

}  // namespace zelva::module
