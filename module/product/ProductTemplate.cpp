#include "ProductTemplate.h"

#include <cstring>

#include "FixedText.h"

namespace zelva::module {
namespace {

// Variant names double as their folder names below "SimObjects\Airplanes\".
const char* const kVariantNames[] = {"ZELVA K50-200LR", "ZELVA K50F", "ZELVA K50-300ER"};

struct ExpansionTemplate {
  const char* fullName;
  const char* shortName;
  const char* guid;
};
const ExpansionTemplate kExpansions[] = {
    {"ZELVA K50-300ER FSX", "ZELVA K50-300ER", "{9B27D4C1-3E85-4A0F-B6D2-7C41E8A05F39}"},
};

}  // namespace

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

void FillProductTables(ProductInfo& info) {
  std::memset(info.variants, 0, sizeof(info.variants));
  std::memset(info.expansions, 0, sizeof(info.expansions));
  static_assert(sizeof(kVariantNames) / sizeof(kVariantNames[0]) <= kMaxVariants);
  static_assert(sizeof(kExpansions) / sizeof(kExpansions[0]) <= kMaxExpansions);

  info.variantCount = 0;
  for (const char* name : kVariantNames) {
    VariantEntry& variant = info.variants[info.variantCount++];
    variant.name = name;
    variant.folderName = name;
    variant.offered = 1;
  }
  info.expansionCount = 0;
  for (const ExpansionTemplate& source : kExpansions) {
    ExpansionEntry& expansion = info.expansions[info.expansionCount++];
    expansion.fullName = source.fullName;
    expansion.shortName = source.shortName;
    expansion.uninstallGuid = source.guid;
    expansion.offered = 1;
  }
}

}  // namespace zelva::module
