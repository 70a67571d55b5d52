// The platform cabinet decoder (FDI of Cabinet.dll), loaded by name.
#pragma once

#include <windows.h>
#include <fdi.h>

#include "Library.h"

namespace zelva::archive {

struct DecoderApi {
  zelva::win::Library library;
  decltype(&::FDICreate) create = nullptr;
  decltype(&::FDICopy) copy = nullptr;
  decltype(&::FDIIsCabinet) isCabinet = nullptr;
  decltype(&::FDIDestroy) destroy = nullptr;

  // Loads the library on first use; false when it or an entry point is missing.
  bool Load();
  void Release();
};

}  // namespace zelva::archive
