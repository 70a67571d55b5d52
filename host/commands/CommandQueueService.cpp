#include "CommandQueueService.h"

#include "HostLog.h"
#include "PackageProcessor.h"

namespace zelva::host {
namespace {

void LogRefusal(commands::PendingCommandQueue::Outcome outcome) {
  using Outcome = commands::PendingCommandQueue::Outcome;
  if (outcome == Outcome::kQueueFull) HostLog("\nCommand queue is full, request dropped\n");
  if (outcome == Outcome::kTooLong) HostLog("\nCommand too long for the queue, request dropped\n");
}

}  // namespace

commands::PendingCommandQueue& CommandQueue() {
  static auto* queue = new commands::PendingCommandQueue([](const char* path) { OpenPackageByPath(path); });
  return *queue;
}

void HoldQueue() { CommandQueue().Hold(); }
void ReleaseQueue() { CommandQueue().Release(); }

void ReceiveHandOff(const char* text) { LogRefusal(CommandQueue().Receive(text)); }
void QueueCommand(const char* text) { LogRefusal(CommandQueue().Enqueue(text)); }

}  // namespace zelva::host
