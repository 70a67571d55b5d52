// The questions about lost liveries and orphaned texture folders, posted to
// the host as notifications (host command 4) with an answer callback of the
// module, and the texts they carry for each simulator.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::module {

// The simulator the livery checks speak of: the product's.
int LiverySimulator();

// "FSX", "FSX-SE", "P3D" or "P3D v4".
const char* SimulatorLabel(int simulator);

struct LiveryNotice {
  std::string title, question, explanation;
  const char* buttons[3] = {};
  PanelButtonHandler answer = nullptr;
  std::string producerData;  // may hold NULs; must fit the record's field
};

// Posts the notification; false when there is no host or it did not fit.
bool PostLiveryNotice(const LiveryNotice& notice);

// The label of the button the user pressed, or empty.
std::string PressedButton(const PanelRecord* record, int32_t button);

LiveryNotice LostLiveriesNotice(int simulator, const char* productName);
LiveryNotice OrphanedFolderNotice(int simulator, const char* folderName, const char* variantName);

}  // namespace zelva::module
