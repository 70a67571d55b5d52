// A stand-in for the maker's updater programs, for the tests and the demo: it
// records how it was started and, as a product updater does, may raise the
// installed version in the registry.
//
//   ZELVA_UPDATER_RECORD       file to append "<own name>|<arguments>" to
//                              (default: "StandInUpdater.log" beside itself)
//   ZELVA_UPDATER_SET_VERSION  "KEY=VERSION": DisplayVersion under
//                              HKLM\KEY (32-bit view), unless started by the
//                              host with "-FromHangardesk"
//   ZELVA_UPDATER_SHOW         non-empty: shows what it did in a message box
#include <windows.h>

#include <string>

namespace {

std::string Environment(const char* name) {
  char value[1024] = {};
  DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
  return length > 0 && length < sizeof(value) ? std::string(value, length) : std::string();
}

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof(path));
  return path;
}

// The command line without the program's own name.
std::string Arguments() {
  const char* line = GetCommandLineA();
  bool quoted = false;
  for (; *line != '\0'; ++line) {
    if (*line == '"') quoted = !quoted;
    if (*line == ' ' && !quoted) break;
  }
  while (*line == ' ') ++line;
  return line;
}

void Record(const std::string& path, const std::string& line) {
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
  CloseHandle(file);
}

bool SetVersion(const std::string& instruction) {
  size_t equals = instruction.find('=');
  if (equals == std::string::npos) return false;
  std::string key = instruction.substr(0, equals), version = instruction.substr(equals + 1);
  HKEY opened = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr,
                      &opened, nullptr) != ERROR_SUCCESS)
    return false;
  bool set = RegSetValueExA(opened, "DisplayVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                            DWORD(version.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(opened);
  return set;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string self = OwnPath();
  std::string name = self.substr(self.find_last_of('\\') + 1);
  std::string arguments = Arguments();
  std::string record = Environment("ZELVA_UPDATER_RECORD");
  if (record.empty()) record = self.substr(0, self.find_last_of('\\') + 1) + "StandInUpdater.log";
  Record(record, name + "|" + arguments + "\r\n");

  std::string report = "Started as " + name + (arguments.empty() ? "" : " " + arguments) + ".";
  std::string version = Environment("ZELVA_UPDATER_SET_VERSION");
  if (!version.empty() && arguments.find("-FromHangardesk") == std::string::npos)
    report += SetVersion(version) ? "\n\nInstalled version set: " + version : "\n\nCould not set " + version;
  if (!Environment("ZELVA_UPDATER_SHOW").empty())
    MessageBoxA(nullptr, report.c_str(), "ZELVA stand-in updater", MB_OK | MB_ICONINFORMATION);
  return 0;
}
