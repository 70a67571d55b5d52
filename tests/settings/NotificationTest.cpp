// Notifications through ExecuteCommand 4 and 5: the module's copy, the
// buttons, the handler's answer, the count the host shows.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "SettingsTestHost.h"

namespace zelva::testing {
namespace {

struct HandlerCall {
  PanelRecord* record;
  int button;
  std::string title;
  std::string buttonText;
};

class Notifications : public SettingsHost {
 public:
  void SetUp() override {
    SettingsHost::SetUp();
    calls.clear();
    self = this;
    Load();
    ASSERT_TRUE(Show());
  }

  // Answers like the product update handler: keeps the notification after
  // "View Changelog", dismisses it otherwise.
  static int32_t __cdecl UpdateHandler(PanelRecord* record, int32_t button) {
    calls.push_back({record, button, record->title, record->buttonText[button]});
    return std::strcmp(record->buttonText[button], "View Changelog") == 0 ? 0 : 1;
  }

  static std::vector<HandlerCall> calls;
  static Notifications* self;
};

std::vector<HandlerCall> Notifications::calls;
Notifications* Notifications::self = nullptr;

PanelRecord UpdateNotification(const char* title) {
  return MakeNotification(title, "A new update is available for the ZELVA K50.  Do you wish to download it?",
                          "ZELVA has released a new update for the ZELVA K50.",
                          {"Install Update", "View Changelog", "Ignore Update"}, nullptr);
}

TEST_F(Notifications, ButtonsCallTheHandlerWithTheModuleCopyAndTheCountFollows) {
  PanelRecord original = UpdateNotification("ZELVA K50: New update available");
  original.buttonHandler = &UpdateHandler;
  const INT_PTR handle = Add(original);
  ASSERT_NE(handle, 0);
  // The producer's record was a local: gone once command 4 returned.
  std::memset(&original, 0xCD, sizeof(original));
  ASSERT_NE(Add(MakeNotification("Heads-up", "Nothing to decide here.", "", {}, &UpdateHandler)), 0);
  HWND changelog = FindVisible("Button", "View Changelog"), dismiss = FindVisible("Button", "Dismiss");
  ASSERT_TRUE(changelog != nullptr && dismiss != nullptr);
  EXPECT_LT(ScreenRect(dismiss).bottom, ScreenRect(changelog).top);  // the newest on top

  Click(changelog);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_NE(calls[0].record, &original);
  EXPECT_EQ(calls[0].title + "/" + calls[0].buttonText, "ZELVA K50: New update available/View Changelog");
  // Answer 0 keeps the notification, answer 1 dismisses it.
  ASSERT_NE(FindVisible("Button", "Ignore Update"), nullptr);
  Click(FindVisible("Button", "Ignore Update"));
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_TRUE(calls[1].button == 2 && calls[1].record == calls[0].record);
  EXPECT_EQ(FindVisible("Button", "Install Update"), nullptr);
  // Without buttons it can still be dismissed, without asking the handler.
  Click(dismiss);
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_EQ(FindVisible("Button", "Dismiss"), nullptr);

  Remove(handle);  // already gone
  Remove(0);
  EXPECT_EQ(ReportedCounts(), (std::vector<INT_PTR>{1, 2, 1, 0}));
}

TEST_F(Notifications, LongTextOpensOnDemandAndTheHomeButtonFoldsIt) {
  Add(MakeNotification("Short only", "no more to read", "", {"Ignore"}, &UpdateHandler));
  Add(UpdateNotification("With long text"));
  ASSERT_EQ(AllVisible("Button", "More").size(), 1u);
  HWND more = FindVisible("Button", "More");
  HWND card = GetParent(more);
  const RECT folded = ScreenRect(card);

  Click(more);
  EXPECT_EQ(FindVisible("Button", "More"), nullptr);
  ASSERT_EQ(FindVisible("Button", "Less"), more);
  const RECT unfolded = ScreenRect(card);
  EXPECT_GT(unfolded.bottom - unfolded.top, folded.bottom - folded.top);
  // The notification below made room.
  EXPECT_GE(ScreenRect(FindVisible("Button", "Ignore")).top, unfolded.bottom);

  EXPECT_EQ(Execute(kSettingsHomeClosesPopup), 0);
  Execute(kSettingsHomePressed);
  EXPECT_EQ(FindVisible("Button", "More"), more);
  const RECT again = ScreenRect(card);
  EXPECT_EQ(again.bottom - again.top, folded.bottom - folded.top);
}

// A handler may withdraw its own notification and post another before it
// returns, as producers that keep the handle of their notification do.
INT_PTR g_ownHandle = 0;
std::string g_titleAfterRemoval;
int32_t __cdecl WithdrawingHandler(PanelRecord* record, int32_t) {
  Notifications::calls.push_back({record, 0, record->title, {}});
  Notifications::self->Remove(g_ownHandle);
  // Memory freed by the removal would likely be handed out again here.
  std::vector<std::unique_ptr<char[]>> reuse;
  for (size_t size = 1024; size <= 4096; size += 16) {
    reuse.emplace_back(new char[size]);
    std::memset(reuse.back().get(), 'X', size);
  }
  g_titleAfterRemoval.assign(record->title, strnlen(record->title, 32));
  PanelRecord follow = MakeNotification("Follow-up", "posted from a handler", "", {"Close"}, nullptr);
  Notifications::self->Add(follow);
  return 1;
}

TEST_F(Notifications, HandlerMayRemoveItsOwnNotificationAndPostAnother) {
  g_ownHandle = Add(MakeNotification("Lost liveries", "Repair them?", "", {"Repair Liveries"}, &WithdrawingHandler));
  Click(FindVisible("Button", "Repair Liveries"));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(g_titleAfterRemoval, "Lost liveries");
  EXPECT_NE(FindVisible("Button", "Close"), nullptr);
  // Removed once, not again for the handler's answer.
  EXPECT_EQ(ReportedCounts(), (std::vector<INT_PTR>{1, 0, 1}));
  // A handler-less notification only acknowledges.
  Click(FindVisible("Button", "Close"));
  EXPECT_EQ(ReportedCounts(), (std::vector<INT_PTR>{1, 0, 1, 0}));
}

// While a handler runs (a modal dialog may pump messages), a second press on
// the same notification must not call it again.
int g_nesting = 0;
int32_t __cdecl ReenteringHandler(PanelRecord* record, int32_t button) {
  Notifications::calls.push_back({record, button, record->title, {}});
  if (++g_nesting == 1) {
    HWND again = Notifications::self->FindVisible("Button", "Install Update");
    if (again != nullptr) SendMessageA(again, BM_CLICK, 0, 0);
  }
  --g_nesting;
  return 0;
}

TEST_F(Notifications, PressWhileItsHandlerRunsIsIgnored) {
  Add(MakeNotification("Update", "Install?", "", {"Install Update"}, &ReenteringHandler));
  Click(FindVisible("Button", "Install Update"));
  EXPECT_EQ(calls.size(), 1u);
  // Usable again once the handler has answered.
  HWND button = FindVisible("Button", "Install Update");
  ASSERT_NE(button, nullptr);
  Click(button);
  EXPECT_EQ(calls.size(), 2u);
}

}  // namespace
}  // namespace zelva::testing
