#include "HostProcess.h"

#include <shlobj.h>

#include "DialogAnswerer.h"
#include "SecondStarts.h"

namespace zelva::testing {
namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// Far longer than any start takes; a child still silent then is left to the test's own waits.
constexpr DWORD kSignOfLifeMs = 60000;
constexpr int kCloseButton = 1004;

// The log of the host at that path, where it keeps it for the user it starts
// as; empty for other programs.
std::string HostLogPathFor(const std::string& program) {
  const size_t slash = program.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
  if (lstrcmpiA(name.c_str(), "ZELVA Hangardesk.exe") != 0) return "";
  char appData[MAX_PATH];
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData))) return "";
  return std::string(appData) + "\\ZELVA\\ZELVA Hangardesk\\ZELVA Hangardesk.log";
}

// What a file looked like, read without opening it: the host deletes its log
// at every start, which an open handle could refuse.
struct FileMark {
  bool exists = false;
  ULONGLONG size = 0;
  ULONGLONG written = 0;
  bool operator!=(const FileMark& other) const {
    return exists != other.exists || size != other.size || written != other.written;
  }
};

FileMark MarkOf(const std::string& path) {
  FileMark mark;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (path.empty() || !GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return mark;
  mark.exists = true;
  mark.size = ULONGLONG(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  mark.written = ULONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime;
  return mark;
}

bool HasWindow(DWORD process) {
  struct Search {
    DWORD process;
    bool found;
  } search{process, false};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        s->found = owner == s->process;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Watches a started child until its log changes or it has a window (true),
// or it ends without either (false, with its exit code).
bool ShowsLife(HANDLE child, DWORD id, const std::string& log, const FileMark& before, DWORD& code) {
  const ULONGLONG deadline = GetTickCount64() + kSignOfLifeMs;
  while (GetTickCount64() < deadline) {
    if (MarkOf(log) != before || HasWindow(id)) return true;
    if (WaitForSingleObject(child, 20) == WAIT_OBJECT_0) {
      // A line may have come just before the end.
      if (MarkOf(log) != before) return true;
      GetExitCodeProcess(child, &code);
      return false;
    }
  }
  return true;
}

// Every program a test starts ends with the test. A test that runs out of
// time is killed by the runner without unwinding; a host it left running
// would hold the single-instance mutex and its window, and fail every host
// test after it.
HANDLE EndsWithThisTest() {
  static const win::KernelHandle job = [] {
    win::KernelHandle created(CreateJobObjectA(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (created && !SetInformationJobObject(created.get(), JobObjectExtendedLimitInformation, &limits, sizeof(limits)))
      created.reset();
    return created;
  }();
  return job.get();
}

}  // namespace

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
  const std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
  const std::string log = HostLogPathFor(program);
  const FileMark before = MarkOf(log);
  if (!Start(commandLine, folder)) {
    RecordSecondStart(commandLine + " could not be created (error " + std::to_string(GetLastError()) + ")");
    Start(commandLine, folder);
    return;
  }
  if (log.empty()) return;  // no sign of life is known for other programs
  DWORD code = 0;
  if (ShowsLife(process_.get(), id_, log, before, code)) return;
  RecordSecondStart(commandLine + " ended with code " + std::to_string(code) + ", no window and no log line");
  Start(commandLine, folder);
}

bool Process::Start(const std::string& commandLine, const std::string& folder) {
  process_.reset();
  id_ = 0;
  std::string line = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &info))
    return false;
  // Placed before it runs, so whatever it starts belongs to the job too.
  if (EndsWithThisTest() != nullptr) AssignProcessToJobObject(EndsWithThisTest(), info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
  return true;
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

void CloseHost(HWND main, const HostInstallation& host, DWORD timeoutMs) {
  DWORD process = 0;
  GetWindowThreadProcessId(main, &process);
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  do {
    WaitUntil([&] { return FindProcessWindow("Working", process) == nullptr; }, timeoutMs);
    const size_t refused = CountOf(host.Log(), "Close refused");
    // Sent, not posted: the refusal is in the log when it returns.
    SendMessageA(main, WM_COMMAND, MAKEWPARAM(kCloseButton, BN_CLICKED), 0);
    if (CountOf(host.Log(), "Close refused") == refused) return;
  } while (GetTickCount64() < deadline);
}

}  // namespace zelva::testing
