#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HeapCheck.h"
#include "HostCommands.h"
#include "HostState.h"
#include "SkinComboBox.h"
#include "ZelvaContract.h"

using namespace zelva;

namespace {

TEST(NamedImages, LookupIgnoresCaseAndUnknownNamesGiveMinusOne) {
  EXPECT_EQ(host::HostCommand(kHostFindImage, "large button", nullptr),
            host::HostCommand(kHostFindImage, "Large Button", nullptr));
  EXPECT_GE(host::HostCommand(kHostFindImage, "Large Button", nullptr), 0);
  EXPECT_EQ(host::HostCommand(kHostFindImage, "Large Button ", nullptr), -1);
  EXPECT_EQ(host::HostCommand(kHostFindImage, nullptr, nullptr), -1);
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

  HWND parent_ = nullptr, list_ = nullptr, inner_ = nullptr;
};

TEST_F(SkinComboBoxTest, CallersSeeOnlyTheirOwnItemsAndFrameItemsChooseNothing) {
  for (const char* name : {"One", "Two", "Three"}) SendMessageA(list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
  EXPECT_EQ(SendMessageA(list_, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), -1);  // not the frame's -2
  SendMessageA(list_, CB_SETITEMDATA, 2, 300);
  EXPECT_EQ(SendMessageA(inner_, CB_GETITEMDATA, 3, 0), 300);

  for (int inner : {2, 0, 4}) {  // "Two", then the frame's header and footer
    EndChoiceAt(inner);
    EXPECT_EQ(SendMessageA(list_, CB_GETCURSEL, 0, 0), 1) << inner;
  }
  ASSERT_EQ(g_commands.size(), 1u);
  EXPECT_EQ(g_commands[0], MAKEWPARAM(77, CBN_SELENDOK));
}

// Refuses every window created inside a skinned list: its inner combo box.
int g_refusedInner = 0;
LRESULT CALLBACK RefuseInnerList(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND) {
    HWND parent = reinterpret_cast<CBT_CREATEWNDA*>(l)->lpcs->hwndParent;
    char name[64] = {};
    if (parent != nullptr && GetClassNameA(parent, name, sizeof(name)) > 0 && lstrcmpA(name, kSkinComboBoxClass) == 0) {
      ++g_refusedInner;
      return 1;
    }
  }
  return CallNextHookEx(nullptr, code, w, l);
}

TEST(SkinComboBoxCreation, InnerListThatCannotBeCreatedFreesTheListOnce) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  host::ResetContext(instance);
  ASSERT_TRUE(skin::RegisterSkinComboBox(instance));
  HWND parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
  ASSERT_NE(parent, nullptr);
  HHOOK hook = SetWindowsHookExA(WH_CBT, &RefuseInnerList, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  g_refusedInner = 0;
  HWND list = nullptr;
  int repeatedFrees = 0, liveBlocks = 0;
  {
    zelva::testing::HeapCheck heap;
    // Longer than a string keeps inline, so the list's own text is a block too.
    SkinComboBoxParameters parameters{kSkinComboBoxDark, "Choose one of the installed variants"};
    list = CreateWindowA(kSkinComboBoxClass, "", WS_CHILD, 0, 0, 232, 200, parent, nullptr, instance, &parameters);
    repeatedFrees = heap.repeatedFrees();
    liveBlocks = heap.liveBlocks();
  }
  UnhookWindowsHookEx(hook);
  DestroyWindow(parent);
  EXPECT_EQ(g_refusedInner, 1);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(repeatedFrees, 0);
  EXPECT_EQ(liveBlocks, 0);  // and nothing left behind either
}

TEST_F(SkinComboBoxTest, HoverButtonTracksTheMouse) {
  HoverButtonRecord record = {};
  record.repaintParent = 1;
  HoverButtonDescription description{parent_, 1201, 20, 40, 150, 32};
  ASSERT_EQ(host::HostCommand(kHostCreateHoverButton, reinterpret_cast<const char*>(&description), &record), 0);
  ASSERT_NE(record.window, nullptr);
  EXPECT_EQ(GetDlgCtrlID(record.window), 1201);
  SendMessageA(record.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(record.hovered, 1);
  SendMessageA(record.window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.hovered, 0);
}

}  // namespace
