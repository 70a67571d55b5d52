// Command line of zlptool.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>

#include "ArchiveLog.h"
#include "WideText.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

const char kHelp[] =
    "Usage: zlptool COMMAND ...\n"
    "\n"
    "  list PACKAGE                      names, sizes, DOS times, attributes, enciphered or not\n"
    "  extract PACKAGE FOLDER [NAME...]  extract every entry, or the named ones, into FOLDER\n"
    "  pack OUTPUT FILE-OR-FOLDER... [--plain]\n"
    "                                    write a package, one cabinet folder per file; a folder\n"
    "                                    is added with names relative to it; enciphered with\n"
    "                                    the package key unless --plain\n"
    "  verify PACKAGE...                 read every entry to its end, report the first error;\n"
    "                                    with several packages one line each, named\n"
    "  update-list FOLDER                print the update.cfg of a release folder: per file its\n"
    "                                    last-write time, relative name and text digest\n"
    "  catalogue FOLDER                  write FOLDER\\Liveries.ini, the download catalogue of the\n"
    "                                    livery packages in FOLDER (each \"NAME - Config.zlp\"\n"
    "                                    beside a livery gives its settings revision)\n"
    "\n"
    "PACKAGE may be an http://, https:// or ftp:// URL:\n"
    "  --block N   read it in place in blocks of N bytes (default 40000); 0 downloads it whole\n"
    "  --stats     print the requests made and bytes received\n"
    "\n"
    "Exit code 0 on success, 1 for a usage error, 2 when the operation failed (the error\n"
    "triple is printed: code, system error, HTTP status).\n";

void __cdecl LogToStderr(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  char line[1024];
  std::vsnprintf(line, sizeof(line), format, arguments);
  va_end(arguments);
  const char* text = line;
  while (*text == '\n' || *text == '\t') ++text;
  std::fprintf(stderr, "zlptool: %s\n", text);
}

}  // namespace

std::string Utf8(const std::wstring& text) { return zelva::win::BytesFromWide(text, CP_UTF8); }

}  // namespace zlptool

int wmain(int argc, wchar_t** argv) {
  using namespace zlptool;
  zelva::archive::SetLogFunction(&LogToStderr);
  Options options;
  std::wstring command;
  for (int i = 1; i < argc; ++i) {
    std::wstring argument = argv[i];
    if (argument == L"--help" || argument == L"-h" || argument == L"/?") {
      std::fputs(kHelp, stdout);
      return kSucceeded;
    }
    if (argument == L"--plain") {
      options.plain = true;
    } else if (argument == L"--stats") {
      options.stats = true;
    } else if (argument == L"--block" && i + 1 < argc) {
      options.blockSize = unsigned(std::wcstoul(argv[++i], nullptr, 10));
    } else if (command.empty()) {
      command = argument;
    } else {
      options.arguments.push_back(argument);
    }
  }
  if (command == L"list" && options.arguments.size() == 1) return List(options);
  if (command == L"extract" && options.arguments.size() >= 2) return Extract(options);
  if (command == L"verify" && !options.arguments.empty()) return Verify(options);
  if (command == L"pack" && options.arguments.size() >= 2) return Pack(options);
  if (command == L"update-list" && options.arguments.size() == 1) return UpdateList(options);
  if (command == L"catalogue" && options.arguments.size() == 1) return Catalogue(options);
  std::fputs(kHelp, stderr);
  return kUsage;
}
