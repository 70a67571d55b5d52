#include "CabinetEntryFetch.h"

#include <windows.h>

#include "ExtractUrl.h"
#include "WideText.h"

namespace zelva::update {
namespace {

constexpr uint32_t kProgressInterval = 200;

INT_PTR AcceptNamedEntry(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  const wchar_t* wanted = reinterpret_cast<const wchar_t*>(user);
  return entry->fileName != nullptr && lstrcmpiW(entry->fileName, wanted) == 0;
}

}  // namespace

bool FetchCabinetEntry(const std::wstring& url, uint32_t blockSize, const char* folder, const char* name,
                       Cabinet::ExtractError* error) {
  std::string target = std::string(folder != nullptr ? folder : "") + (name != nullptr ? name : "");
  std::wstring wideFolder = win::WideFromAnsi(folder);
  std::wstring wideName = win::WideFromAnsi(name);
  bool extracted = false;
  {
    Cabinet::CExtractUrl reader;
    Cabinet::ExtractCallbacks callbacks = {};
    callbacks.beforeCopy = &AcceptNamedEntry;
    callbacks.progressInterval = kProgressInterval;
    reader.SetCallbacks(callbacks);
    if (!wideFolder.empty() && !wideName.empty() && reader.OpenDecoder()) {
      extracted = reader.OpenUrl(url.c_str(), L"", blockSize) &&
                  reader.Extract(Cabinet::kUrlCabinetPath, wideFolder.c_str(), reinterpret_cast<INT_PTR>(wideName.c_str()));
      reader.CloseDecoder();
    }
    if (error != nullptr) *error = reader.GetError();
  }
  // A cabinet without the entry extracts nothing and still succeeds.
  DWORD attributes = GetFileAttributesA(target.c_str());
  bool present = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (extracted && present) return true;
  if (present) DeleteFileA(target.c_str());
  return false;
}

}  // namespace zelva::update
