#include "PackageArchive.h"

#include "PackageKey.h"

namespace zelva::module {
namespace {

constexpr uint32_t kProgressInterval = 200;

INT_PTR SelectByName(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  const wchar_t* wanted = reinterpret_cast<const wchar_t*>(user);
  return CompareStringOrdinal(entry->fileName, -1, wanted, -1, TRUE) == CSTR_EQUAL ? 1 : 0;
}

}  // namespace

std::wstring WideFromAnsi(const char* text) {
  if (text == nullptr || text[0] == '\0') return std::wstring();
  int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(size_t(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  wide.resize(size_t(length) - 1);
  return wide;
}

std::string Utf8FromWide(const wchar_t* text) {
  if (text == nullptr || text[0] == L'\0') return std::string();
  int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string bytes(size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), length, nullptr, nullptr);
  bytes.resize(size_t(length) - 1);
  return bytes;
}

PackageArchive::PackageArchive(const char* packagePath) : path_(WideFromAnsi(packagePath)) {}

PackageArchive::~PackageArchive() { Close(); }

bool PackageArchive::Open() {
  if (!extract_.OpenDecoder()) return false;
  // Also provides the deciphering buffer; running out of memory throws.
  extract_.SetCipherKey(Cabinet::kPackageKeyLength, Cabinet::PackageKey());
  return true;
}

void PackageArchive::Close() { extract_.CloseDecoder(); }

bool PackageArchive::ExtractFile(const char* name, const char* folder) {
  std::wstring wanted = WideFromAnsi(name);
  std::wstring target = WideFromAnsi(folder);
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
