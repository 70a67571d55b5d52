#include "CommandScript.h"

#include <cstdio>
#include <cstring>

#include "PackageReader.h"
#include "PackageRefusal.h"
#include "PackageValues.h"
#include "WideText.h"
#include "ZelvaContract.h"

namespace zelva::host {
namespace {

constexpr size_t kSourceChars = 30;  // 29 characters and the terminator
// One more than a path may have, so that a value that would have to be cut
// (and would then name another place) is seen and refused.
constexpr size_t kTargetChars = kPathChars + 1;

bool FitsPath(const std::string& path) { return path.size() < kPathChars; }

std::string WithSeparators(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// The expanded Target of a section, checked; a folder gets its backslash.
int32_t ReadTarget(const PackageSettings& settings, const char* section, const text::PathVariableValues& variables,
                   bool folder, std::string& target) {
  char raw[kTargetChars];
  settings.Text(section, "Target", "", raw);
  char expanded[kPathChars];
  if (std::strlen(raw) >= kPathChars || !text::ExpandPathVariables(raw, variables, expanded, sizeof(expanded)))
    return RefuseLongPath(raw);
  if (!text::IsSafeAbsolutePath(expanded)) return RefuseUnsafePath(expanded);
  target = WithSeparators(expanded);
  if (folder && target.back() != '\\') target += '\\';
  if (!FitsPath(target)) return RefuseLongPath(target.c_str());
  return kResultDone;
}

int32_t ReadSource(const PackageSettings& settings, const char* section, const std::string& workingFolder,
                   std::wstring& source) {
  std::wstring value = settings.WideText(section, "Source", kSourceChars);
  // UTF-8 keeps every separator and dot as it is, so the check sees all of them.
  if (!text::IsSafeRelativePath(win::BytesFromWide(value, CP_UTF8).c_str()))
    return RefuseUnsafePath(Narrow(value).c_str());
  for (wchar_t& c : value)
    if (c == L'/') c = L'\\';
  source = Wide(workingFolder.c_str()) + value;
  return kResultDone;
}

int32_t ReadFileList(const PackageSettings& settings, const char* section, const std::string& workingFolder,
                     CommandStep& step) {
  int count = settings.Integer(section, "FileCount", 0);
  for (int i = 1; i <= count; ++i) {
    char key[32];
    std::snprintf(key, sizeof(key), "File%03d_Name", i);
    char name[kPathChars];
    settings.Text(section, key, "", name);
    if (!text::IsSafeRelativePath(name)) return RefuseUnsafePath(name);
    std::string relative = WithSeparators(name);
    if (!FitsPath(step.target + relative)) return RefuseLongPath((step.target + relative).c_str());
    if (!FitsPath(workingFolder + relative)) return RefuseLongPath(relative.c_str());
    step.files.push_back(relative);
  }
  return kResultDone;
}

}  // namespace

int32_t ReadCommandScript(const PackageSettings& settings, const std::string& workingFolder,
                          const text::PathVariableValues& variables, std::vector<CommandStep>& steps) {
  steps.clear();
  int count = settings.Integer("Settings", "Count", 0) & 0xFF;
  for (int n = 1; n <= count; ++n) {
    char section[32];
    std::snprintf(section, sizeof(section), "Command.%01d", n);
    CommandStep step = {};
    step.code = settings.Integer(section, "Command", 0) & 0xFF;
    int32_t result = kResultDone;
    switch (step.code) {
      case kCommandCopyFile:
        result = ReadSource(settings, section, workingFolder, step.source);
        if (result == kResultDone) result = ReadTarget(settings, section, variables, false, step.target);
        break;
      case kCommandExtractCabinet:
        result = ReadSource(settings, section, workingFolder, step.source);
        if (result == kResultDone) result = ReadTarget(settings, section, variables, true, step.target);
        break;
      case kCommandCopyFiles:
        result = ReadTarget(settings, section, variables, true, step.target);
        if (result == kResultDone) result = ReadFileList(settings, section, workingFolder, step);
        break;
      default:
        continue;
    }
    if (result != kResultDone) {
      steps.clear();
      return result;
    }
    steps.push_back(std::move(step));
  }
  return kResultDone;
}

}  // namespace zelva::host
