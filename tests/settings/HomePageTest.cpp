// The home page as the host sees it: exports, settings, showing and hiding,
// scrolling, the header's artwork, and the host's windows going first.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "SettingsTestHost.h"

namespace zelva::testing {
namespace {

class HomePage : public SettingsHost {};

const char kOpenPdf[] = "Open PDF manuals in an external viewer";
const char kCheckUpdates[] = "Check for updates at start-up";
const char kAssociated[] = "Package files (.zlp) open with ZELVA Hangardesk";
const char kNotAssociated[] = "Package files (.zlp) are not associated with ZELVA Hangardesk";

TEST_F(HomePage, DescribesItselfAndAnswersOnlyItsCommands) {
  Load();
  EXPECT_STREQ(info_.displayName, "Home");
  EXPECT_STREQ(info_.shortName, "Settings");
  for (int32_t command : {-1, 0, 1, 2, 3, 8, 9, 14, 99})
    EXPECT_EQ(Execute(command, 0, 0), kResultUnknown) << command;
  EXPECT_EQ(Execute(kSettingsHomeClosesPopup), 0);
  EXPECT_EQ(Execute(kSettingsRemovePanel, 42), 0);
}

TEST_F(HomePage, CheckBoxesWriteTheSharedSettingsAndAskTheHostToSave) {
  context_.openPdfExternally = 1;
  context_.checkForUpdates = 0;
  Load();
  ASSERT_TRUE(Show());
  HWND pdf = FindVisible("Button", kOpenPdf);
  HWND updates = FindVisible("Button", kCheckUpdates);
  ASSERT_TRUE(pdf != nullptr && updates != nullptr);
  EXPECT_EQ(SendMessageA(pdf, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageA(updates, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(CallsOf(kHostSaveSettings), 0);

  Click(pdf);
  EXPECT_EQ(context_.openPdfExternally, 0);
  EXPECT_EQ(CallsOf(kHostSaveSettings), 1);
  Click(updates);
  EXPECT_EQ(context_.checkForUpdates, 1);
  EXPECT_EQ(context_.openPdfExternally, 0);
  EXPECT_EQ(CallsOf(kHostSaveSettings), 2);
}

TEST_F(HomePage, ShowingAgainKeepsEverythingAndRereadsTheHostState) {
  context_.fileAssociation = 1;
  Load();
  Add(MakeNotification("Before hiding", "first", "", {"Ignore"}, nullptr));
  ASSERT_TRUE(Show());
  EXPECT_NE(FindVisible("Static", kAssociated), nullptr);

  Hide();
  EXPECT_EQ(FindVisible("Button", "Ignore"), nullptr);
  EXPECT_FALSE(IsWindowVisible(Page()));
  // Another product's window shares the content area meanwhile.
  Add(MakeNotification("While hidden", "second", "", {"Install Update"}, nullptr));
  context_.fileAssociation = 0;
  context_.checkForUpdates = 1;

  ASSERT_TRUE(Show());
  EXPECT_NE(FindVisible("Button", "Ignore"), nullptr);
  EXPECT_NE(FindVisible("Button", "Install Update"), nullptr);
  EXPECT_NE(FindVisible("Static", kNotAssociated), nullptr);
  EXPECT_EQ(SendMessageA(FindVisible("Button", kCheckUpdates), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ReportedCounts(), (std::vector<INT_PTR>{1, 2}));
}

TEST_F(HomePage, FillsTheContentAreaAndFollowsItsSize) {
  Load();
  ASSERT_TRUE(Show());
  HWND page = Page();
  ASSERT_NE(page, nullptr);
  RECT area, pageRect;
  GetClientRect(content_, &area);
  GetClientRect(page, &pageRect);
  EXPECT_EQ(pageRect.right, area.right);
  EXPECT_EQ(pageRect.bottom, area.bottom);

  SetWindowPos(content_, nullptr, 0, 0, 700, 480, SWP_NOMOVE | SWP_NOZORDER);
  Pump();
  GetClientRect(page, &pageRect);
  EXPECT_EQ(pageRect.right, 700);
  EXPECT_EQ(pageRect.bottom, 480);
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
  HWND list = GetParent(GetParent(newest));
  EXPECT_NE(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL, 0);
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
  SendMessageA(newest, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);  // already at the top
  Pump();
  EXPECT_EQ(ScreenRect(newest).top, top);
}

TEST_F(HomePage, ShortListHasNoScrollBar) {
  Load();
  ASSERT_TRUE(Show());
  Add(MakeNotification("Only one", "Fits easily.", "", {"Install Update"}, nullptr));
  HWND button = FindVisible("Button", "Install Update");
  HWND list = GetParent(GetParent(button));
  EXPECT_EQ(GetWindowLongPtrA(list, GWL_STYLE) & WS_VSCROLL, 0);
  const LONG top = ScreenRect(button).top;
  SendMessageA(button, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  Pump();
  EXPECT_EQ(ScreenRect(button).top, top);
}

// The page's own drawing, captured through WM_PRINTCLIENT into a bitmap.
class PageCapture {
 public:
  explicit PageCapture(HWND page) {
    GetClientRect(page, &size_);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size_.right;
    info.bmiHeader.biHeight = -size_.bottom;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    SendMessageA(page, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    GdiFlush();
  }
  ~PageCapture() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const {
    const uint32_t pixel = pixels_[y * size_.right + x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
  }
  const RECT& size() const { return size_; }

 private:
  RECT size_{};
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  uint32_t* pixels_ = nullptr;
};

TEST_F(HomePage, WithoutHostArtworkTheHeaderIsDrawnInTheAccentColour) {
  Load();
  ASSERT_TRUE(Show());
  bool asked = false;
  for (const HostCall& call : calls_) asked |= call.code == kHostFindImage && call.name == "Blue Header Bar";
  EXPECT_TRUE(asked);
  PageCapture capture(Page());
  // A spot in the header's top-right corner, beside the version text.
  EXPECT_EQ(capture.At(capture.size().right - 3, 3), RGB(0x2D, 0x3A, 0x53));
  EXPECT_EQ(capture.At(3, capture.size().bottom - 3), RGB(241, 241, 241));
}

TEST_F(HomePage, HeaderUsesTheHostArtworkWhenTheHostHasIt) {
  headerImageNumber_ = 131;  // a plain red PNG among the test program's resources
  Load();
  ASSERT_TRUE(Show());
  PageCapture capture(Page());
  EXPECT_EQ(capture.At(capture.size().right - 3, 3), RGB(200, 30, 30));
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
