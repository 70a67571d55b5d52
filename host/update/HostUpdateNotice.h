// The notification that offers a host update, and what its buttons do.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::host {

// Posts "Hangardesk Update Available" with "Install Update" and "Ignore".
void PostHostUpdateNotice();

// The notification's button handler: "Install Update" runs Install, "Ignore"
// remembers the offer. Returns 1, so the notification goes.
extern "C" int32_t __cdecl OnHostUpdateNoticeButton(PanelRecord* record, int32_t button);

// "Ignore" is remembered per update list: the same list offers nothing again,
// a new one does.
bool IsHostUpdateIgnored(const HostContext& context, const std::string& listDigest);
void RememberIgnoredHostUpdate(const HostContext& context, const std::string& listDigest);

}  // namespace zelva::host
