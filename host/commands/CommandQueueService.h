// The host's one pending-command queue: package requests wait here while
// the host is loading or busy with another package.
#pragma once

#include "PendingCommandQueue.h"

namespace zelva::host {

commands::PendingCommandQueue& CommandQueue();

void HoldQueue();
void ReleaseQueue();

// A hand-off from a second instance; refusals are logged.
void ReceiveHandOff(const char* text);
// The first instance's own request, to run once loading has finished.
void QueueCommand(const char* text);

}  // namespace zelva::host
