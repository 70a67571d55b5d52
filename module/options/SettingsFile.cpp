#include "SettingsFile.h"

#include <windows.h>

#include <vector>

#include "LiveryFiles.h"
#include "LiveryPaths.h"
#include "ModuleContext.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

// The section names as the profile functions give them, never cut.
std::vector<std::string> ReadSectionNames(const char* path) {
  for (DWORD size = 4096;; size *= 2) {
    std::vector<char> buffer(size);
    DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), size, path);
    // A full buffer reports its size less two; only then may more be waiting.
    if (length + 2 < size || size >= (DWORD(1) << 24)) {
      std::vector<std::string> names;
      for (DWORD at = 0; at < length;) {
        std::string name(buffer.data() + at);
        at += DWORD(name.size()) + 1;
        if (!name.empty()) names.push_back(std::move(name));
      }
      return names;
    }
  }
}

template <typename... Arguments>
void LogOptions(const char* format, Arguments... arguments) {
  std::string line = std::string("\n%s - Options: ") + format;
  Log(line.c_str(), Product().shortName, arguments...);
}

void ReportUnwritten(const std::string& path) {
  std::string text = "The settings file could not be written:\n" + path +
                     "\n\nYour changes have not been saved. Check that the file is not open in another program, "
                     "then press Save again.";
  AskUser(text.c_str(), "Error", MB_OK | MB_ICONERROR);
}

// Mirrors livery installation's question for aircraft.cfg. False: the file
// stays read-only and nothing may be written.
bool AllowWriting(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
  LogOptions("%s is read-only\n", path.c_str());
  std::string question = "The settings file\n" + path + "\nis Read-Only!\nWould you like to remove Read-Only status?";
  if (AskUser(question.c_str(), "Error", MB_YESNO | MB_ICONERROR) != IDYES) {
    LogOptions("Read-only kept, nothing saved\n");
    return false;
  }
  if (!ClearReadOnly(path.c_str())) {
    LogOptions("Read-only could not be cleared: %d\n", int(GetLastError()));
    ReportUnwritten(path);
    return false;
  }
  return true;
}

}  // namespace

void LoadAirframeSettings(options::AirframeSettings& model, const std::string& fileName) {
  std::string folder = AirframeSettingsFolder(false);
  if (folder.empty() || !IsSafeFileName(fileName.c_str())) {
    LogOptions("No settings file for \"%s\"\n", fileName.c_str());
    model.Clear();
    return;
  }
  std::string path = folder + fileName;
  std::vector<options::RawSection> file;
  for (std::string& name : ReadSectionNames(path.c_str())) {
    std::string lines = ReadProfileSection(path.c_str(), name.c_str());
    file.push_back({std::move(name), std::move(lines)});
  }
  model.Build(path, file);
  LogOptions("Loaded %s: %d sections\n", path.c_str(), int(model.sections().size()));
}

void RevertAirframeSettings(options::AirframeSettings& model) {
  if (model.path().empty()) return;
  LoadAirframeSettings(model, model.fileName());
}

bool SaveAirframeSettings(options::AirframeSettings& model) {
  std::vector<options::EntryPosition> changes = model.Changes();
  if (changes.empty()) return true;
  const std::string& path = model.path();
  // Writing would create the file anew; this module only edits files that exist.
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    LogOptions("%s no longer exists\n", path.c_str());
    ReportUnwritten(path);
    return false;
  }
  if (!AllowWriting(path)) return false;
  for (const options::EntryPosition& change : changes) {
    const options::SettingsSection& section = model.sections()[change.section];
    const options::SettingsEntry& entry = section.entries[change.entry];
    if (!WritePrivateProfileStringA(section.name.c_str(), entry.key.c_str(), entry.value.c_str(), path.c_str())) {
      LogOptions("Writing [%s] %s to %s failed: %d\n", section.name.c_str(), entry.key.c_str(), path.c_str(),
                 int(GetLastError()));
      ReportUnwritten(path);
      return false;
    }
    model.MarkWritten(change);
  }
  LogOptions("Saved %d changes to %s\n", int(changes.size()), path.c_str());
  return true;
}

}  // namespace zelva::module
