// list, extract and verify.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "ArchiveCodes.h"
#include "PackageSource.h"
#include "ZlpTool.h"

namespace zlptool {
namespace {

struct Listing {
  std::vector<std::wstring> names;
  std::vector<uint32_t> sizes;
  std::vector<FILETIME> times;
  std::vector<uint16_t> attributes;
};

INT_PTR CollectEntry(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  Listing& listing = *reinterpret_cast<Listing*>(user);
  listing.names.push_back(entry->relativePath);
  listing.sizes.push_back(entry->size);
  listing.times.push_back(entry->modified);
  listing.attributes.push_back(entry->attributes);
  return 0;
}

std::string AttributeText(uint16_t attributes) {
  std::string text = "-----";
  if (attributes & FILE_ATTRIBUTE_READONLY) text[0] = 'R';
  if (attributes & FILE_ATTRIBUTE_HIDDEN) text[1] = 'H';
  if (attributes & FILE_ATTRIBUTE_SYSTEM) text[2] = 'S';
  if (attributes & FILE_ATTRIBUTE_ARCHIVE) text[3] = 'A';
  if (attributes & 0x100) text[4] = 'U';  // stored time is UTC
  return text;
}

std::wstring Normalised(std::wstring name) {
  for (wchar_t& c : name) c = c == L'/' ? L'\\' : wchar_t(std::towlower(c));
  return name;
}

struct Selection {
  std::vector<std::wstring> wanted;  // normalised; empty: everything
  std::vector<bool> found;
  std::wstring current;              // the entry being written, until it is complete
  unsigned extracted = 0;
  unsigned long long bytes = 0;
};

INT_PTR SelectEntry(const Cabinet::CabFileEntry* entry, INT_PTR user) {
  Selection& selection = *reinterpret_cast<Selection*>(user);
  if (!selection.wanted.empty()) {
    std::wstring name = Normalised(entry->relativePath);
    size_t i = 0;
    while (i < selection.wanted.size() && selection.wanted[i] != name) ++i;
    if (i == selection.wanted.size()) return 0;
    selection.found[i] = true;
  }
  selection.current = entry->relativePath;
  return 1;
}

// Called only for a file that is complete under its own name.
void CountEntry(const wchar_t*, Cabinet::CabMemoryFile* memory, INT_PTR user) {
  Selection& selection = *reinterpret_cast<Selection*>(user);
  ++selection.extracted;
  selection.current.clear();
  if (memory != nullptr) selection.bytes += memory->used;
}

// A target given on the command line is always a folder: the word "memory"
// names one in the current folder like any other.
std::wstring TargetFolder(const std::wstring& argument) {
  wchar_t full[MAX_PATH * 2];
  DWORD length = GetFullPathNameW(argument.c_str(), MAX_PATH * 2, full, nullptr);
  return length > 0 && length < MAX_PATH * 2 ? std::wstring(full) : argument;
}

}  // namespace

int List(const Options& options) {
  Listing listing;
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &CollectEntry;
  RunResult run = RunExtraction(options, options.arguments[0], L"MEMORY\\", callbacks, INT_PTR(&listing));
  // A package that cannot be read at all has no format to show.
  if (!run.ok && listing.names.empty()) return ReportFailure("list", run.error);
  const char* format = run.error.code == Cabinet::kNotACabinet ? "not a cabinet"
                       : run.enciphered                            ? "enciphered (CRYP)"
                                                                   : "plain (MSCF)";
  std::printf("Package: %s\nFormat: %s\n", Utf8(options.arguments[0]).c_str(), format);
  std::printf("%12s  %-19s  %-5s  %s\n", "Size", "Date", "Attr", "Name");
  unsigned long long total = 0;
  for (size_t i = 0; i < listing.names.size(); ++i) {
    SYSTEMTIME time = {};
    FileTimeToSystemTime(&listing.times[i], &time);
    std::printf("%12u  %04u-%02u-%02u %02u:%02u:%02u  %s  %s\n", listing.sizes[i], time.wYear, time.wMonth, time.wDay,
                time.wHour, time.wMinute, time.wSecond, AttributeText(listing.attributes[i]).c_str(),
                Utf8(listing.names[i]).c_str());
    total += listing.sizes[i];
  }
  std::printf("%zu files, %llu bytes\n", listing.names.size(), total);
  return run.ok ? kSucceeded : ReportFailure("list", run.error);
}

int Extract(const Options& options) {
  Selection selection;
  for (size_t i = 2; i < options.arguments.size(); ++i) selection.wanted.push_back(Normalised(options.arguments[i]));
  selection.found.assign(selection.wanted.size(), false);
  Cabinet::ExtractCallbacks callbacks = {};
  callbacks.beforeCopy = &SelectEntry;
  callbacks.afterCopy = &CountEntry;
  RunResult run = RunExtraction(options, options.arguments[0], TargetFolder(options.arguments[1]), callbacks,
                                INT_PTR(&selection));
  std::printf("%u files extracted\n", selection.extracted);
  if (!run.ok) return ReportFailure("extract", run.error, selection.current);
  int result = kSucceeded;
  for (size_t i = 0; i < selection.wanted.size(); ++i) {
    if (selection.found[i]) continue;
    std::fprintf(stderr, "zlptool: not in the package: %s\n", Utf8(options.arguments[i + 2]).c_str());
    result = kFailed;
  }
  return result;
}

// Several packages in one run (one line each, named) save a start per package.
int Verify(const Options& options) {
  const bool several = options.arguments.size() > 1;
  int result = kSucceeded;
  for (const std::wstring& package : options.arguments) {
    Selection selection;
    Cabinet::ExtractCallbacks callbacks = {};
    callbacks.beforeCopy = &SelectEntry;
    callbacks.afterCopy = &CountEntry;
    RunResult run = RunExtraction(options, package, L"MEMORY\\", callbacks, INT_PTR(&selection));
    const std::string name = several ? Utf8(package) + ": " : std::string();
    if (run.ok) {
      std::printf("%sOK: %u files, %llu bytes, %s\n", name.c_str(), selection.extracted, selection.bytes,
                  run.enciphered ? "enciphered" : "plain");
    } else if (several) {
      std::printf("%sfailed%s%s: %s\n", name.c_str(), selection.current.empty() ? "" : " at ",
                  Utf8(selection.current).c_str(), ErrorText(run.error).c_str());
      result = kFailed;
    } else {
      return ReportFailure("verify", run.error, selection.current);
    }
    std::fflush(stdout);
  }
  return result;
}

}  // namespace zlptool
