#include "ProductVersionsCheck.h"

#include <string>

#include "CabinetEntryFetch.h"
#include "HostLog.h"
#include "ModuleLoader.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::host {
namespace {
constexpr uint32_t kVersionsBlockSize = 40000;
}

void CheckProductVersions(const HostContext& context) {
  HostLog("\nChecking for product updates\n");
  {
    files::WorkFolder work;
    HostLog("\tTemp path: %s\n", work.path());
    std::wstring url = win::WideFromAnsi(context.productUpdateServer) + L"/ZELVA_Product_Versions";
    // A failed fetch leaves no file, so a module finds none and offers nothing
    // rather than reading a partial list.
    if (work.ok()) update::FetchCabinetEntry(url, kVersionsBlockSize, work.path(), "Versions.ini");
    std::string versions = work.File("Versions.ini");
    for (int slot = 0; work.ok() && slot < ProductModuleCount(); ++slot) {
      ProductModule& module = ProductModuleAt(slot);
      if (module.command != nullptr)
        module.command(kModuleEvaluateVersions, reinterpret_cast<INT_PTR>(versions.c_str()), 0);
    }
  }
  HostLog("\nDone with product updates\n");
}

}  // namespace zelva::host
