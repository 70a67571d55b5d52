// Whether the host's own files are current: the maker's update list
// "update.cfg", fetched from the host update server, against the files in the
// program folder.
#pragma once

#include <string>

#include "ZelvaContract.h"

namespace zelva::host {

// What the last check found out, for Install.
struct HostUpdateOffer {
  bool newUpdater = false;     // the list carries an updater newer than ours
  char updaterDigest[40] = {};  // its Checksum
  std::string listDigest;      // digest of the update.cfg that made the offer
};

HostUpdateOffer& CurrentHostUpdateOffer();

// Returns 1 when at least one listed file needs an update, else 0. With
// notify, an update the user has not chosen to ignore is offered through a
// notification.
int CheckHostUpdate(HostContext& context, bool notify);

// The address of the host's update archive.
std::wstring HostUpdateUrl(const HostContext& context);

}  // namespace zelva::host
