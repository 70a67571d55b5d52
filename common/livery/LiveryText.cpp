#include "LiveryText.h"

namespace zelva::livery {
namespace {

char Fold(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

int CompareWithoutCase(std::string_view a, std::string_view b) {
  size_t length = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < length; ++i) {
    unsigned char x = static_cast<unsigned char>(Fold(a[i]));
    unsigned char y = static_cast<unsigned char>(Fold(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualWithoutCase(std::string_view a, std::string_view b) { return CompareWithoutCase(a, b) == 0; }

bool ContainsWithoutCase(std::string_view name, std::string_view filter) {
  if (filter.size() > name.size()) return false;
  for (size_t start = 0; start + filter.size() <= name.size(); ++start) {
    if (EqualWithoutCase(name.substr(start, filter.size()), filter)) return true;
  }
  return false;
}

std::string ExpandDescriptionBreaks(std::string_view description, size_t limit) {
  std::string shown;
  for (size_t i = 0; i < description.size(); ++i) {
    bool lineBreak = description[i] == '\\' && i + 1 < description.size() && description[i + 1] == 'n';
    size_t width = lineBreak ? 2 : 1;
    if (shown.size() + width > limit) break;
    if (lineBreak) {
      shown.append("\r\n");
      ++i;
    } else {
      shown.push_back(description[i]);
    }
  }
  return shown;
}

}  // namespace zelva::livery
