#include "PendingCommandQueue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zelva::commands;

namespace {

struct Recorder {
  std::vector<std::string> paths;
  std::unique_ptr<PendingCommandQueue> queue;
  Recorder() {
    queue = std::make_unique<PendingCommandQueue>([this](const char* path) { paths.push_back(path); });
  }
};

TEST(PendingCommandQueue, PrefixIsComparedWithoutCase) {
  EXPECT_STREQ(PackagePathOf("Open ZLP\nc:\\a.zlp"), "c:\\a.zlp");
  EXPECT_STREQ(PackagePathOf("open zlp\nc:\\a.zlp"), "c:\\a.zlp");
  EXPECT_EQ(PackagePathOf("Open ZIP\nc:\\a.zlp"), nullptr);
  EXPECT_EQ(PackagePathOf("Open ZL"), nullptr);
  EXPECT_EQ(PackagePathOf(nullptr), nullptr);
}

TEST(PendingCommandQueue, IdleHandOffIsActedOnAtOnce) {
  Recorder r;
  EXPECT_EQ(r.queue->Receive("Open ZLP\nc:\\one.zlp"), PendingCommandQueue::Outcome::kActedOn);
  EXPECT_EQ(r.paths, std::vector<std::string>{"c:\\one.zlp"});
  EXPECT_EQ(r.queue->busyDepth(), 0);
  // Other commands are ignored but cost nothing.
  EXPECT_EQ(r.queue->Receive("Refresh"), PendingCommandQueue::Outcome::kActedOn);
  EXPECT_EQ(r.paths.size(), 1u);
}

TEST(PendingCommandQueue, HeldRequestsRunInArrivalOrderAfterTheLastRelease) {
  Recorder r;
  r.queue->Hold();
  r.queue->Hold();
  r.queue->Enqueue("Open ZLP\nfirst.zlp");
  EXPECT_EQ(r.queue->Receive("Open ZLP\nsecond.zlp"), PendingCommandQueue::Outcome::kQueued);
  r.queue->Release();
  EXPECT_TRUE(r.paths.empty());  // one hold is still taken
  r.queue->Release();
  EXPECT_EQ(r.paths, (std::vector<std::string>{"first.zlp", "second.zlp"}));
  EXPECT_EQ(r.queue->count(), 0u);
  EXPECT_EQ(r.queue->busyDepth(), 0);
}

TEST(PendingCommandQueue, RequestArrivingWhileOneRunsWaitsForIt) {
  std::vector<std::string> log;
  PendingCommandQueue* self = nullptr;
  PendingCommandQueue queue([&](const char* path) {
    log.push_back(std::string("start ") + path);
    // A second instance hands off while this package is being processed.
    if (std::string(path) == "a.zlp") self->Receive("Open ZLP\nb.zlp");
    log.push_back(std::string("end ") + path);
  });
  self = &queue;
  queue.Receive("Open ZLP\na.zlp");
  EXPECT_EQ(log, (std::vector<std::string>{"start a.zlp", "end a.zlp", "start b.zlp", "end b.zlp"}));
}

TEST(PendingCommandQueue, FullQueueAndOverlongTextsAreRefusedWithoutOverrun) {
  Recorder r;
  r.queue->Hold();
  for (size_t i = 0; i < PendingCommandQueue::kSlots; ++i) {
    ASSERT_EQ(r.queue->Enqueue(("Open ZLP\n" + std::to_string(i)).c_str()), PendingCommandQueue::Outcome::kQueued);
  }
  EXPECT_EQ(r.queue->Receive("Open ZLP\nlate.zlp"), PendingCommandQueue::Outcome::kQueueFull);
  EXPECT_EQ(r.queue->count(), PendingCommandQueue::kSlots);

  std::string longest(PendingCommandQueue::kSlotChars - 1, 'p');
  std::string tooLong(PendingCommandQueue::kSlotChars, 'p');
  Recorder small;
  small.queue->Hold();
  EXPECT_EQ(small.queue->Enqueue(tooLong.c_str()), PendingCommandQueue::Outcome::kTooLong);
  EXPECT_EQ(small.queue->Enqueue(("Open ZLP\n" + longest.substr(9)).c_str()), PendingCommandQueue::Outcome::kQueued);
  small.queue->Release();
  ASSERT_EQ(small.paths.size(), 1u);
  EXPECT_EQ(small.paths[0].size(), PendingCommandQueue::kSlotChars - 1 - 9);

  r.queue->Release();
  ASSERT_EQ(r.paths.size(), PendingCommandQueue::kSlots);
  EXPECT_EQ(r.paths.front(), "0");
  EXPECT_EQ(r.paths.back(), "499");
}

}  // namespace
