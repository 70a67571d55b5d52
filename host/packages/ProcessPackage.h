// One package file, dispatched by its type.
#pragma once

#include <cstdint>

namespace zelva::host {

struct PackageOptions {
  bool checkProduct;  // refuse liveries of another product's aircraft (file dialog of a product page)
};

// 0 done or nothing to do, -2 failed (host error text set, or left empty by
// a module that told the user itself), -3 cancelled, -4 unknown type; other
// values come from the modules unchanged.
int32_t ProcessPackage(const char* packagePath, const PackageOptions& options);

}  // namespace zelva::host
