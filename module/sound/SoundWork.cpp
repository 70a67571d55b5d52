#include "SoundWork.h"

#include <thread>

#include "ModuleContext.h"
#include "PlatformSoundFiles.h"
#include "SoundSetWork.h"

namespace zelva::module {

void RunUnderWorkingDialog(const std::function<void()>& work) {
  HostContext* host = Host();
  if (host == nullptr || host->runWorkingDialog == nullptr || host->closeWorkingDialog == nullptr ||
      host->setWorkingDialogLayout == nullptr) {
    work();
    return;
  }
  std::thread worker([host, &work] {
    // The layout call waits until the dialog exists, so the close below
    // cannot come before it.
    host->setWorkingDialogLayout(2);
    try {
      work();
    } catch (...) {
      // Whatever failed, the dialog must close.
    }
    host->closeWorkingDialog();
  });
  host->runWorkingDialog();
  worker.join();
}

SoundSetState ExamineSoundSet(const SoundSetRecord& record) {
  SoundSetState state;
  if (record.basePath[0] == '\0') return state;
  PlatformSoundFiles files;
  if (record.kind == SoundKind::kInterior) {
    state.downloaded = sound::InteriorPackagePresent(files, record.basePath);
    state.active = sound::ActiveInteriorAlternative(files, record.basePath);
  } else {
    state.downloaded = sound::ExteriorPackagePresent(files, record.basePath);
    state.active = sound::ActiveExteriorAlternative(files, record.basePath);
  }
  return state;
}

SoundSetState InstallSoundSet(const SoundSetRecord& record, int alternative) {
  if (record.basePath[0] != '\0') {
    Log("\n%s - Installing sound set %d of %s\n", Product().shortName, alternative, record.name);
    PlatformSoundFiles files;
    if (record.kind == SoundKind::kInterior)
      sound::InstallInteriorAlternative(files, record.basePath, alternative);
    else
      sound::InstallExteriorAlternative(files, record.basePath, alternative);
  }
  return ExamineSoundSet(record);
}

}  // namespace zelva::module
