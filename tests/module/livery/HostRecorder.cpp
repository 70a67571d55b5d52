#include "HostRecorder.h"

#include <cstring>

namespace zelva::testing {
namespace {

std::vector<PanelRecord> g_notices;
std::vector<std::string> g_lines[4];

INT_PTR __cdecl RecordCommand(int32_t code, const char* text, void*) {
  if (code == kHostAddPanel && text != nullptr) {
    g_notices.push_back(*reinterpret_cast<const PanelRecord*>(text));
    return INT_PTR(g_notices.size());
  }
  return code == kHostIsWorkingDialogOpen ? 1 : 0;
}

void __cdecl RecordLine(int32_t line, const char* text) {
  if (line >= 1 && line <= 3 && text != nullptr) g_lines[line].push_back(text);
}

void __cdecl RecordLayout(int32_t) {}

}  // namespace

HostRecorder::HostRecorder(HostContext& host) : host_(host) {
  g_notices.clear();
  for (auto& lines : g_lines) lines.clear();
  host_.hostCommand = &RecordCommand;
  host_.setWorkingDialogText = &RecordLine;
  host_.setWorkingDialogLayout = &RecordLayout;
}

HostRecorder::~HostRecorder() {
  host_.hostCommand = nullptr;
  host_.setWorkingDialogText = nullptr;
  host_.setWorkingDialogLayout = nullptr;
}

std::vector<PanelRecord>& HostRecorder::notices() { return g_notices; }

const std::vector<std::string>& HostRecorder::lines(int line) const { return g_lines[line]; }

int HostRecorder::Press(PanelRecord notice, const std::string& label) const {
  for (int button = 0; button < 3; ++button)
    if (label == notice.buttonText[button]) return notice.buttonHandler(&notice, button);
  return -1;
}

}  // namespace zelva::testing
