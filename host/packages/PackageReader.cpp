#include "PackageReader.h"

#include "PackageKey.h"
#include "WideText.h"

namespace zelva::host {
namespace {

constexpr uint32_t kProgressIntervalMs = 200;

struct WantedEntry {
  const std::wstring* name;
  int found;
};

INT_PTR AcceptWanted(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  auto* wanted = reinterpret_cast<WantedEntry*>(user);
  return lstrcmpiW(entry->relativePath, wanted->name->c_str()) == 0 ? 1 : 0;
}

void CountExtracted(const wchar_t*, Cabinet::CabMemoryFile*, INT_PTR user) { ++reinterpret_cast<WantedEntry*>(user)->found; }

}  // namespace

std::wstring Wide(const char* text) { return win::WideFromBytes(text != nullptr ? text : "", CP_ACP); }
std::string Narrow(const std::wstring& text) { return win::BytesFromWide(text, CP_ACP); }

bool PackageReader::Open() {
  if (open_) return true;
  if (!extract_.OpenDecoder()) return false;
  if (enciphered_) extract_.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
  open_ = true;
  return true;
}

void PackageReader::Close() {
  if (open_) extract_.CloseDecoder();
  open_ = false;
}

bool PackageReader::ExtractFile(const std::wstring& package, const std::wstring& folder, const std::wstring& name) {
  if (!Open()) return false;
  WantedEntry wanted = {&name, 0};
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &AcceptWanted;
  callbacks.afterCopy = &CountExtracted;
  callbacks.progressInterval = kProgressIntervalMs;
  extract_.SetCallbacks(callbacks);
  bool extracted = extract_.Extract(package.c_str(), folder.c_str(), reinterpret_cast<INT_PTR>(&wanted));
  return extracted && wanted.found > 0;
}

bool PackageReader::ExtractAll(const std::wstring& package, const std::wstring& folder) {
  if (!Open()) return false;
  extract_.SetCallbacks(Cabinet::ExtractCallbacks{});
  return extract_.Extract(package.c_str(), folder.c_str(), 0);
}

}  // namespace zelva::host
