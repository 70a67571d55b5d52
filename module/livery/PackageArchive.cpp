#include "PackageArchive.h"

#include "PackageKey.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr uint32_t kProgressInterval = 200;

INT_PTR SelectByName(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  const wchar_t* wanted = reinterpret_cast<const wchar_t*>(user);
  return CompareStringOrdinal(entry->fileName, -1, wanted, -1, TRUE) == CSTR_EQUAL ? 1 : 0;
}

}  // namespace

PackageArchive::PackageArchive(const char* packagePath) : path_(win::WideFromAnsi(packagePath)) {}

PackageArchive::~PackageArchive() { Close(); }

bool PackageArchive::Open() {
  if (!extract_.OpenDecoder()) return false;
  // Also provides the deciphering buffer; running out of memory throws.
  extract_.SetCipherKey(archive::kPackageKeyLength, archive::PackageKey());
  return true;
}

void PackageArchive::Close() { extract_.CloseDecoder(); }

bool PackageArchive::ExtractFile(const char* name, const char* folder) {
  std::wstring wanted = win::WideFromAnsi(name);
  std::wstring target = win::WideFromAnsi(folder);
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &SelectByName;
  callbacks.progressInterval = kProgressInterval;
  extract_.SetCallbacks(callbacks);
  return extract_.Extract(path_.c_str(), target.c_str(), reinterpret_cast<INT_PTR>(wanted.c_str()));
}

bool PackageArchive::ExtractSelected(const wchar_t* targetFolder, Cabinet::BeforeCopyCallback select, INT_PTR user) {
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = select;
  callbacks.progressInterval = kProgressInterval;
  extract_.SetCallbacks(callbacks);
  return extract_.Extract(path_.c_str(), targetFolder, user);
}

}  // namespace zelva::module
