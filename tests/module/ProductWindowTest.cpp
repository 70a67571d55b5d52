// The real module's product window and menu tree in windows of this process
// that stand in for the host's content area and tree view.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostState.h"
#include "K50Setup.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kAreaWidth = 819, kAreaHeight = 568;  // the host's content area at its start size
constexpr int kPageArea = 1007, kHorizontalBar = 1009, kVerticalBar = 1010, kHeader = 1011, kLinkButton = 1014;

size_t Count(const std::string& log, const std::string& text) {
  size_t n = 0;
  for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) ++n;
  return n;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

RECT RectIn(HWND window, HWND relativeTo) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct TreeItem {
  std::string text;
  LPARAM page;
  int image;
  bool expanded;
  int level;
};

std::vector<TreeItem> ReadTree(HWND tree) {
  std::vector<TreeItem> items;
  struct Walker {
    HWND tree;
    std::vector<TreeItem>& items;
    void Walk(HTREEITEM item, int level) {
      for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
        char text[64] = {};
        TVITEMA data = {};
        data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_STATE;
        data.hItem = item;
        data.pszText = text;
        data.cchTextMax = sizeof(text);
        data.stateMask = TVIS_EXPANDED;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        items.push_back({text, data.lParam, data.iImage, (data.state & TVIS_EXPANDED) != 0, level});
        Walk(TreeView_GetChild(tree, item), level + 1);
      }
    }
  } walker{tree, items};
  walker.Walk(TreeView_GetRoot(tree), 0);
  return items;
}

class ProductWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    main_ = CreateWindowExA(0, "STATIC", "stand-in main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100, 655,
                            nullptr, nullptr, nullptr, nullptr);
    area_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, kAreaWidth, kAreaHeight,
                            main_, nullptr, nullptr, nullptr);
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, 23, 100,
                            232, 140, main_, nullptr, nullptr, nullptr);
    HostContext& context = host::Context();
    context.menuTree = tree_;
    context.mainWindow = main_;
  }
  void TearDown() override {
    k50_.Unload();
    DestroyWindow(main_);
  }
  void ShowInstalled() {
    k50_.RegisterProduct();
    k50_.InstallVariant("ZELVA K50-200LR");
    Show();
  }
  void Show() {
    ASSERT_TRUE(k50_.Load());
    ASSERT_EQ(k50_.module().show(area_), 1);
    product_ = FindWindowExA(area_, nullptr, "#32770", nullptr);
    ASSERT_NE(product_, nullptr);
  }
  HWND Item(int id) const { return GetDlgItem(product_, id); }
  HWND Page() const { return GetWindow(Item(kPageArea), GW_CHILD); }
  SCROLLINFO Bar(int id) const {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(Item(id), SB_CTL, &info);
    return info;
  }
  void Wheel(HWND target, int delta) { SendMessageA(target, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(short(delta))), 0); }
  void Scroll(int code) { SendMessageA(product_, WM_VSCROLL, code, reinterpret_cast<LPARAM>(Item(kVerticalBar))); }
  int PageTop() const { return RectIn(Page(), Item(kPageArea)).top; }

  K50Setup k50_;
  HWND main_ = nullptr, area_ = nullptr, tree_ = nullptr, product_ = nullptr;
};

TEST_F(ProductWindowTest, ShowsPageZeroUnderTheHeaderInsideTheContentArea) {
  ShowInstalled();
  RECT r = RectIn(product_, area_);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.top, 7);
  EXPECT_EQ(r.right - r.left, kAreaWidth - 3);
  EXPECT_EQ(r.bottom - r.top, kAreaHeight - 10);
  EXPECT_TRUE(IsWindowVisible(product_));

  RECT header = RectIn(Item(kHeader), product_);
  EXPECT_EQ(header.left, 10);
  EXPECT_EQ(header.top, 7);
  EXPECT_EQ(header.right - header.left, kAreaWidth - 20);
  EXPECT_EQ(header.bottom - header.top, int((kAreaWidth - 20) / 7.4));
  EXPECT_TRUE(IsWindowVisible(Item(kHeader)));
  EXPECT_FALSE(IsWindowVisible(Item(kLinkButton)));

  std::string log = k50_.Log();
  EXPECT_EQ(Count(log, "ZELVA K50X - Showing product\r\n"), 1u);
  EXPECT_EQ(Count(log, "ZELVA K50X - Showing page 0\r\n"), 1u);
  EXPECT_LT(log.find("Showing product"), log.find("Showing page 0"));
  ASSERT_NE(Page(), nullptr);
  EXPECT_TRUE(IsWindowVisible(Page()));
}

