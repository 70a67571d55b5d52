// A package's description file "Settings.dat", read through the profile functions.
#pragma once

#include <cstddef>
#include <string>

namespace zelva::host {

constexpr char kPackageSettingsFile[] = "Settings.dat";

class PackageSettings {
 public:
  explicit PackageSettings(std::string path) : path_(std::move(path)) {}
  // Working folders are reused, so the next package's file will have this
  // same path and may carry the same stored time: the profile cache must
  // not answer for it.
  ~PackageSettings();
  PackageSettings(const PackageSettings&) = delete;
  PackageSettings& operator=(const PackageSettings&) = delete;

  void Text(const char* section, const char* key, const char* fallback, char* output, size_t capacity) const;
  template <size_t N>
  void Text(const char* section, const char* key, const char* fallback, char (&output)[N]) const {
    Text(section, key, fallback, output, N);
  }
  std::wstring WideText(const char* section, const char* key, size_t capacity) const;
  int Integer(const char* section, const char* key, int fallback) const;

 private:
  std::string path_;
};

}  // namespace zelva::host
