// Kind-2 panels: windows run by their producer's procedure, which finds the
// module's copy of the record in its creation parameter.
#include <gtest/gtest.h>

#include <cstring>

#include "SettingsTestHost.h"

namespace zelva::testing {
namespace {

constexpr UINT kReadRecord = WM_APP + 7;

struct ProcedureLog {
  int created = 0;
  int destroyed = 0;
  const PanelRecord* createParameter = nullptr;
  HWND lastWindow = nullptr;
};
ProcedureLog g_first, g_second;

// A panel procedure as a producer writes one: it keeps the record it is
// created with and reads it on later messages.
template <ProcedureLog& log>
LRESULT CALLBACK PanelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      auto* record = static_cast<const PanelRecord*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
      log.created++;
      log.createParameter = record;
      log.lastWindow = window;
      return 0;
    }
    case kReadRecord: {
      auto* record = reinterpret_cast<const PanelRecord*>(GetWindowLongPtrA(window, GWLP_USERDATA));
      if (record == nullptr || record->kind != kPanelWindow) return -1;
      return std::strcmp(record->producerData, "download 7") == 0 ? record->panelHeight : 0;
    }
    case WM_DESTROY:
      log.destroyed++;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

class Panels : public SettingsHost {
 public:
  void SetUp() override {
    SettingsHost::SetUp();
    g_first = ProcedureLog{};
    g_second = ProcedureLog{};
    Load();
  }
};

TEST_F(Panels, EachProcedureRunsItsOwnPanelsOnTheModuleCopyAndTheyStackWithoutGaps) {
  ASSERT_TRUE(Show());
  PanelRecord original = MakePanel("Downloading K50 liveries", &PanelProcedure<g_first>, 150, "download 7");
  const INT_PTR a = Add(original);
  ASSERT_NE(a, 0);
  ASSERT_EQ(g_first.created, 1);
  EXPECT_NE(g_first.createParameter, &original);
  std::memset(&original, 0xCD, sizeof(original));
  HWND first = g_first.lastWindow;
  ASSERT_TRUE(IsWindowVisible(first) && IsChild(content_, first));
  EXPECT_EQ(SendMessageA(first, kReadRecord, 0, 0), 150);
  EXPECT_EQ(CallsOf(kHostSetNotificationCount), 0);

  const INT_PTR b = Add(MakePanel("second", &PanelProcedure<g_second>, 60, ""));
  HWND second = g_second.lastWindow;
  Add(MakePanel("third", &PanelProcedure<g_first>, 90, ""));
  HWND third = g_first.lastWindow;
  EXPECT_GE(ScreenRect(second).top, ScreenRect(first).bottom);
  EXPECT_GE(ScreenRect(third).top, ScreenRect(second).bottom);

  // Destroyed at once: the producer may free its data right after command 5.
  const LONG secondTop = ScreenRect(second).top;
  Remove(b);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(g_second.destroyed, 1);
  EXPECT_EQ(ScreenRect(third).top, secondTop);
  // A panel its producer destroys leaves no gap either; the later withdrawal finds nothing to do.
  DestroyWindow(first);
  Pump();
  EXPECT_LT(ScreenRect(third).top, secondTop);
  Remove(a);
  EXPECT_TRUE(IsWindowVisible(third));
}

TEST_F(Panels, PanelsAndNotificationsPostedBeforeTheFirstShowAppearWithIt) {
  Add(MakePanel("early download", &PanelProcedure<g_first>, 120, "download 7"));
  Add(MakeNotification("Early", "posted during start-up", "", {"Ignore"}, nullptr));
  ASSERT_EQ(g_first.created, 1);
  HWND panel = g_first.lastWindow;
  EXPECT_FALSE(IsWindowVisible(panel) || IsChild(content_, panel));

  ASSERT_TRUE(Show());
  EXPECT_TRUE(IsChild(content_, panel) && IsWindowVisible(panel));
  EXPECT_EQ(SendMessageA(panel, kReadRecord, 0, 0), 120);
  EXPECT_NE(FindVisible("Button", "Ignore"), nullptr);
}

TEST_F(Panels, RecordsThatCannotBecomePanelsAreRefused) {
  ASSERT_TRUE(Show());
  EXPECT_EQ(Add(MakePanel("no procedure", nullptr, 100, "")), 0);
  PanelRecord unknownKind = MakePanel("kind 3", &PanelProcedure<g_first>, 100, "");
  unknownKind.kind = 3;
  EXPECT_EQ(Add(unknownKind), 0);
  EXPECT_EQ(Execute(kSettingsAddPanel, 0), 0);
  EXPECT_EQ(g_first.created, 0);
}

}  // namespace
}  // namespace zelva::testing
