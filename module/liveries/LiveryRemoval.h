// The page's "Remove Livery": the confirmation, the rule that keeps the
// ZELVA House livery, and one rewrite for all chosen entries.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ListSelection.h"

namespace zelva::module {

// The question for the chosen liveries (one, two to five, six or more).
std::string RemovalQuestion(const std::vector<ChosenLivery>& chosen);

// Nothing without a variant or a selection; re-reads the list afterwards.
void RemoveSelectedLiveries(int variant, HWND page, HWND list);

}  // namespace zelva::module
