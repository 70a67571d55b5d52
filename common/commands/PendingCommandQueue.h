// Package requests that arrive while the host is busy wait here and run one
// at a time, in arrival order, once the last hold is released.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace zelva::commands {

// The one command text acted on: this prefix, then a package path.
constexpr char kOpenPackagePrefix[] = "Open ZLP\n";
constexpr size_t kOpenPackagePrefixLength = 9;

// The package path behind the prefix (compared without regard to case), or
// null when the text carries another command.
const char* PackagePathOf(const char* text);

class PendingCommandQueue {
 public:
  static constexpr size_t kSlots = 500;
  static constexpr size_t kSlotChars = 450;

  enum class Outcome {
    kActedOn,   // idle: handed on at once
    kQueued,
    kQueueFull,
    kTooLong,   // would not fit a slot; cutting it would name another file
  };

  using PackageHandler = std::function<void(const char* packagePath)>;

  explicit PendingCommandQueue(PackageHandler handler) : handler_(std::move(handler)) {}
  PendingCommandQueue(const PendingCommandQueue&) = delete;
  PendingCommandQueue& operator=(const PendingCommandQueue&) = delete;

  // A hand-off from another instance: acted on now when idle, else queued.
  Outcome Receive(const char* text);
  // Queues without acting (the start-up's own command line).
  Outcome Enqueue(const char* text);

  void Hold() { ++busyDepth_; }
  // Drops one hold; the last one drains the queue, each entry to completion.
  void Release();

  int busyDepth() const { return busyDepth_; }
  size_t count() const { return count_; }

 private:
  void Act(const char* text);

  PackageHandler handler_;
  char slots_[kSlots][kSlotChars] = {};
  uint16_t count_ = 0;
  int busyDepth_ = 0;
};

}  // namespace zelva::commands
