#include "LiveryManager.h"

#include "LiveryBackup.h"
#include "LostLiveries.h"
#include "ModuleContext.h"
#include "OrphanedFolders.h"

namespace zelva::module {

void InitializeLiveryManager() {
  Log("\n%s - Initializing Livery Manager\n", Product().shortName);
  ForgetLostLiveries();
  if (!CheckLostLiveries()) CheckOrphanedFolders();
}

void ReleaseLiveryManager() {
  RefreshLiveryBackup();
  ForgetLostLiveries();
}

}  // namespace zelva::module
