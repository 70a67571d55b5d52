// The module's own images that live as long as the module.
#pragma once

#include "PngResource.h"

namespace zelva::module {

struct ModuleImages {
  images::PngImage emblem;       // the product's emblem, for the pages that present it
  images::PngImage pageHeader;   // the default page header
  images::PngImage buyButton;    // face of the product window's link button

  void Load();
  void Release();
};

ModuleImages& SharedImages();

}  // namespace zelva::module
