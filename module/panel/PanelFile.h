// The K50-200LR's panel.cfg in the current simulator: the ratio it is laid
// out for, and laying it out for another in one replace of the file.
#pragma once

#include <string>

namespace zelva::module {

// The file's path; empty when no simulator is current.
std::string PanelConfigFile();

enum class PanelState { kMissing, kUnreadable, kRead };

struct PanelSetting {
  PanelState state = PanelState::kMissing;
  int ratio = 255;  // panel::kUnknownRatio unless read and known
};

PanelSetting ReadPanelSetting(const std::string& path);

// Lays the file out for the ratio (an index of panel::kRatios). A missing
// file is refused with a message and stays missing; a read-only one is
// written only when the user agrees to clear the attribute. Every failure is
// shown to the user and leaves the file as it was; true when the file was
// written or already said so.
bool WritePanelRatio(const std::string& path, int ratio);

}  // namespace zelva::module
