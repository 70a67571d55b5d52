#include "VariantCodes.h"

namespace zelva::module {
namespace {

struct ShortCode {
  const char* code;
  const char* name;
};

// The codes of the first package format; they name the maker's earlier product line.
const ShortCode kShortCodes[] = {
    {"600", "ZELVA K30-600NVX"},      {"700", "ZELVA K30-700NVX"}, {"700WL", "ZELVA K30-700NVX WL"},
    {"800", "ZELVA K30-800NVX"},      {"800WL", "ZELVA K30-800NVX WL"}, {"900", "ZELVA K30-900NVX"},
    {"900WL", "ZELVA K30-900NVX WL"},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(const char* a, const char* b) {
  for (; *a != '\0' && *b != '\0'; ++a, ++b)
    if (Lower(*a) != Lower(*b)) return false;
  return *a == *b;
}

}  // namespace

const char* VariantNameOfPackage(const char* variant, int fileVersion) {
  if (fileVersion != 0 || variant == nullptr) return variant;
  for (const ShortCode& entry : kShortCodes)
    if (EqualIgnoringCase(variant, entry.code)) return entry.name;
  return variant;
}

}  // namespace zelva::module
