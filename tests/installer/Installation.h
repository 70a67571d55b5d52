// What a Windows Installer package leaves on the machine, seen as the user's
// system sees it: files, the Start menu, the registry, the uninstall entries.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelva::testing {

// Runs msiexec with the arguments, silently, with a verbose log; its exit code.
DWORD Msiexec(const std::string& arguments, const std::string& logPath);

// "C:\Program Files\ZELVA Hangardesk\" of this (64-bit) process.
std::string InstalledFolder();
// The data folder the program keeps in the user's roaming profile.
std::string UserDataFolder();

// The program's Start-menu shortcut (the machine's or the user's menu), or "".
std::string FindStartMenuShortcut();
std::string ShortcutTarget(const std::string& shortcut);

bool KeyExists(HKEY root, const char* path);
// The key's default value, or "" when there is none.
std::string DefaultValue(HKEY root, const char* path);

struct UninstallEntry {
  std::string key, version, publisher, helpLink;
};
// Every uninstall entry named "ZELVA Hangardesk", in both registry views.
std::vector<UninstallEntry> UninstallEntries();
// The icon the installer published for the product ("Apps & features" shows it), or "".
std::string ProductIcon(const std::string& productCode);

// The first visible top-level window of any process with the caption.
HWND WaitForAnyWindow(const char* caption, DWORD timeoutMs = 60000);
// The text of a control in another process's window, by its id.
std::string ControlText(HWND window, int controlId);
// Presses the main window's close button and waits for its process to end; its exit code.
DWORD CloseHost(HWND main);

}  // namespace zelva::testing
