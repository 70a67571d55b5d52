// pack: one cabinet folder per file, as the livery export writes packages.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CabinetWriter.h"
#include "FolderFiles.h"
#include "PackageKey.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

int ReportWriterFailure(const char* step, const Cabinet::CabinetWriter& writer) {
  const ERF& error = writer.GetError();
  std::fprintf(stderr, "zlptool: pack failed at %s\nerror: code %d, system error %d\n", step, error.erfOper,
               error.erfType);
  return kFailed;
}

}  // namespace

int Pack(const Options& options) {
  std::vector<FolderFile> inputs;
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
  for (const FolderFile& input : inputs) {
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
