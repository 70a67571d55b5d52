// Text rules of livery entries: names compared without regard to case, the
// key strings of a section, descriptions with written-out line breaks.
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

// Calls visit with every non-empty key string; strings end at a NUL, CR or LF.
template <typename Visit>
void ForEachKeyString(std::string_view strings, Visit visit) {
  size_t start = 0;
  for (size_t i = 0; i <= strings.size(); ++i) {
    if (i == strings.size() || strings[i] == '\0' || strings[i] == '\r' || strings[i] == '\n') {
      if (i > start) visit(strings.substr(start, i - start));
      start = i + 1;
    }
  }
}

// A description as the page shows it: each backslash-n pair becomes CR LF.
// The result is at most limit characters; a break is never cut in half.
std::string ExpandDescriptionBreaks(std::string_view description, size_t limit);

}  // namespace zelva::livery
