// The home page as the host sees it: settings, showing and hiding, scrolling,
// the header's artwork, and the host's windows going first.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "SettingsTestHost.h"

namespace zelva::testing {
namespace {

class HomePage : public SettingsHost {};

const char kOpenPdf[] = "Open PDF manuals in an external viewer";
const char kCheckUpdates[] = "Check for updates at start-up";

TEST_F(HomePage, CheckBoxesSaveAndShowingAgainKeepsEverythingAndRereadsTheHostState) {
  context_.openPdfExternally = 1;
  context_.fileAssociation = 1;
  Load();
  Add(MakeNotification("Before hiding", "first", "", {"Ignore"}, nullptr));
  ASSERT_TRUE(Show());
  EXPECT_NE(FindVisible("Static", "Package files (.zlp) open with ZELVA Hangardesk"), nullptr);
  HWND pdf = FindVisible("Button", kOpenPdf);
  ASSERT_EQ(SendMessageA(pdf, BM_GETCHECK, 0, 0), BST_CHECKED);
  Click(pdf);
  EXPECT_EQ(context_.openPdfExternally, 0);
  EXPECT_EQ(CallsOf(kHostSaveSettings), 1);

  Hide();
  EXPECT_EQ(FindVisible("Button", "Ignore"), nullptr);
  EXPECT_FALSE(IsWindowVisible(Page()));
  // Another product's window shares the content area meanwhile.
  Add(MakeNotification("While hidden", "second", "", {"Install Update"}, nullptr));
  context_.fileAssociation = 0;
  context_.checkForUpdates = 1;
  SetWindowPos(content_, nullptr, 0, 0, 700, 480, SWP_NOMOVE | SWP_NOZORDER);

  ASSERT_TRUE(Show());
  EXPECT_NE(FindVisible("Button", "Ignore"), nullptr);
  EXPECT_NE(FindVisible("Button", "Install Update"), nullptr);
  EXPECT_NE(FindVisible("Static", "Package files (.zlp) are not associated with ZELVA Hangardesk"), nullptr);
  EXPECT_EQ(SendMessageA(FindVisible("Button", kCheckUpdates), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ReportedCounts(), (std::vector<INT_PTR>{1, 2}));
  RECT page;
  GetClientRect(Page(), &page);
  EXPECT_TRUE(page.right == 700 && page.bottom == 480);
}

TEST_F(HomePage, LongListScrollsWithTheWheelAndHomeReturnsToTheTop) {
  Load();
  SetWindowPos(content_, nullptr, 0, 0, 700, 420, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(Show());
  for (int i = 0; i < 7; ++i)
    Add(MakeNotification("Older notification", "Filling the list.", "", {"Ignore"}, nullptr));
  Add(MakeNotification("Newest", "On top.", "", {"Install Update"}, nullptr));
  HWND newest = FindVisible("Button", "Install Update");
  ASSERT_NE(newest, nullptr);
  const LONG top = ScreenRect(newest).top;

  // The host's mouse hook sends the wheel to whatever window is under the
  // pointer: here a button inside a notification.
  SendMessageA(newest, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  Pump();
  const LONG scrolled = ScreenRect(newest).top;
  EXPECT_LT(scrolled, top);

  // Over the header, the page passes the turn on to the list.
  const RECT page = ScreenRect(Page());
  SendMessageA(Page(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(page.left + 5, page.top + 5));
  Pump();
  EXPECT_LT(ScreenRect(newest).top, scrolled);

  Execute(kSettingsHomePressed);
  EXPECT_EQ(ScreenRect(newest).top, top);
}

// A pixel near the top-right corner of the page's own drawing (the header,
// beside the version text), printed into a bitmap.
COLORREF HeaderCorner(HWND page) {
  RECT size;
  GetClientRect(page, &size);
  HDC screen = GetDC(page), dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size.right, size.bottom);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  SendMessageA(page, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  const COLORREF pixel = GetPixel(dc, size.right - 3, 3);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(page, screen);
  return pixel;
}

TEST_F(HomePage, HeaderUsesTheHostArtworkWhenTheHostHasIt) {
  headerImageNumber_ = 131;  // a plain red PNG among the test program's resources
  Load();
  ASSERT_TRUE(Show());
  EXPECT_EQ(HeaderCorner(Page()), RGB(200, 30, 30));
}

// At close the host may destroy its windows before it unloads the module.
LRESULT CALLBACK CountingPanel(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static int destroyed = 0;
  if (message == WM_APP) return destroyed;
  if (message == WM_DESTROY) ++destroyed;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(HomePage, SurvivesTheHostDestroyingItsWindowsFirst) {
  Load();
  ASSERT_TRUE(Show());
  const INT_PTR panel = Add(MakePanel("download", &CountingPanel, 100, ""));
  const INT_PTR notification = Add(MakeNotification("Update", "text", "", {"Ignore"}, nullptr));
  ASSERT_TRUE(panel != 0 && notification != 0);
  const LRESULT destroyedBefore = CountingPanel(nullptr, WM_APP, 0, 0);
  DestroyWindow(frame_);
  Pump();
  EXPECT_EQ(CountingPanel(nullptr, WM_APP, 0, 0), destroyedBefore + 1);

  Remove(panel);
  Remove(notification);
  EXPECT_NE(Add(MakeNotification("Late", "after the window", "", {"Ignore"}, nullptr)), 0);
  Unload();
}

}  // namespace
}  // namespace zelva::testing
