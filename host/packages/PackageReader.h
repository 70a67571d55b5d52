// A package (or a plain cabinet inside one) opened for extraction.
#pragma once

#include <string>

#include "Extract.h"

namespace zelva::host {

// Opens its decoder on first use, on the thread that made it, and closes it
// when it goes. Only one decoder may be open per thread: close one reader
// before another is used.
class PackageReader {
 public:
  // enciphered: the package key is set; nested cabinets are plain.
  explicit PackageReader(bool enciphered = true) : enciphered_(enciphered) {}
  ~PackageReader() { Close(); }
  PackageReader(const PackageReader&) = delete;
  PackageReader& operator=(const PackageReader&) = delete;

  // The root entry of that name (case ignored) into folder; false when the
  // package cannot be read or holds no such entry.
  bool ExtractFile(const std::wstring& package, const std::wstring& folder, const std::wstring& name);
  bool ExtractAll(const std::wstring& package, const std::wstring& folder);
  void Close();
  // Of the last extraction; all zero when it ran but found no such entry.
  const Cabinet::ExtractError& error() const { return extract_.GetError(); }

 private:
  bool Open();

  Cabinet::CExtract extract_;
  bool enciphered_;
  bool open_ = false;
};

// The system code page's text as a wide string.
std::wstring Wide(const char* text);
// Wide text in the system code page; characters it lacks become '?'.
std::string Narrow(const std::wstring& text);

}  // namespace zelva::host
