#include "HostProcess.h"

#include <shlobj.h>

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
  CreateDirectoryA(roaming_.c_str(), nullptr);
  // No test reaches the maker's servers: those that check for updates point
  // the configuration at loopback themselves.
  std::string data = dataFolder();
  SHCreateDirectoryExA(nullptr, data.substr(0, data.size() - 1).c_str(), nullptr);
  WriteWholeFile(dataFolder() + "ZELVA Hangardesk.cfg", kNoUpdateChecks);
  CopyFileA(WindowsPathOf(ZELVA_HOST_PATH).c_str(), programPath().c_str(), FALSE);
  CopyFileA(WindowsPathOf(ZELVA_SETTINGS_PATH).c_str(), (program_ / "Settings.dat").c_str(), FALSE);
}

void HostInstallation::AddLibrary(const std::string& builtPath, const std::string& asName) {
  CopyFileA(builtPath.c_str(), (program_ / asName).c_str(), FALSE);
}

HWND WaitForWindow(const char* caption, DWORD process, DWORD timeoutMs) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = FindProcessWindow(caption, process)) != nullptr; }, timeoutMs);
  return window;
}

bool WaitForLog(const HostInstallation& host, const std::string& text, DWORD timeoutMs) {
  return WaitUntil([&] { return host.Log().find(text) != std::string::npos; }, timeoutMs);
}

size_t CountOf(const std::string& text, const std::string& part, size_t from) {
  size_t n = 0;
  for (size_t at = text.find(part, from); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

RECT ScreenRect(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

void Click(HWND dialog, int button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
}

void ChooseProduct(HWND main, int index) {
  HWND list = GetDlgItem(main, 1008);
  SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(1008, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
}

}  // namespace zelva::testing
