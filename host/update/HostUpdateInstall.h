// Installing a host update: a new updater is fetched first if the list asks
// for one, then the main window closes the normal way (downloads cancelled,
// modules unloaded) and the updater starts once it has.
#pragma once

#include "ZelvaContract.h"

namespace zelva::host {

// Host command 25 and the notification's "Install Update". Returns at once
// when an install is already under way.
void InstallHostUpdate(HostContext& context);

// After the main window has ended: starts "HangardeskUpdater.exe" with
// "-FromHangardesk" if Install asked for it. A failed start is reported.
void StartPendingUpdater(const HostContext& context);

}  // namespace zelva::host
