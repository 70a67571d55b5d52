// Liveries whose aircraft.cfg entry is gone while their texture folder is
// still there: found at start from the backup, and repaired, deleted or
// ignored as the user answers.
#pragma once

#include <string>
#include <vector>

#include "LiveryBackupFile.h"
#include "ZelvaContract.h"

namespace zelva::module {

// True when a notification was posted.
bool CheckLostLiveries();

// The answer callback of the notification: 1 when it acted, 0 when not.
extern "C" int32_t __cdecl LostLiveriesAnswer(PanelRecord* record, int32_t button);

// What the check found, until the user answers.
const std::vector<livery::LiveryBackupRecord>& LostLiveries();
void ForgetLostLiveries();

}  // namespace zelva::module
