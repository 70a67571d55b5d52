// The notification that offers a product or expansion update, and its buttons.
#pragma once

#include "ZelvaContract.h"

namespace zelva::module {

// Posts the notification of version list entry `index`; returns the host's
// handle for it (host command 4).
INT_PTR PostUpdateNotice(int index);

// "Install Update" downloads and runs the updater (1), "View Changelog" shows
// the changelog and keeps the notification (0), anything else 1.
extern "C" int32_t __cdecl OnUpdateNoticeButton(PanelRecord* record, int32_t button);

}  // namespace zelva::module
