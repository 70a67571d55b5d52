// update-list: the "update.cfg" of a release folder, for the maker's server.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FileDigest.h"
#include "FolderFiles.h"
#include "UpdateList.h"
#include "WideText.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

using zelva::update::ListedFile;

// The text digest of a file, read as bytes whatever its name's characters.
bool DigestOf(const std::wstring& path, std::string& hex) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  zelva::crypto::TextModeDigest digest;
  std::vector<uint8_t> chunk(1 << 16);
  DWORD got = 0;
  bool ok = true;
  while ((ok = ReadFile(file, chunk.data(), DWORD(chunk.size()), &got, nullptr) != FALSE) && got > 0)
    digest.Feed(chunk.data(), got);
  CloseHandle(file);
  if (ok) hex = digest.Finish();
  return ok;
}

uint64_t LastWrite(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
}

// The name as the host reads it back: in the system code page, unchanged.
bool NarrowName(const std::wstring& name, std::string& narrow) {
  BOOL lossy = FALSE;
  int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), int(name.size()), nullptr, 0, nullptr,
                                   &lossy);
  if (length <= 0 || lossy) return false;
  narrow.resize(size_t(length));
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, name.c_str(), int(name.size()), narrow.data(), length, nullptr,
                      nullptr);
  return true;
}

int Refuse(const std::wstring& name, const char* why) {
  std::fprintf(stderr, "zlptool: %s: %s\n", Utf8(name).c_str(), why);
  return kFailed;
}

}  // namespace

int UpdateList(const Options& options) {
  // "C:\Release\" on a command line arrives with its closing quote.
  std::wstring argument = options.arguments[0];
  if (!argument.empty() && argument.back() == L'"') argument.pop_back();
  std::wstring folder = FullPath(argument);
  DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    std::fprintf(stderr, "zlptool: no such folder: %s\n", Utf8(options.arguments[0]).c_str());
    return kFailed;
  }
  std::vector<FolderFile> found;
  CollectFolder(folder, L"", found);

  std::vector<ListedFile> listed;
  for (const FolderFile& file : found) {
    // A list kept in the release folder does not list itself.
    if (CompareStringOrdinal(file.name.c_str(), -1, L"update.cfg", -1, TRUE) == CSTR_EQUAL) continue;
    if (!zelva::update::IsSafeListedName(zelva::win::AsUtf16(file.name)))
      return Refuse(file.name, "the list holds relative names of at most 39 characters");
    ListedFile entry;
    if (!NarrowName(file.name, entry.name)) return Refuse(file.name, "the name has characters the host cannot read");
    entry.fileTime = LastWrite(file.path);
    if (entry.fileTime == 0 || !DigestOf(file.path, entry.checksum)) return Refuse(file.name, "cannot be read");
    listed.push_back(entry);
  }
  if (listed.empty()) {
    std::fprintf(stderr, "zlptool: no files in %s\n", Utf8(folder).c_str());
    return kFailed;
  }
  if (listed.size() > size_t(zelva::update::kMaxListedFiles)) {
    std::fprintf(stderr, "zlptool: %zu files; the list holds at most %d\n", listed.size(),
                 zelva::update::kMaxListedFiles);
    return kFailed;
  }
  std::string text = zelva::update::FormatUpdateList(listed);
  // The line ends are the list's own: no translation on the way out.
  _setmode(_fileno(stdout), _O_BINARY);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return kSucceeded;
}

}  // namespace zlptool
