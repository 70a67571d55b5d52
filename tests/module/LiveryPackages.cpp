#include "LiveryPackages.h"

#include <cstring>

#include "CabinetWriter.h"
#include "DialogAnswerer.h"
#include "ModuleResources.h"
#include "PackageKey.h"
#include "TestFolder.h"

namespace zelva::testing {
namespace {

constexpr DWORD kWaitMs = 20000;

void CollectFiles(const std::string& folder, const std::string& prefix, std::map<std::string, std::string>& tree) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[prefix + name + "\\"] = "";
      CollectFiles(folder + name + "\\", prefix + name + "\\", tree);
    } else {
      tree[prefix + name] = ReadWholeFile(folder + name);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

}  // namespace

bool WritePackage(const std::string& workFolder, const std::string& packagePath, const std::vector<PackageEntry>& entries) {
  Cabinet::CabinetWriter writer;
  writer.SetCipherKey(zelva::archive::kPackageKeyLength, zelva::archive::PackageKey());
  if (!writer.Create(packagePath.c_str())) return false;
  int serial = 0;
  for (const PackageEntry& entry : entries) {
    std::string source = workFolder + "entry" + std::to_string(serial++) + ".bin";
    WriteWholeFile(source, entry.content);
    if (!writer.AddFile(source.c_str(), entry.name.c_str()) || !writer.FlushFolder()) return false;
  }
  return writer.FlushCabinet() && writer.Destroy();
}

std::string SettingsText(const std::string& type, int fileVersion, const std::string& aircraft, const std::string& variant,
                         const std::string& extra) {
  return "[Settings]\r\nType=" + type + "\r\nFileVersion=" + std::to_string(fileVersion) + "\r\nAircraft=" + aircraft +
         "\r\nVariant=" + variant + "\r\n" + extra;
}

PackageSummary Summary(const char* type, const char* variant) {
  PackageSummary summary = {};
  std::strncpy(summary.type, type, sizeof(summary.type) - 1);
  std::strncpy(summary.aircraft, "ZELVA K50X", sizeof(summary.aircraft) - 1);
  std::strncpy(summary.variant, variant, sizeof(summary.variant) - 1);
  summary.fileVersion = 1;
  return summary;
}

std::map<std::string, std::string> FileTree(const std::string& folder) {
  std::map<std::string, std::string> tree;
  CollectFiles(folder, "", tree);
  return tree;
}

TextureFolderAnswers::TextureFolderAnswers(std::vector<std::string> names)
    : names_(std::move(names)), thread_([this] { Run(); }) {}

TextureFolderAnswers::~TextureFolderAnswers() {
  if (thread_.joinable()) thread_.join();
}

int TextureFolderAnswers::Wait() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}

void TextureFolderAnswers::Run() {
  for (const std::string& name : names_) {
    HWND dialog = nullptr;
    for (DWORD waited = 0; dialog == nullptr && waited < kWaitMs; waited += 20, Sleep(20))
      dialog = FindProcessWindow("Texture Folder Already Exists");
    if (dialog == nullptr) return;
    char shown[100] = {};
    GetDlgItemTextA(dialog, IDC_TEXTURE_FOLDER_NAME, shown, sizeof(shown));
    shownNames_.push_back(shown);
    SetDlgItemTextA(dialog, IDC_TEXTURE_FOLDER_NAME, name.c_str());
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ++answered_;
    if (_strnicmp(name.c_str(), "texture.", 8) != 0) {
      DialogAnswerer formatting("Formatting Error!", IDOK, kWaitMs);
      if (!formatting.Wait()) return;
      formattingMessages_.push_back(formatting.text());
      // The same dialog stays open for the next name.
      continue;
    }
    for (DWORD waited = 0; IsWindow(dialog) && waited < kWaitMs; waited += 20) Sleep(20);
  }
}

}  // namespace zelva::testing
