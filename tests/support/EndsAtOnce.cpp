// Stands in for a program that Wine fails to start: no window, no log line,
// no output, a failure status. Notes each start in the file named first on
// its command line; with "loud" after it, it says so on its standard output.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  char path[MAX_PATH] = {};
  const bool quoted = commandLine[0] == '"';
  lstrcpynA(path, commandLine + (quoted ? 1 : 0), MAX_PATH);
  char* end = std::strchr(path, quoted ? '"' : ' ');
  if (end != nullptr) *end = '\0';
  HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, "x", 1, &written, nullptr);
    CloseHandle(file);
  }
  if (std::strstr(commandLine, " loud") != nullptr) std::puts("started, and failing");
  return 3;
}
