#include "HostProcess.h"

#include "DialogAnswerer.h"

namespace zelva::testing {
namespace {
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
}

AppDataOverride::AppDataOverride(const std::string& folder) {
  RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, key_.receive(),
                  nullptr);
  hadPrevious_ = RegQueryValueExA(key_.get(), "AppData", nullptr, &type_, nullptr, nullptr) == ERROR_SUCCESS &&
                 win::ReadRegistryString(key_.get(), "AppData", previous_) == ERROR_SUCCESS;
  RegSetValueExA(key_.get(), "AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 DWORD(folder.size() + 1));
}

AppDataOverride::~AppDataOverride() {
  if (hadPrevious_)
    RegSetValueExA(key_.get(), "AppData", 0, type_, reinterpret_cast<const BYTE*>(previous_),
                   DWORD(strlen(previous_) + 1));
  else
    RegDeleteValueA(key_.get(), "AppData");
}

Process::Process(const std::string& program, const std::string& arguments, const std::string& folder) {
  std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return;
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

Process::~Process() {
  if (!started()) return;
  if (Wait(20000) == STILL_ACTIVE) TerminateProcess(process_.get(), 99);
}

DWORD Process::Wait(DWORD timeoutMs) {
  if (!started()) return DWORD(-1);
  WaitForSingleObject(process_.get(), timeoutMs);
  DWORD code = DWORD(-1);
  GetExitCodeProcess(process_.get(), &code);
  return code;
}

HostInstallation::HostInstallation() {
  CreateDirectoryA(roaming_.c_str(), nullptr);
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
