// The display names an aircraft.cfg holds, wherever its entries stand.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelva::livery {

// The ui_variation of every "[fltsim.*]" section of the text, as the profile
// functions read it, gaps in the numbering and sections out of order
// included; sections without one give nothing.
std::vector<std::string> DisplayNamesOfAllEntries(std::string_view cfgText);

}  // namespace zelva::livery
