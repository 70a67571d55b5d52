// Binds the built product module the way the host does: by file name and
// export name, and calls through the contract's types.
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

template <typename T>
T Export(HMODULE module, const char* name) {
  return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

TEST(ModuleBinding, ProductModuleLoadsAndDescribesItsProduct) {
  HMODULE library = LoadLibraryA(zelva::testing::WindowsPathOf(ZELVA_MODULE_PATH).c_str());
  ASSERT_NE(library, nullptr) << GetLastError();
  auto load = Export<LoadProductModuleExport>(library, kExportLoad);
  auto info = Export<GetProductInfoExport>(library, kExportGetInfo);
  auto execute = Export<ExecuteCommandExport>(library, kExportExecute);
  auto unload = Export<UnloadProductModuleExport>(library, kExportUnload);
  ASSERT_TRUE(load && info && execute && unload);

  static HostContext context{};
  context.log = &RecordLog;
  g_logged.clear();
  EXPECT_NE(load(&context), 0);
  EXPECT_FALSE(g_logged.empty()) << "the module logs through the host's function";

  ProductInfo product;
  std::memset(&product, 0xCC, sizeof(product));
  info(&product);
  EXPECT_STREQ(product.shortName, "ZELVA K50X");
  EXPECT_EQ(product.simulator, kSimulatorFsx);
  EXPECT_EQ(execute(3, 0, 0), kResultUnknown);
  unload();
  FreeLibrary(library);
}

}  // namespace
