// Small pieces both package installations share.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

constexpr char kSettingsFile[] = "Settings.dat";
constexpr char kSettingsSection[] = "Settings";

// A profile value into a fixed buffer; longer values are cut, as the
// profile functions cut them.
template <size_t N>
void ReadProfileText(const char* path, const char* section, const char* key, const char* fallback, char (&value)[N]) {
  GetPrivateProfileStringA(section, key, fallback, value, DWORD(N), path);
}

// Index of the variant with that name (case ignored, whole name), or -1.
int FindVariantIndex(const char* name);

// A text field of a record from elsewhere, which need not be terminated.
template <size_t N, size_t M>
void CopyField(char (&destination)[N], const char (&source)[M]) {
  static_assert(N > 0);
  size_t length = strnlen(source, M);
  if (length >= N) length = N - 1;
  std::memcpy(destination, source, length);
  destination[length] = '\0';
}

}  // namespace zelva::module
