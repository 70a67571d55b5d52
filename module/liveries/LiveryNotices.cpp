#include "LiveryNotices.h"

#include <cstdio>
#include <cstring>

#include "FixedText.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

std::string Formatted(const char* format, const char* first, const char* second = "", const char* third = "") {
  char text[1024];
  std::snprintf(text, sizeof(text), format, first, second, third);
  return text;
}

template <size_t N>
void CopyText(char (&field)[N], const std::string& text) {
  text::CopyBounded(field, text.c_str());
}

}  // namespace

int LiverySimulator() {
  int simulator = Product().simulator;
  return simulator >= kSimulatorFsx && simulator <= kSimulatorP3dV4 ? simulator : kSimulatorFsx;
}

const char* SimulatorLabel(int simulator) {
  switch (simulator) {
    case kSimulatorFsxSe: return "FSX-SE";
    case kSimulatorP3d: return "P3D";
    case kSimulatorP3dV4: return "P3D v4";
    default: return "FSX";
  }
}

bool PostLiveryNotice(const LiveryNotice& notice) {
  if (Host() == nullptr || Host()->hostCommand == nullptr) return false;
  PanelRecord record;
  std::memset(&record, 0, sizeof(record));
  if (notice.producerData.size() > sizeof(record.producerData)) return false;
  record.kind = kPanelNotification;
  CopyText(record.title, notice.title);
  record.buttonHandler = notice.answer;
  std::memcpy(record.producerData, notice.producerData.data(), notice.producerData.size());
  CopyText(record.shortText, notice.question);
  CopyText(record.longText, notice.explanation);
  for (int i = 0; i < 3; ++i)
    if (notice.buttons[i] != nullptr) text::CopyBounded(record.buttonText[i], notice.buttons[i]);
  record.producerMark = kPanelMarkLiveryQuestion;
  CallHost(kHostAddPanel, reinterpret_cast<const char*>(&record), nullptr);
  return true;
}

std::string PressedButton(const PanelRecord* record, int32_t button) {
  if (record == nullptr || button < 0 || button >= 3) return std::string();
  const char* label = record->buttonText[button];
  return std::string(label, strnlen(label, sizeof(record->buttonText[button])));
}

LiveryNotice LostLiveriesNotice(int simulator, const char* productName) {
  const char* label = SimulatorLabel(simulator);
  // The title names Prepar3D v4 in full; question and explanation keep the short label.
  const char* titleLabel = simulator == kSimulatorP3dV4 ? "Prepar3D v4" : label;
  LiveryNotice notice;
  notice.title = Formatted("%s Missing livery entries detected: %s", titleLabel, productName);
  notice.question = Formatted(
      "One or more livery entries appear to be missing from %s.  Do you wish to recover them?", label);
  notice.explanation = Formatted(
      "A livery entry in this %s aircraft.cfg appears to be missing, but the texture files are still installed.  "
      "This is usually the result of a product upgrade.  It may also be caused by manual editing of the aircraft.cfg "
      "file.\n\nIf you wish, the missing liveries can be recovered.  If you choose to delete textures, the texture "
      "files will be removed from the hard drive.  Selecting Ignore will prevent Hangardesk from asking about these "
      "liveries in %s.",
      label, label);
  notice.buttons[0] = "Repair Liveries";
  notice.buttons[1] = "Delete Textures";
  notice.buttons[2] = "Ignore";
  return notice;
}

LiveryNotice OrphanedFolderNotice(int simulator, const char* folderName, const char* variantName) {
  const char* label = SimulatorLabel(simulator);
  LiveryNotice notice;
  notice.title = Formatted("%s Orphaned texture folder found: %s", label, variantName);
  notice.question =
      Formatted("Orphaned texture folder \"%s\" found in %s.  Do you wish to delete it?", folderName, label);
  notice.explanation = Formatted(
      "Texture folder \"%s\" was found for the %s in %s, but an associated aircraft.cfg entry for this livery was "
      "not found.  This could mean you wish to delete this livery but forgot to delete the folder, or aircraft.cfg "
      "may have been corrupted.\n\nIf you choose to delete, it will be permanently deleted.  If you choose to "
      "ignore, you will no longer see notifications for this particular folder in ",
      folderName, variantName, label);
  notice.explanation += label;
  notice.explanation += ".";
  notice.buttons[0] = "Delete Folder";
  notice.buttons[1] = "Ignore";
  return notice;
}

}  // namespace zelva::module
