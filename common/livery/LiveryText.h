// Text rules of livery entries: names compared without regard to case,
// descriptions with written-out line breaks.
#pragma once

#include <string>
#include <string_view>

namespace zelva::livery {

// Only A-Z fold to a-z, so "_" sorts before letters as the simulator's own
// files expect.
int CompareWithoutCase(std::string_view a, std::string_view b);
bool EqualWithoutCase(std::string_view a, std::string_view b);

// Whether name contains filter, both folded to lower case; an empty filter
// matches every name.
bool ContainsWithoutCase(std::string_view name, std::string_view filter);

// A description as the page shows it: each backslash-n pair becomes CR LF.
// The result is at most limit characters; a break is never cut in half.
std::string ExpandDescriptionBreaks(std::string_view description, size_t limit);

}  // namespace zelva::livery
