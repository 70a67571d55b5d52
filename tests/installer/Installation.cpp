#include "Installation.h"

#include <msi.h>
#include <shlobj.h>

#include "HostProcess.h"

namespace zelva::testing {
namespace {

const char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr int kCloseButton = 1004;

std::string Folder(int csidl) {
  char path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return "";
  return std::string(path) + "\\";
}

std::string StringValue(HKEY key, const char* name) {
  char value[1024] = {};
  DWORD size = sizeof(value) - 1, type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return "";
  return value;
}

void CollectEntries(REGSAM view, std::vector<UninstallEntry>& entries) {
  HKEY uninstall;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | view, &uninstall) != ERROR_SUCCESS) return;
  char name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = sizeof(name);
    if (RegEnumKeyExA(uninstall, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY entry;
    if (RegOpenKeyExA(uninstall, name, 0, KEY_READ | view, &entry) != ERROR_SUCCESS) continue;
    if (StringValue(entry, "DisplayName") == "ZELVA Hangardesk")
      entries.push_back({name, StringValue(entry, "DisplayVersion"), StringValue(entry, "Publisher"),
                         StringValue(entry, "HelpLink")});
    RegCloseKey(entry);
  }
  RegCloseKey(uninstall);
}

}  // namespace

DWORD Msiexec(const std::string& arguments, const std::string& logPath) {
  std::string commandLine = "msiexec.exe " + arguments + " /qn /l*v \"" + logPath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return DWORD(-1);
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(process.hProcess, 180000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

std::string InstalledFolder() { return Folder(CSIDL_PROGRAM_FILES) + "ZELVA Hangardesk\\"; }

std::string UserDataFolder() { return Folder(CSIDL_APPDATA) + "ZELVA\\ZELVA Hangardesk\\"; }

std::string FindStartMenuShortcut() {
  for (int csidl : {CSIDL_COMMON_PROGRAMS, CSIDL_PROGRAMS}) {
    std::string path = Folder(csidl) + "ZELVA Hangardesk.lnk";
    if (Exists(path)) return path;
  }
  return "";
}

std::string ShortcutTarget(const std::string& shortcut) {
  std::string target;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      std::wstring wide(shortcut.begin(), shortcut.end());
      char path[MAX_PATH] = {};
      if (SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) && SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0)))
        target = path;
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

bool KeyExists(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string DefaultValue(HKEY root, const char* path) {
  HKEY key;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  std::string value = StringValue(key, nullptr);
  RegCloseKey(key);
  return value;
}

std::vector<UninstallEntry> UninstallEntries() {
  std::vector<UninstallEntry> entries;
  CollectEntries(KEY_WOW64_64KEY, entries);
  CollectEntries(KEY_WOW64_32KEY, entries);
  return entries;
}

std::string ProductIcon(const std::string& productCode) {
  char icon[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (MsiGetProductInfoA(productCode.c_str(), INSTALLPROPERTY_PRODUCTICON, icon, &size) != ERROR_SUCCESS) return "";
  return icon;
}

HWND WaitForAnyWindow(const char* caption, DWORD timeoutMs) {
  HWND window = nullptr;
  WaitUntil(
      [&] {
        window = FindWindowA(nullptr, caption);
        return window != nullptr && IsWindowVisible(window);
      },
      timeoutMs);
  return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

std::string ControlText(HWND window, int controlId) {
  struct Search {
    int id;
    HWND found;
  } search{controlId, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        if (GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) return "";
  // WM_GETTEXT, unlike GetWindowText, reads a control of another process.
  char text[512] = {};
  SendMessageA(search.found, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
  return text;
}

DWORD CloseHost(HWND main) {
  DWORD id = 0;
  GetWindowThreadProcessId(main, &id);
  HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) return DWORD(-1);
  SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCloseButton, BN_CLICKED), 0);
  DWORD code = DWORD(-1);
  if (WaitForSingleObject(process, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
  CloseHandle(process);
  return code;
}

}  // namespace zelva::testing
