#include "ModuleLoader.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "FixedText.h"
#include "Handles.h"
#include "HostLog.h"
#include "HostState.h"
#include "Library.h"

namespace zelva::host {
namespace {

ProductModule g_slots[kProductSlots];
uint8_t g_count = 0;
ProductModule g_settings;

// A library that once shipped beside the host and must not be loaded again.
constexpr char kRetiredLibrary[] = "R41 XSE.dll";

template <typename T>
bool Lookup(HMODULE library, const char* name, const char* missingText, T& entry) {
  entry = reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  if (entry == nullptr) HostLog(missingText, int(GetLastError()));
  return entry != nullptr;
}

bool LookupExports(ProductModule& slot) {
  HMODULE library = slot.library;
  return Lookup(library, kExportLoad, "\tError finding LoadProductModule: %d\n", slot.load) &&
         Lookup(library, kExportUnload, "\tError finding UnloadProductModule: %d\n", slot.unload) &&
         Lookup(library, kExportGetInfo, "\tError finding GetProductInfo: %d\n", slot.getInfo) &&
         Lookup(library, kExportShow, "\tError finding ShowProductWindow: %d\n", slot.show) &&
         Lookup(library, kExportHide, "\tError finding HideProductWindow: %d\n", slot.hide) &&
         Lookup(library, kExportMenuChange, "\tError finding OnMenuChange: %d\n", slot.menuChange) &&
         Lookup(library, kExportExecute, "\tError finding ExecuteCommand: %d\n", slot.command);
}

void DeleteIfRetired(const char* path) {
  size_t length = std::strlen(path);
  size_t suffix = sizeof(kRetiredLibrary) - 1;
  if (length >= suffix && std::strcmp(path + length - suffix, kRetiredLibrary) == 0) DeleteFileA(path);
}

}  // namespace

bool LoadOneModule(ProductModule& slot, const char* path) {
  HostLog("\nLoading Module from file: %s\n", path);
  DeleteIfRetired(path);
  std::memset(&slot, 0, sizeof(slot));
  slot.inUse = 1;
  text::CopyBounded(slot.path, path);

  // Released again, whichever way the library turns out not to be a module.
  win::Library library(LoadLibraryA(path));
  if (!library) {
    HostLog("\tFailed to load library: %d\n", int(GetLastError()));
    std::memset(&slot, 0, sizeof(slot));
    return false;
  }
  slot.library = library.get();
  HostLog("Loading Module\n");
  bool loaded = LookupExports(slot);
  if (loaded && slot.load(&Context()) == 0) {
    HostLog("Error at LoadProductModule()\n");
    loaded = false;
  }
  if (!loaded) {
    std::memset(&slot, 0, sizeof(slot));
    return false;
  }
  slot.getInfo(&slot.info);
  // From here the slot holds the library until UnloadProductModules.
  library.release();
  return true;
}

bool LoadSettingsModule(HWND owner) {
  HostLog("\nLoading Settings Module\n");
  char path[kPathChars];
  text::CopyBounded(path, Context().programFolder);
  text::AppendBounded(path, "Settings.dat");
  if (LoadOneModule(g_settings, path)) return true;
  MessageBoxA(owner,
              "There was an error loading a required settings file.\n\nTry running HangardeskUpdater.exe manually, or "
              "reinstall ZELVA Hangardesk.",
              "Error", MB_ICONWARNING);
  return false;
}

ProductModule& SettingsModule() { return g_settings; }

void LoadProductModules() {
  HostContext& context = Context();
  g_count = 0;
  for (int i = 0; i < kProductSlots; ++i) context.products[i] = &g_slots[i].info;
  context.moduleCount = 0;
  HostLog("\nFinding product modules\n");

  char pattern[kPathChars];
  text::CopyBounded(pattern, context.programFolder);
  text::AppendBounded(pattern, "*.dll");
  WIN32_FIND_DATAA entry;
  win::FileSearch search(pattern, entry);
  if (search.found()) {
    do {
      // The table is full: further libraries stay unloaded.
      if (g_count >= kProductSlots) break;
      char path[kPathChars];
      text::CopyBounded(path, context.programFolder);
      if (!text::AppendBounded(path, entry.cFileName)) continue;
      if (LoadOneModule(g_slots[g_count], path)) {
        ++g_count;
        context.moduleCount = g_count;
      }
    } while (search.Next(entry));
  }

  HostLog("\nFinished loading product modules.\nSorting product modules\n");
  std::stable_partition(g_slots, g_slots + g_count, [](const ProductModule& m) { return m.info.installed != 0; });
  HostLog("\tDone.\n");
}

void UnloadProductModules() {
  HostLog("\n\nUnloading product modules\n");
  for (int i = 0; i < g_count; ++i) {
    HostLog("\n\n%s\n", g_slots[i].info.shortName);
    win::Library library(std::exchange(g_slots[i].library, nullptr));
    g_slots[i].unload();
  }
  HostLog("\n\nDone unloading product modules");
  g_count = 0;
  Context().moduleCount = 0;
  std::memset(g_slots, 0, sizeof(g_slots));
}

int ProductModuleCount() { return g_count; }
ProductModule& ProductModuleAt(int slot) { return g_slots[slot]; }

}  // namespace zelva::host
