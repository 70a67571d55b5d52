#include "ModuleImages.h"

#include "ModuleContext.h"
#include "ModuleResources.h"

namespace zelva::module {

void ModuleImages::Load() {
  emblem.Load(IDP_PRODUCT_EMBLEM, ModuleInstance());
  pageHeader.Load(IDP_PAGE_HEADER, ModuleInstance());
  buyButton.Load(IDP_BUY_BUTTON, ModuleInstance());
}

void ModuleImages::Release() {
  emblem.Release();
  pageHeader.Release();
  buyButton.Release();
}

ModuleImages& SharedImages() {
  static ModuleImages images;
  return images;
}

}  // namespace zelva::module
