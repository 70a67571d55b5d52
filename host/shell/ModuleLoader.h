// Loads the settings module and the product modules of the program folder.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// The host's record of one loaded library.
struct ProductModule {
  HMODULE library;
  int32_t inUse;
  int32_t unused;
  char path[kPathChars];
  ProductInfo info;
  LoadProductModuleExport load;
  UnloadProductModuleExport unload;
  GetProductInfoExport getInfo;
  ShowProductWindowExport show;
  HideProductWindowExport hide;
  OnMenuChangeExport menuChange;
  ExecuteCommandExport command;
};

constexpr int kProductSlots = kMaxProducts;

// Loads, initialises and describes one module; false with the slot cleared.
bool LoadOneModule(ProductModule& slot, const char* path);

// "Settings.dat" of the program folder; on failure the user is told (owned
// by owner) and false returned.
bool LoadSettingsModule(HWND owner);
ProductModule& SettingsModule();

// Every "*.dll" of the program folder, installed products first.
void LoadProductModules();
void UnloadProductModules();

int ProductModuleCount();
ProductModule& ProductModuleAt(int slot);

}  // namespace zelva::host
