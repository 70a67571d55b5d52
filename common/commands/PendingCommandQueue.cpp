#include "PendingCommandQueue.h"

#include <cctype>
#include <cstring>

namespace zelva::commands {

const char* PackagePathOf(const char* text) {
  if (text == nullptr) return nullptr;
  for (size_t i = 0; i < kOpenPackagePrefixLength; ++i) {
    if (text[i] == '\0') return nullptr;
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(kOpenPackagePrefix[i])))
      return nullptr;
  }
  return text + kOpenPackagePrefixLength;
}

void PendingCommandQueue::Act(const char* text) {
  const char* path = PackagePathOf(text);
  if (path != nullptr && handler_) handler_(path);
}

PendingCommandQueue::Outcome PendingCommandQueue::Receive(const char* text) {
  if (busyDepth_ < 1) {
    Hold();
    Act(text);
    Release();
    return Outcome::kActedOn;
  }
  return Enqueue(text);
}

PendingCommandQueue::Outcome PendingCommandQueue::Enqueue(const char* text) {
  if (text == nullptr) text = "";
  size_t length = std::strlen(text);
  if (length >= kSlotChars) return Outcome::kTooLong;
  if (count_ >= kSlots) return Outcome::kQueueFull;
  std::memcpy(slots_[count_], text, length + 1);
  ++count_;
  return Outcome::kQueued;
}

void PendingCommandQueue::Release() {
  --busyDepth_;
  if (busyDepth_ > 0) return;
  busyDepth_ = 1;
  while (count_ != 0) {
    char text[kSlotChars];
    std::memcpy(text, slots_[0], kSlotChars);
    std::memmove(slots_[0], slots_[1], (count_ - 1) * kSlotChars);
    --count_;
    Act(text);
  }
  busyDepth_ = 0;
}

}  // namespace zelva::commands
