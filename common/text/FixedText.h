// Bounded copies into the fixed text arrays of the shared records.
#pragma once

#include <cstddef>
#include <cstring>

namespace zelva::text {

// Copies at most capacity-1 bytes and always terminates; returns false when
// the source was cut.
inline bool CopyBounded(char* destination, size_t capacity, const char* source) {
  if (capacity == 0) return false;
  if (source == nullptr) source = "";
  size_t length = std::strlen(source);
  bool fits = length < capacity;
  if (!fits) length = capacity - 1;
  std::memmove(destination, source, length);
  destination[length] = '\0';
  return fits;
}

template <size_t N>
inline bool CopyBounded(char (&destination)[N], const char* source) {
  return CopyBounded(destination, N, source);
}

// Appends source behind the text already in destination, within capacity.
template <size_t N>
inline bool AppendBounded(char (&destination)[N], const char* source) {
  size_t used = strnlen(destination, N - 1);
  return CopyBounded(destination + used, N - used, source);
}

}  // namespace zelva::text
