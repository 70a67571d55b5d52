#include "HostProcess.h"

#include "DialogAnswerer.h"

namespace zelva::testing {
namespace {
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
}

AppDataOverride::AppDataOverride(const std::string& folder) {
  RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
  DWORD size = sizeof(previous_);
  hadPrevious_ =
      RegQueryValueExA(key_, "AppData", nullptr, &type_, reinterpret_cast<BYTE*>(previous_), &size) == ERROR_SUCCESS;
  RegSetValueExA(key_, "AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 DWORD(folder.size() + 1));
}

AppDataOverride::~AppDataOverride() {
  if (hadPrevious_)
    RegSetValueExA(key_, "AppData", 0, type_, reinterpret_cast<const BYTE*>(previous_), DWORD(strlen(previous_) + 1));
  else
    RegDeleteValueA(key_, "AppData");
  RegCloseKey(key_);
}

Process::Process(const std::string& program, const std::string& arguments, const std::string& folder) {
  std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info_))
    info_ = {};
}

Process::~Process() {
  if (!started()) return;
  if (Wait(20000) == STILL_ACTIVE) TerminateProcess(info_.hProcess, 99);
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

DWORD Process::Wait(DWORD timeoutMs) {
  if (!started()) return DWORD(-1);
  WaitForSingleObject(info_.hProcess, timeoutMs);
  DWORD code = DWORD(-1);
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

HostInstallation::HostInstallation() {
  roaming_ = profile_ / "Roaming";
  CreateDirectoryA(roaming_.c_str(), nullptr);
  CopyFileA(WindowsPathOf(ZELVA_HOST_PATH).c_str(), programPath().c_str(), FALSE);
  CopyFileA(WindowsPathOf(ZELVA_SETTINGS_PATH).c_str(), (program_ / "Settings.dat").c_str(), FALSE);
}

void HostInstallation::AddLibrary(const std::string& builtPath, const std::string& asName) {
  CopyFileA(builtPath.c_str(), (program_ / asName).c_str(), FALSE);
}

HWND WaitForMainWindow(DWORD process, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    HWND window = FindProcessWindow("ZELVA Hangardesk", process);
    if (window != nullptr) return window;
    Sleep(50);
  }
  return nullptr;
}

bool WaitForLog(const HostInstallation& host, const std::string& text, DWORD timeoutMs) {
  for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
    if (host.Log().find(text) != std::string::npos) return true;
    Sleep(50);
  }
  return false;
}

}  // namespace zelva::testing
