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

RECT RectIn(HWND window, HWND relativeTo) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

struct TreeItem {
  std::string text;
  LPARAM page;
  bool expanded;
  int level;
};

void ReadTree(HWND tree, std::vector<TreeItem>& items, HTREEITEM item, int level = 0) {
  for (; item != nullptr; item = TreeView_GetNextSibling(tree, item)) {
    char text[64] = {};
    TVITEMA data = {};
    data.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    data.hItem = item;
    data.stateMask = TVIS_EXPANDED;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    items.push_back({text, data.lParam, (data.state & TVIS_EXPANDED) != 0, level});
    ReadTree(tree, items, TreeView_GetChild(tree, item), level + 1);
  }
}
std::vector<TreeItem> ReadTree(HWND tree) {
  std::vector<TreeItem> items;
  ReadTree(tree, items, TreeView_GetRoot(tree));
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
    host::Context().menuTree = tree_;
    host::Context().mainWindow = main_;
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

TEST_F(ProductWindowTest, ShowsPageZeroUnderTheHeaderAndTheWheelScrollsTheTallPageByALine) {
  ShowInstalled();
  RECT r = RectIn(product_, area_);
  EXPECT_EQ(r.right - r.left, kAreaWidth - 3);
  EXPECT_EQ(r.bottom - r.top, kAreaHeight - 10);
  EXPECT_TRUE(IsWindowVisible(Item(kHeader)));
  EXPECT_FALSE(IsWindowVisible(Item(kLinkButton)));
  EXPECT_EQ(Count(k50_.Log(), "ZELVA K50X - Showing page 0\r\n"), 1u);

  // Page 0 is taller than the room under the header, not wider than the window.
  ASSERT_NE(Page(), nullptr);
  RECT page = RectIn(Page(), Item(kPageArea));
  int limit = 120 - kAreaHeight + (page.bottom - page.top) + 20;
  ASSERT_GT(limit, 0);
  ASSERT_TRUE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_FALSE(IsWindowVisible(Item(kHorizontalBar)));
  EXPECT_EQ(Bar(kVerticalBar).nMax, limit + 59);
  // The host's mouse hook hands the wheel to the window under the pointer.
  Wheel(Page(), -WHEEL_DELTA);
  Wheel(product_, -WHEEL_DELTA);
  EXPECT_EQ(PageTop(), -40);
  Wheel(Item(kPageArea), WHEEL_DELTA);
  Wheel(product_, WHEEL_DELTA);
  Wheel(product_, WHEEL_DELTA);
  EXPECT_EQ(PageTop(), 0);
  Scroll(SB_PAGEDOWN);
  EXPECT_EQ(Bar(kVerticalBar).nPos, 100);
  for (int i = 0; i < 100; ++i) Scroll(SB_LINEDOWN);
  EXPECT_EQ(Bar(kVerticalBar).nPos, limit);
  EXPECT_EQ(PageTop(), -limit);
}

TEST_F(ProductWindowTest, PageThatFitsGetsNoBarsUntilTheHostShrinksTheArea) {
  ShowInstalled();
  k50_.module().menuChange(1);
  EXPECT_FALSE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_FALSE(IsWindowVisible(Item(kHorizontalBar)));

  // The host shrinks its content area, then forwards its WM_SIZE.
  SetWindowPos(area_, nullptr, 0, 0, 500, 330, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(k50_.Command(kModuleResize, SIZE_RESTORED, MAKELPARAM(781, 417)), 0);
  EXPECT_TRUE(IsWindowVisible(Item(kVerticalBar)));
  EXPECT_TRUE(IsWindowVisible(Item(kHorizontalBar)));
  SendMessageA(product_, WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(Item(kHorizontalBar)));
  EXPECT_EQ(RectIn(Page(), Item(kPageArea)).left, -20);
}

TEST_F(ProductWindowTest, InstalledProductShowsEveryItemOnceHoweverOftenItIsShown) {
  ShowInstalled();
  std::vector<TreeItem> items = ReadTree(tree_);
  ASSERT_EQ(items.size(), 9u);
  EXPECT_TRUE(items[0].text == "ZELVA K50-200LR/F" && items[0].expanded);
  EXPECT_TRUE(items[3].text == "Livery Manager" && items[3].page == 1);
  EXPECT_TRUE(items[7].text == "Expansions" && items[7].expanded && items[8].level == 1);
  EXPECT_EQ(host::Context().currentSimulator, kSimulatorFsx);

  HWND first = product_;
  ASSERT_EQ(k50_.module().show(area_), 1);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(ReadTree(tree_).size(), 9u);
  k50_.module().hide();
  EXPECT_EQ(TreeView_GetCount(tree_), 0u);
  EXPECT_EQ(FindWindowExA(area_, nullptr, "#32770", nullptr), nullptr);
}

TEST_F(ProductWindowTest, ProductNotInstalledShowsOnlyItsRootAndTheExpansions) {
  k50_.InstallVariant("ZELVA K50-200LR");  // present, but not registered
  Show();
  std::vector<TreeItem> items = ReadTree(tree_);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[2].text, "ZELVA K50-300ER");
  EXPECT_FALSE(items[1].expanded);
  EXPECT_EQ(host::Context().currentSimulator, 0);
}

TEST_F(ProductWindowTest, EachMenuChangeCreatesItsPageAnewAndPagesGoBack) {
  ShowInstalled();
  k50_.module().menuChange(9);
  HWND first = Page();
  ASSERT_NE(first, nullptr);
  SetPropA(first, "zelva.test", reinterpret_cast<HANDLE>(1));
  k50_.module().menuChange(0x109);  // only the low byte counts
  HWND second = Page();
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetPropA(second, "zelva.test"), nullptr);
  EXPECT_FALSE(IsWindow(first));  // one page at a time

  // The Performance Manager's button goes back to page 0, with its height.
  k50_.module().menuChange(2);
  HWND page = Page();
  SendMessageA(GetDlgItem(page, 1002), BM_CLICK, 0, 0);
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
  EXPECT_FALSE(IsWindow(page));
  EXPECT_EQ(Count(k50_.Log(), "ZELVA K50X - Showing page 0\r\n"), 2u);
  EXPECT_TRUE(IsWindowVisible(Item(kVerticalBar)));

  // A number that is no page leaves the window empty, with nothing to scroll.
  k50_.module().menuChange(12);
  EXPECT_EQ(Page(), nullptr);
  EXPECT_FALSE(IsWindowVisible(Item(kVerticalBar)));
  Wheel(product_, -WHEEL_DELTA);
  EXPECT_TRUE(IsWindow(product_));
}

TEST_F(ProductWindowTest, HeaderAndLinkButtonFollowTheirCommands) {
  ShowInstalled();
  k50_.module().menuChange(1);
  EXPECT_EQ(k50_.Command(kModuleSetHeaderImage, 0), kResultUnknown);
  EXPECT_FALSE(IsWindowVisible(Item(kHeader)));
  EXPECT_EQ(RectIn(Item(kPageArea), product_).top, 10);
  EXPECT_EQ(k50_.Command(kModuleSetHeaderImage, 193), kResultUnknown);
  EXPECT_TRUE(IsWindowVisible(Item(kHeader)));
  EXPECT_EQ(RectIn(Item(kPageArea), product_).top, 130);

  // The button goes with the next page.
  k50_.Command(kModuleSetLinkButton, reinterpret_cast<INT_PTR>("https://example.test/k50"), 1);
  k50_.Command(kModuleShowLiveryManager);
  EXPECT_FALSE(IsWindowVisible(Item(kLinkButton)));
  EXPECT_EQ(Count(k50_.Log(), "ZELVA K50X - Showing page 1\r\n"), 2u);
}

}  // namespace
