#include "ManualOpening.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "FixedText.h"
#include "LiveryFiles.h"
#include "ModuleContext.h"
#include "SimulatorPaths.h"
#include "WideText.h"

namespace zelva::module {
namespace {

template <typename... Arguments>
void LogDocs(const char* format, Arguments... arguments) {
  std::string line = std::string("\n%s - Documentation: ") + format;
  Log(line.c_str(), Product().shortName, arguments...);
}

void Report(const std::string& text) { AskUser(text.c_str(), "Documentation", MB_OK | MB_ICONERROR); }

bool IsFile(const char* path) {
  DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

bool ManualPath(const manuals::ManualRow& row, char (&path)[kPathChars]) {
  std::string relative = std::string("ZELVA\\") + Product().folderName + "\\" + (row.file != nullptr ? row.file : "");
  return CurrentSimulatorFile(relative.c_str(), path);
}

bool OpenManual(const manuals::ManualRow& row) {
  char path[kPathChars];
  if (!ManualPath(row, path)) {
    LogDocs("No path for %s\n", row.title);
    Report(std::string("The manual \"") + row.title + "\" cannot be opened: no simulator folder is known for it.");
    return false;
  }
  LogDocs("Opening %s\n", path);
  if (!IsFile(path)) {
    LogDocs("%s not found\n", path);
    Report(std::string("The manual \"") + row.title + "\" was not found:\n" + path +
           "\n\nReinstalling the product restores its manuals.");
    return false;
  }
  const HostContext* host = Host();
  if (host == nullptr || host->openPdfExternally != 0) {
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(host != nullptr ? host->mainWindow : nullptr, "open", path, nullptr, nullptr, SW_SHOWDEFAULT));
    if (result > 32) return true;
    LogDocs("Opening failed: %d\n", int(result));
    Report(std::string("The manual \"") + row.title + "\" could not be opened:\n" + path +
           "\n\nInstall a PDF viewer, or open manuals inside ZELVA Hangardesk (Open_PDF_Externally=0).");
    return false;
  }
  std::wstring request = win::WideFromAnsi(path);
  request.push_back(L'\0');
  request += win::WideFromAnsi(row.title);
  CallHost(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()));
  return true;
}

}  // namespace zelva::module
