// Holds a file open with no sharing, as a running simulator holds a sound:
// prints "held" once it has the file, lets go when its input closes.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("held\n");
  std::fflush(stdout);
  char line[16];
  while (std::fgets(line, sizeof(line), stdin) != nullptr) {
  }
  CloseHandle(file);
  return 0;
}
