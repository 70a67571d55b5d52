#include "ProductTemplate.h"

#include <cstring>

#include "FixedText.h"

namespace zelva::module {

void FillProductTemplate(ProductInfo& info) {
  std::memset(&info, 0, sizeof(info));
  text::CopyBounded(info.displayName, "ZELVA K50 - FSX");
  text::CopyBounded(info.shortName, kShortName);
  text::CopyBounded(info.folderName, "ZELVA K50X");
  text::CopyBounded(info.packageAircraftName, "ZELVA K50X");
  info.productCode[0] = 1;
  info.productCode[1] = 17;
  info.simulator = kSimulatorFsx;
}

}  // namespace zelva::module
