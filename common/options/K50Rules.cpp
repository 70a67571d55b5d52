#include "K50Rules.h"

#include "AircraftOption.h"
#include "OptionValues.h"

namespace zelva::options {
namespace {

constexpr int64_t kLowestReduction = 400;
constexpr int64_t kHighestReduction = 9900;

void SetAirframeKind(const char* key, OptionKind kind) {
  int row = FindOption("Airframe", key);
  if (row >= 0) OptionCatalogue()[row].kind = kind;
}

}  // namespace

const char kThrustReductionMessage[] =
    "\"Default thrust reduction altitude or flaps\" must be entered between 400-9900.";

void AdjustCatalogueForVariant(int variant) {
  bool extendedRange = variant == kK50_300Er;
  SetAirframeKind("APUtoPack", extendedRange ? OptionKind::kHidden : OptionKind::kYesNo);
  SetAirframeKind("TailskidInstalled", extendedRange ? OptionKind::kYesNo : OptionKind::kHidden);
  SetAirframeKind("SatcomAntenna", extendedRange ? OptionKind::kChoice : OptionKind::kHidden);
}

bool IsThrustReductionRow(int row) {
  const AircraftOption* option = OptionAt(row);
  return option != nullptr && EqualsWithoutCase(option->section, "FMS") &&
         EqualsWithoutCase(option->key, "DefaultReductionAlt");
}

bool CheckThrustReduction(std::string& value) {
  if (value == "1" || value == "5" || value == "Flaps 1" || value == "Flaps 5") return true;
  LeadingInteger number = ReadLeadingInteger(value);
  if (number.overflow || number.value < kLowestReduction || number.value > kHighestReduction) return false;
  value = std::to_string((number.value + 5) / 10 * 10);
  return true;
}

}  // namespace zelva::options