TEST_F(ProductWindowTest, TallPageGetsTheVerticalBarAndTheWheelScrollsByALine) {
  ShowInstalled();
  // Page 0 is taller than the room under the header.
  RECT page = RectIn(Page(), Item(kPageArea));
  int pageHeight = page.bottom - page.top;
  ASSERT_GT(pageHeight, kAreaHeight - 120);
  int limit = 120 - kAreaHeight + pageHeight + 20;

  ASSERT_TRUE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_FALSE(IsWindowVisible(Item(kHorizontalBar)));  // the page is not wider than the window
  SCROLLINFO bar = Bar(kVerticalBar);
  EXPECT_EQ(bar.nMin, 0);
  EXPECT_EQ(bar.nMax, limit + 59);
  EXPECT_EQ(bar.nPage, 60u);
  EXPECT_EQ(bar.nPos, 0);
  RECT barRect = RectIn(Item(kVerticalBar), product_);
  EXPECT_EQ(barRect.left, kAreaWidth - 30);
  EXPECT_EQ(barRect.top, 130);
  EXPECT_EQ(barRect.bottom - barRect.top, kAreaHeight - 160);
  RECT area = RectIn(Item(kPageArea), product_);
  EXPECT_EQ(area.bottom - area.top, kAreaHeight - 160);

  Wheel(product_, -WHEEL_DELTA);
  EXPECT_EQ(Bar(kVerticalBar).nPos, 20);
  EXPECT_EQ(PageTop(), -20);
  // The host's mouse hook hands the wheel to the window under the pointer.
  Wheel(Page(), -WHEEL_DELTA);
  EXPECT_EQ(Bar(kVerticalBar).nPos, 40);
  Wheel(Item(kPageArea), WHEEL_DELTA);
  Wheel(product_, WHEEL_DELTA);
  Wheel(product_, WHEEL_DELTA);
  EXPECT_EQ(Bar(kVerticalBar).nPos, 0);
  EXPECT_EQ(PageTop(), 0);

  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(Bar(kVerticalBar).nPos, 100);
  Scroll(SB_LINEUP);
  EXPECT_EQ(PageTop(), -80);
  for (int i = 0; i < 100; ++i) Scroll(SB_LINEDOWN);
  EXPECT_EQ(Bar(kVerticalBar).nPos, limit);
  EXPECT_EQ(PageTop(), -limit);
}

