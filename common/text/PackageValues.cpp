#include "PackageValues.h"

#include <cstring>

namespace zelva::text {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool HasControlCharacter(const char* value) {
  for (const char* p = value; *p != '\0'; ++p)
    if (static_cast<unsigned char>(*p) < 0x20) return true;
  return false;
}

// Every component between separators, from begin to end, is a usable name.
// Empty components (doubled separators) name nothing and may be allowed.
bool ComponentsAreNames(const char* begin, const char* end, bool allowEmpty) {
  const char* start = begin;
  for (const char* p = begin;; ++p) {
    if (p == end || IsSeparator(*p)) {
      size_t length = size_t(p - start);
      if (length == 0 && !allowEmpty) return false;
      if (length == 1 && start[0] == '.') return false;
      if (length == 2 && start[0] == '.' && start[1] == '.') return false;
      if (p == end) return true;
      start = p + 1;
    } else if (*p == ':') {
      return false;
    }
  }
}

}  // namespace

bool IsSafeName(const char* value) {
  if (value == nullptr || value[0] == '\0' || HasControlCharacter(value)) return false;
  if (std::strpbrk(value, "\\/:") != nullptr) return false;
  return std::strcmp(value, ".") != 0 && std::strcmp(value, "..") != 0;
}

bool IsSafeRelativePath(const char* value) {
  if (value == nullptr || value[0] == '\0' || HasControlCharacter(value)) return false;
  return ComponentsAreNames(value, value + std::strlen(value), false);
}

bool IsSafeAbsolutePath(const char* value) {
  if (value == nullptr || HasControlCharacter(value)) return false;
  size_t length = std::strlen(value);
  const char* rest = nullptr;
  bool drive = length >= 3 && ((value[0] | 0x20) >= 'a' && (value[0] | 0x20) <= 'z') && value[1] == ':' &&
               IsSeparator(value[2]);
  if (drive) {
    rest = value + 3;
  } else if (length >= 2 && IsSeparator(value[0]) && IsSeparator(value[1])) {
    rest = value + 2;
  } else {
    return false;
  }
  const char* end = value + length;
  // A trailing separator names the folder itself.
  if (end > rest && IsSeparator(end[-1])) --end;
  if (end == rest) return drive;
  // "$(FSXPath)\Gauges" expands with a doubled separator, which the file
  // system reads as one; packages written that way must keep working.
  if (!drive && IsSeparator(*rest)) return false;
  return ComponentsAreNames(rest, end, true);
}

}  // namespace zelva::text
