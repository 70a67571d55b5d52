// pack: one cabinet folder per file, as the livery export writes packages.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CabinetWriter.h"
#include "Handles.h"
#include "PackageKey.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

struct Input {
  std::wstring path;
  std::wstring name;  // inside the cabinet
};

bool LessIgnoringCase(const std::wstring& a, const std::wstring& b) {
  return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_LESS_THAN;
}

// Files below folder in name order, with names relative to the top folder.
void CollectFolder(const std::wstring& folder, const std::wstring& prefix, std::vector<Input>& inputs) {
  WIN32_FIND_DATAW entry;
  zelva::win::FileSearch search((folder + L"\\*").c_str(), entry);
  if (!search.found()) return;
  std::vector<std::wstring> files, folders;
  do {
    std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? folders : files).push_back(name);
  } while (search.Next(entry));
  std::sort(files.begin(), files.end(), LessIgnoringCase);
  std::sort(folders.begin(), folders.end(), LessIgnoringCase);
  for (const std::wstring& name : files) inputs.push_back({folder + L"\\" + name, prefix + name});
  for (const std::wstring& name : folders) CollectFolder(folder + L"\\" + name, prefix + name + L"\\", inputs);
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 2, full, nullptr);
  std::wstring result = length > 0 && length < MAX_PATH * 2 ? std::wstring(full) : path;
  while (result.size() > 3 && (result.back() == L'\\' || result.back() == L'/')) result.pop_back();
  return result;
}

int ReportWriterFailure(const char* step, const Cabinet::CabinetWriter& writer) {
  const ERF& error = writer.GetError();
  std::fprintf(stderr, "zlptool: pack failed at %s\nerror: code %d, system error %d\n", step, error.erfOper,
               error.erfType);
  return kFailed;
}

}  // namespace

int Pack(const Options& options) {
  std::vector<Input> inputs;
  for (size_t i = 1; i < options.arguments.size(); ++i) {
    std::wstring path = FullPath(options.arguments[i]);
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      std::fprintf(stderr, "zlptool: no such file or folder: %s\n", Utf8(options.arguments[i]).c_str());
      return kFailed;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      CollectFolder(path, L"", inputs);
    } else {
      inputs.push_back({path, path.substr(path.find_last_of(L"\\/") + 1)});
    }
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "zlptool: nothing to pack\n");
    return kFailed;
  }
  Cabinet::CabinetWriter writer;
  if (!options.plain) writer.SetCipherKey(zelva::archive::kPackageKeyLength, zelva::archive::PackageKey());
  if (!writer.Create(FullPath(options.arguments[0]).c_str())) return ReportWriterFailure("create", writer);
  for (const Input& input : inputs) {
    if (!writer.AddFile(input.path.c_str(), input.name.c_str())) {
      std::fprintf(stderr, "zlptool: cannot add %s\n", Utf8(input.path).c_str());
      return ReportWriterFailure("add", writer);
    }
    if (!writer.FlushFolder()) return ReportWriterFailure("folder", writer);
  }
  if (!writer.FlushCabinet()) return ReportWriterFailure("cabinet", writer);
  writer.Destroy();
  std::printf("%zu files packed%s\n", inputs.size(), options.plain ? " (plain)" : "");
  return kSucceeded;
}

}  // namespace zlptool