TEST_F(ProductWindowTest, PageThatFitsFillsTheAreaAndFollowsTheHostsResize) {
  ShowInstalled();
  k50_.module().menuChange(1);
  EXPECT_FALSE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_FALSE(IsWindowVisible(Item(kHorizontalBar)));
  RECT area = RectIn(Item(kPageArea), product_);
  EXPECT_EQ(area.left, 10);
  EXPECT_EQ(area.top, 130);
  EXPECT_EQ(area.right - area.left, kAreaWidth - 20);
  EXPECT_EQ(area.bottom - area.top, kAreaHeight - 150);
  RECT page = RectIn(Page(), Item(kPageArea));
  EXPECT_EQ(page.left, 0);
  EXPECT_EQ(page.top, 0);
  EXPECT_EQ(page.right, kAreaWidth - 20);
  EXPECT_EQ(page.bottom, kAreaHeight - 150);

  // The host shrinks its content area, then forwards its WM_SIZE.
  SetWindowPos(area_, nullptr, 0, 0, 500, 330, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(k50_.Command(kModuleResize, SIZE_RESTORED, MAKELPARAM(781, 417)), 0);
  RECT product = RectIn(product_, area_);
  EXPECT_EQ(product.right - product.left, 497);
  EXPECT_EQ(product.bottom - product.top, 320);
  EXPECT_TRUE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_TRUE(IsWindowVisible(Item(kHorizontalBar)));  // now narrower than the page
  SCROLLINFO horizontal = Bar(kHorizontalBar);
  RECT pageNow = RectIn(Page(), Item(kPageArea));
  EXPECT_EQ(horizontal.nMax, (pageNow.right - pageNow.left) - 500 + 40 + 59);
  SendMessageA(product_, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(Item(kHorizontalBar)));
  EXPECT_EQ(RectIn(Page(), Item(kPageArea)).left, -20);
}

TEST_F(ProductWindowTest, InstalledProductShowsEveryItemWithBothRootsExpanded) {
  ShowInstalled();
  std::vector<TreeItem> items = ReadTree(tree_);
  const TreeItem expected[] = {
      {"ZELVA K50-200LR/F", 0, 2, true, 0},  {"Aircraft Specific Settings", 4, 0, false, 1},
      {"Sound Settings", 8, 6, false, 1},    {"Livery Manager", 1, 4, false, 1},
      {"Livery Downloader", 6, 4, false, 1}, {"Version", 5, 1, false, 1},
      {"Documentation", 3, 3, false, 1},     {"Expansions", 9, 2, true, 0},
      {"ZELVA K50-300ER", 9, 2, false, 1},
  };
  ASSERT_EQ(items.size(), sizeof(expected) / sizeof(expected[0]));
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i].text, expected[i].text) << i;
    EXPECT_EQ(items[i].page, expected[i].page) << i;
    EXPECT_EQ(items[i].image, expected[i].image) << i;
    EXPECT_EQ(items[i].level, expected[i].level) << i;
    if (expected[i].level == 0) {
      EXPECT_EQ(items[i].expanded, expected[i].expanded) << i;
    }
  }
  HIMAGELIST icons = TreeView_GetImageList(tree_, TVSIL_NORMAL);
  ASSERT_NE(icons, nullptr);
  EXPECT_EQ(ImageList_GetImageCount(icons), 7);
  EXPECT_EQ(host::Context().currentSimulator, kSimulatorFsx);
  EXPECT_TRUE(k50_.Logged("ZELVA K50X - Creating menu tree\r\n"));
  EXPECT_TRUE(k50_.Logged("\tProduct Installed: 1\r\n"));

  k50_.module().hide();
  EXPECT_EQ(TreeView_GetCount(tree_), 0u);
  EXPECT_EQ(TreeView_GetImageList(tree_, TVSIL_NORMAL), nullptr);
  EXPECT_FALSE(IsWindow(product_));
}

TEST_F(ProductWindowTest, ProductNotInstalledShowsOnlyItsRootAndTheExpansions) {
  k50_.InstallVariant("ZELVA K50-200LR");  // present, but not registered
  Show();
  std::vector<TreeItem> items = ReadTree(tree_);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "ZELVA K50-200LR/F");
  EXPECT_EQ(items[1].text, "Expansions");
  EXPECT_EQ(items[2].text, "ZELVA K50-300ER");
  EXPECT_FALSE(items[1].expanded);
  EXPECT_EQ(host::Context().currentSimulator, 0);
  EXPECT_TRUE(k50_.Logged("\tProduct Installed: 0\r\n"));
}

TEST_F(ProductWindowTest, SelectingTheSamePageAgainCreatesItAnew) {
  ShowInstalled();
  k50_.module().menuChange(9);
  HWND first = Page();
  ASSERT_NE(first, nullptr);
  SetPropA(first, "zelva.test", reinterpret_cast<HANDLE>(1));
  k50_.module().menuChange(0x109);  // only the low byte counts
  HWND second = Page();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetPropA(second, "zelva.test"), nullptr);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), nullptr);  // one page at a time
  std::string log = k50_.Log();
  EXPECT_EQ(Count(log, "ZELVA K50X - Menu changed to page 9\r\n"), 2u);
  EXPECT_EQ(Count(log, "ZELVA K50X - Showing page 9\r\n"), 2u);
}

