#include "PendingCommandQueue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zelva::commands;

namespace {

struct Recorder {
  std::vector<std::string> paths;
  PendingCommandQueue queue{[this](const char* path) { paths.push_back(path); }};
};

TEST(PendingCommandQueue, IdleHandOffIsActedOnAtOnce) {
  Recorder r;
  EXPECT_EQ(r.queue.Receive("open zlp\nc:\\one.zlp"), PendingCommandQueue::Outcome::kActedOn);
  EXPECT_EQ(r.paths, std::vector<std::string>{"c:\\one.zlp"});
  // Other commands are ignored but cost nothing.
  EXPECT_EQ(r.queue.Receive("Open ZIP\nc:\\a.zlp"), PendingCommandQueue::Outcome::kActedOn);
  EXPECT_EQ(r.paths.size(), 1u);
}

TEST(PendingCommandQueue, HeldRequestsRunInArrivalOrderAfterTheLastRelease) {
  Recorder r;
  r.queue.Hold();
  r.queue.Hold();
  r.queue.Enqueue("Open ZLP\nfirst.zlp");
  EXPECT_EQ(r.queue.Receive("Open ZLP\nsecond.zlp"), PendingCommandQueue::Outcome::kQueued);
  r.queue.Release();
  EXPECT_TRUE(r.paths.empty());  // one hold is still taken
  r.queue.Release();
  EXPECT_EQ(r.paths, (std::vector<std::string>{"first.zlp", "second.zlp"}));
  EXPECT_EQ(r.queue.count(), 0u);
  EXPECT_EQ(r.queue.busyDepth(), 0);
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
  r.queue.Hold();
  for (size_t i = 0; i < PendingCommandQueue::kSlots; ++i) {
    ASSERT_EQ(r.queue.Enqueue(("Open ZLP\n" + std::to_string(i)).c_str()), PendingCommandQueue::Outcome::kQueued);
  }
  EXPECT_EQ(r.queue.Receive("Open ZLP\nlate.zlp"), PendingCommandQueue::Outcome::kQueueFull);
  r.queue.Release();
  ASSERT_EQ(r.paths.size(), PendingCommandQueue::kSlots);
  EXPECT_EQ(r.paths.back(), std::to_string(PendingCommandQueue::kSlots - 1));

  // The longest text that fits its slot arrives whole; one more is refused.
  const std::string longest = "Open ZLP\n" + std::string(PendingCommandQueue::kSlotChars - 1 - 9, 'p');
  r.queue.Hold();
  EXPECT_EQ(r.queue.Enqueue((longest + "p").c_str()), PendingCommandQueue::Outcome::kTooLong);
  EXPECT_EQ(r.queue.Enqueue(longest.c_str()), PendingCommandQueue::Outcome::kQueued);
  r.queue.Release();
  EXPECT_EQ(r.paths.back(), longest.substr(9));
}

}  // namespace
