// Binds the built libraries the way the host does: by file name and export name.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstring>
#include <string>

#include "TestFolder.h"
#include "ZelvaContract.h"

using namespace zelva;

namespace {

std::string g_logged;
void __cdecl RecordLog(const char* format, ...) {
  char buffer[512];
  va_list arguments;
  va_start(arguments, format);
  vsnprintf(buffer, sizeof(buffer), format, arguments);
  va_end(arguments);
  g_logged += buffer;
}

class Library {
 public:
  explicit Library(const std::string& path) : module_(LoadLibraryA(path.c_str())) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  HMODULE get() const { return module_; }
  template <typename T>
  T Export(const char* name) const {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

TEST(ModuleBinding, ProductModuleLoadsAndDescribesItsProduct) {
  Library library(zelva::testing::WindowsPathOf(ZELVA_MODULE_PATH));
  ASSERT_NE(library.get(), nullptr) << GetLastError();
  auto load = library.Export<LoadProductModuleExport>(kExportLoad);
  auto info = library.Export<GetProductInfoExport>(kExportGetInfo);
  auto execute = library.Export<ExecuteCommandExport>(kExportExecute);
  auto unload = library.Export<UnloadProductModuleExport>(kExportUnload);
  ASSERT_TRUE(load && info && execute && unload);

  static HostContext context{};
  context.log = &RecordLog;
  g_logged.clear();
  EXPECT_NE(load(&context), 0);
  EXPECT_EQ(g_logged.rfind("\nZELVA K50X - Product Module Loading\n", 0), 0u) << g_logged;

  ProductInfo product;
  std::memset(&product, 0xCC, sizeof(product));
  info(&product);
  EXPECT_STREQ(product.displayName, "ZELVA K50 - FSX");
  EXPECT_STREQ(product.shortName, "ZELVA K50X");
  EXPECT_EQ(product.productCode[0], 1);
  EXPECT_EQ(product.productCode[1], 17);
  EXPECT_EQ(product.simulator, kSimulatorFsx);
  EXPECT_EQ(execute(3, 0, 0), kResultUnknown);
  unload();
}

TEST(ModuleBinding, SettingsModuleHasTheSameExports) {
  Library library(zelva::testing::WindowsPathOf(ZELVA_SETTINGS_PATH));
  ASSERT_NE(library.get(), nullptr) << GetLastError();
  for (const char* name : {kExportLoad, kExportGetInfo, kExportShow, kExportHide, kExportMenuChange,
                           kExportExecute, kExportUnload}) {
    EXPECT_NE(library.Export<void*>(name), nullptr) << name;
  }
}

}  // namespace
