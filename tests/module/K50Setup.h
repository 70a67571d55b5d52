// A simulated computer for the real K50 module, loaded in this process through
// the host's loader: an FSX folder with the variants the test installs, the
// product's uninstall keys, and the host's record with a log of its own.
#pragma once

#include <windows.h>

#include <string>

#include "ModuleLoader.h"
#include "RegistryScope.h"
#include "TestFolder.h"

namespace zelva::testing {

extern const char kProductKey[];
extern const char kExpansionKey[];

class K50Setup {
 public:
  K50Setup();
  ~K50Setup();

  void RegisterProduct(const char* version = "1.4.2");
  // The product's key with a name but without "DisplayVersion".
  void RegisterProductWithoutVersion();
  // A null version leaves the key without "DisplayVersion".
  void RegisterExpansion(const char* version);
  // Writes the variant's aircraft.cfg with the given text.
  void WriteAircraftConfig(const char* variantFolder, const std::string& content);
  void InstallVariant(const char* variantFolder) { WriteAircraftConfig(variantFolder, "[fuel]\r\nfuel_type=2\r\n"); }

  // Loads the module through the host's loader; false when it refused.
  bool Load();
  void Unload();
  host::ProductModule& module() { return module_; }
  const ProductInfo& info() const { return module_.info; }
  INT_PTR Command(int32_t command, INT_PTR first = 0, INT_PTR second = 0) { return module_.command(command, first, second); }

  std::string Log() const;
  bool Logged(const std::string& text) const { return Log().find(text) != std::string::npos; }
  const std::string& fsxRoot() const { return fsx_.path(); }

 private:
  TestFolder data_, fsx_;
  RegistryScope registry_;
  HMODULE hostImage_ = nullptr;
  host::ProductModule module_ = {};
};

}  // namespace zelva::testing