TEST_F(ProductWindowTest, PerformanceManagerGoesBackToTheMainPage) {
  ShowInstalled();
  k50_.module().menuChange(2);
  HWND page = Page();
  char caption[64] = {};
  GetDlgItemTextA(page, 1001, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Performance Manager");
  HWND back = GetDlgItem(page, 1002);
  GetWindowTextA(back, caption, sizeof(caption));
  EXPECT_STREQ(caption, "<-- Back to Main");
  SendMessageA(back, BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(IsWindow(page));
  EXPECT_EQ(Count(k50_.Log(), "ZELVA K50X - Showing page 0\r\n"), 2u);
  EXPECT_TRUE(IsWindowVisible(Item(kVerticalBar)));  // page 0 again, with its height
}

TEST_F(ProductWindowTest, HeaderCanBeSwitchedOffAndOnByCommand) {
  ShowInstalled();
  k50_.module().menuChange(1);
  EXPECT_EQ(k50_.Command(kModuleSetHeaderImage, 0), kResultUnknown);
  EXPECT_FALSE(IsWindowVisible(Item(kHeader)));
  RECT area = RectIn(Item(kPageArea), product_);
  EXPECT_EQ(area.top, 10);
  EXPECT_EQ(area.bottom - area.top, kAreaHeight - 30);

  EXPECT_EQ(k50_.Command(kModuleSetHeaderImage, 193), kResultUnknown);
  EXPECT_TRUE(IsWindowVisible(Item(kHeader)));
  EXPECT_EQ(RectIn(Item(kPageArea), product_).top, 130);
}

TEST_F(ProductWindowTest, LinkButtonAppearsWhereAskedAndGoesWithTheNextPage) {
  ShowInstalled();
  k50_.Command(kModuleSetLinkButton, reinterpret_cast<INT_PTR>("https://example.test/k50"), 1);
  ASSERT_TRUE(IsWindowVisible(Item(kLinkButton)));
  RECT button = RectIn(Item(kLinkButton), product_);
  EXPECT_EQ(button.left, 690);
  EXPECT_EQ(button.top, 84);
  k50_.Command(kModuleSetLinkButton, reinterpret_cast<INT_PTR>("https://example.test/k50"), 2);
  EXPECT_EQ(RectIn(Item(kLinkButton), product_).left, 20);
  k50_.Command(kModuleSetLinkButton, 0, 1);
  EXPECT_FALSE(IsWindowVisible(Item(kLinkButton)));

  k50_.Command(kModuleSetLinkButton, reinterpret_cast<INT_PTR>("https://example.test/k50"), 1);
  k50_.Command(kModuleShowLiveryManager);
  EXPECT_FALSE(IsWindowVisible(Item(kLinkButton)));
  EXPECT_TRUE(k50_.Logged("ZELVA K50X - Showing page 1\r\n"));
}

TEST_F(ProductWindowTest, NumberThatIsNoPageLeavesTheWindowEmpty) {
  ShowInstalled();
  ASSERT_TRUE(IsWindowVisible(Item(kVerticalBar)));
  k50_.module().menuChange(12);
  EXPECT_EQ(Page(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_TRUE(k50_.Logged("ZELVA K50X - Showing page 12\r\n"));
  Wheel(product_, -WHEEL_DELTA);  // nothing to scroll
  EXPECT_TRUE(IsWindow(product_));
}

TEST_F(ProductWindowTest, ShowingAgainReplacesWindowAndMenu) {
  ShowInstalled();
  HWND first = product_;
  ASSERT_EQ(k50_.module().show(area_), 1);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(ReadTree(tree_).size(), 9u);
  k50_.Unload();  // unloading hides
  EXPECT_EQ(FindWindowExA(area_, nullptr, "#32770", nullptr), nullptr);
  EXPECT_EQ(TreeView_GetCount(tree_), 0u);
}

}  // namespace
