// The K50's own rules over its options: which rows exist on which variant,
// and the check of the thrust-reduction setting.
#pragma once

#include <string>

namespace zelva::options {

// Variant indexes in product order.
constexpr int kK50_200Lr = 0;
constexpr int kK50F = 1;
constexpr int kK50_300Er = 2;

// The K50-300ER has the APU-to-pack option built in and alone carries the
// tail skid and the satcom antenna: those rows are shown or hidden to match.
void AdjustCatalogueForVariant(int variant);

// Whether the row is the thrust-reduction setting (FMS, DefaultReductionAlt).
bool IsThrustReductionRow(int row);

extern const char kThrustReductionMessage[];

// "1", "5", "Flaps 1" and "Flaps 5" pass as they are; any other text is read
// as a leading number that must lie within 400 to 9900 and is rewritten
// rounded to the nearest 10 (a remainder of 5 rounds up). False: rejected,
// value unchanged.
bool CheckThrustReduction(std::string& value);

}  // namespace zelva::options
