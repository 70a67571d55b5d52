#include "PanelFile.h"

#include <windows.h>

#include "FileRewrite.h"
#include "LiveryFiles.h"
#include "ModuleContext.h"
#include "PanelConfig.h"
#include "SimulatorPaths.h"

namespace zelva::module {
namespace {

constexpr char kPanelFile[] = "SimObjects\\Airplanes\\ZELVA K50-200LR\\panel\\panel.cfg";
constexpr char kComponent[] = "Panel";

template <typename... Arguments>
void LogPanel(const char* format, Arguments... arguments) {
  std::string line = std::string("\n%s - Panel: ") + format;
  Log(line.c_str(), Product().shortName, arguments...);
}

void Report(const std::string& text) { AskUser(text.c_str(), "Error", MB_OK | MB_ICONERROR); }

bool IsMissing(const std::string& path) {
  DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// False: the file stays read-only and nothing may be written.
bool AllowWriting(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  if ((attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
  LogPanel("%s is read-only\n", path.c_str());
  if (AskUser("Panel.cfg file is Read-Only!\nWould you like to remove Read-Only status?", "Error",
              MB_YESNO | MB_ICONSTOP) != IDYES) {
    LogPanel("Read-only kept, nothing changed\n");
    return false;
  }
  if (!ClearReadOnly(path.c_str())) {
    LogPanel("Read-only could not be cleared: %d\n", int(GetLastError()));
    Report("The read-only status of panel.cfg could not be removed:\n" + path + "\n\nNothing was changed.");
    return false;
  }
  return true;
}

}  // namespace

std::string PanelConfigFile() {
  char path[kPathChars];
  return CurrentSimulatorFile(kPanelFile, path) ? std::string(path) : std::string();
}

PanelSetting ReadPanelSetting(const std::string& path) {
  PanelSetting setting;
  if (IsMissing(path)) return setting;
  std::string text;
  if (!ReadWholeFile(path, text)) {
    setting.state = PanelState::kUnreadable;
    return setting;
  }
  setting.state = PanelState::kRead;
  setting.ratio = panel::PanelConfig(text).CurrentRatio();
  return setting;
}

bool WritePanelRatio(const std::string& path, int ratio) {
  if (ratio < 0 || ratio >= panel::kRatioCount) return false;
  const char* label = panel::kRatios[ratio].label;
  LogPanel("Setting the aspect ratio %s in %s\n", label, path.c_str());
  // Writing would make a panel the simulator then loads, though the product never had one.
  if (IsMissing(path)) {
    LogPanel("panel.cfg not found, nothing written\n");
    Report("The panel.cfg of the ZELVA K50-200LR could not be found:\n" + path +
           "\n\nThe aspect ratio was not changed. Reinstalling the product restores the file.");
    return false;
  }
  if (!AllowWriting(path)) return false;

  FileRewrite file(path, kComponent);
  if (!file.Read()) {
    Report("panel.cfg could not be read:\n" + path + "\n\nThe aspect ratio was not changed.");
    return false;
  }
  panel::PanelConfig panel(file.original());
  if (!panel.rewritable()) {
    LogPanel("%s is UTF-16 text; it is left as it is\n", path.c_str());
    Report("panel.cfg is saved as Unicode text, which this program does not change:\n" + path +
           "\n\nThe aspect ratio was not changed.");
    return false;
  }
  switch (panel.ApplyRatio(ratio)) {
    case panel::RatioChange::NoMainWindow:
      LogPanel("No [Window00] in %s, nothing written\n", path.c_str());
      Report("panel.cfg has no main panel window ([Window00]):\n" + path + "\n\nThe aspect ratio was not changed.");
      return false;
    case panel::RatioChange::Unchanged:
      LogPanel("Already laid out for %s\n", label);
      return true;
    case panel::RatioChange::Done:
      break;
  }
  if (file.Commit(panel.Text()) != RewriteResult::Done) {
    Report("panel.cfg could not be written:\n" + path +
           "\n\nThe aspect ratio was not changed. Check that the file is not open in another program.");
    return false;
  }
  LogPanel("Laid out for %s\n", label);
  return true;
}

}  // namespace zelva::module
