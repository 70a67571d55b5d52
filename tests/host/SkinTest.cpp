#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostCommands.h"
#include "HostState.h"
#include "NotificationText.h"
#include "SkinComboBox.h"
#include "ZelvaContract.h"

using namespace zelva;

namespace {

TEST(NamedImages, LookupIgnoresCaseAndUnknownNamesGiveMinusOne) {
  EXPECT_EQ(host::HostCommand(kHostFindImage, "large button", nullptr), 137);
  EXPECT_EQ(host::HostCommand(kHostFindImage, "Progress Bar Progress End", nullptr), 148);
  EXPECT_EQ(host::HostCommand(kHostFindImage, "Dark Info Balloon", nullptr), 166);
  EXPECT_EQ(host::HostCommand(kHostFindImage, "Large Button ", nullptr), -1);
  EXPECT_EQ(host::HostCommand(kHostFindImage, "", nullptr), -1);
  EXPECT_EQ(host::HostCommand(kHostFindImage, nullptr, nullptr), -1);
}

TEST(NotificationText, SingularOnlyForOne) {
  EXPECT_EQ(ui::NotificationText("1"), "You have 1 new notification");
  EXPECT_EQ(ui::NotificationText("2"), "You have 2 new notifications");
  EXPECT_EQ(ui::NotificationText("11"), "You have 11 new notifications");
  EXPECT_EQ(ui::NotificationText("0"), "You have 0 new notifications");
}

// A parent that records the commands its skinned list sends it.
std::vector<WPARAM> g_commands;
LRESULT CALLBACK RecordingParent(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COMMAND) g_commands.push_back(w);
  return DefWindowProcA(window, message, w, l);
}

class SkinComboBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    host::ResetContext(instance);
    ASSERT_TRUE(skin::RegisterSkinComboBox(instance));
    WNDCLASSA parentClass = {};
    parentClass.lpfnWndProc = &RecordingParent;
    parentClass.hInstance = instance;
    parentClass.lpszClassName = "SkinComboBoxTestParent";
    RegisterClassA(&parentClass);
    parent_ = CreateWindowA("SkinComboBoxTestParent", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                            instance, nullptr);
    SkinComboBoxParameters parameters{kSkinComboBoxDark, "Choose a variant"};
    list_ = CreateWindowA(kSkinComboBoxClass, "", WS_CHILD | WS_VISIBLE, 10, 10, 232, 200, parent_,
                          reinterpret_cast<HMENU>(77), instance, &parameters);
    ASSERT_NE(list_, nullptr);
    inner_ = FindWindowExA(list_, nullptr, "ComboBox", nullptr);
    ASSERT_NE(inner_, nullptr);
    g_commands.clear();
  }
  void TearDown() override { DestroyWindow(parent_); }

  // What the inner list sends when the user ends a choice.
  void EndChoiceAt(int innerIndex) {
    SendMessageA(inner_, CB_SETCURSEL, WPARAM(innerIndex), 0);
    SendMessageA(list_, WM_COMMAND, MAKEWPARAM(0, CBN_SELENDOK), reinterpret_cast<LPARAM>(inner_));
  }
  std::string InnerText(int index) {
    char text[64] = {};
    SendMessageA(inner_, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text));
    return text;
  }

  HWND parent_ = nullptr, list_ = nullptr, inner_ = nullptr;
};

TEST_F(SkinComboBoxTest, CallersSeeOnlyTheirOwnItems) {
  for (const char* name : {"ZELVA K50-200LR", "ZELVA K50F", "ZELVA K50-300ER"})
    SendMessageA(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  EXPECT_EQ(SendMessageA(list_, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(InnerText(0), "Header");
  EXPECT_EQ(InnerText(4), "Footer");
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), -1);

  SendMessageA(list_, CB_SETITEMDATA, 2, 300);
  EXPECT_EQ(SendMessageA(list_, CB_GETITEMDATA, 2, 0), 300);
  EXPECT_EQ(SendMessageA(inner_, CB_GETITEMDATA, 3, 0), 300);

  SendMessageA(list_, CB_SETCURSEL, 0, 0);
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(InnerText(int(SendMessageA(inner_, CB_GETCURSEL, 0, 0))), "ZELVA K50-200LR");
}

TEST_F(SkinComboBoxTest, ChoosingTheFrameItemsKeepsTheSelectionAndTellsNobody) {
  for (const char* name : {"One", "Two", "Three"}) SendMessageA(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  EndChoiceAt(2);
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), 1);
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0], MAKEWPARAM(77, CBN_SELENDOK));

  EndChoiceAt(0);  // "Header"
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), 1);
  EndChoiceAt(4);  // "Footer"
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(g_commands.size(), 1u);
}

TEST_F(SkinComboBoxTest, HoverButtonTracksTheMouseAndCommandsPlaceWindows) {
  HoverButtonRecord record = {};
  record.repaintParent = 1;
  HoverButtonDescription description{parent_, 1201, 20, 40, 150, 32};
  ASSERT_EQ(host::HostCommand(kHostCreateHoverButton, reinterpret_cast<const char*>(&description), &record), 0);
  ASSERT_NE(record.window, nullptr);
  EXPECT_EQ(GetDlgCtrlID(record.window), 1201);
  LONG_PTR style = GetWindowLongPtrA(record.window, GWL_STYLE);
  EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
  EXPECT_TRUE(style & SS_NOTIFY);

  SendMessageA(record.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(record.hovered, 1);
  SendMessageA(record.window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hovered, 0);
  g_commands.clear();

  WindowPlacement to{60, 70, 100, 24};
  ASSERT_EQ(host::HostCommand(kHostMoveWindow, reinterpret_cast<const char*>(&to), record.window), 0);
  RECT r;
  GetWindowRect(record.window, &r);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 60);
  EXPECT_EQ(r.top, 70);
  EXPECT_EQ(r.right - r.left, 100);
  EXPECT_EQ(r.bottom - r.top, 24);
}

}  // namespace
