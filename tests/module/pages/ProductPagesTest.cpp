// The product home page and the Expansions page of the real module: when the
// "Buy Now" button shows and where it leads, the installation note, and the
// screenshots that open at full size over the main window.
#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "HomeResources.h"
#include "PageFixture.h"

using namespace zelva::testing;

namespace {

constexpr int kHomePage = 0, kExpansionsPage = 9, kLinkButton = 1014;
constexpr char kBaseShop[] = "\tBuy link: https://www.zelva-sim.com/shop/k50\r";
constexpr char kExpansionShop[] = "\tBuy link: https://www.zelva-sim.com/shop/k50-300er\r";

class ProductPagesTest : public PageFixture {
 protected:
  bool BuyShown() const { return IsWindowVisible(GetDlgItem(product_, kLinkButton)) != FALSE; }
  POINT BuyPlace() const {
    RECT r;
    GetWindowRect(GetDlgItem(product_, kLinkButton), &r);
    POINT at = {r.left, r.top};
    ScreenToClient(product_, &at);
    return at;
  }
  // Clicks a thumbnail and closes the popup it brings with `close`; the
  // popup's place and whether the main window was disabled under it.
  struct Popup {
    bool seen = false;
    RECT place = {};
    bool mainEnabled = true;
  };
  Popup ClickThumbnail(HWND thumbnail, UINT closeMessage, WPARAM closeParameter) {
    Popup popup;
    std::thread watcher([&] {
      auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      HWND window = nullptr;
      while (window == nullptr && std::chrono::steady_clock::now() < deadline) {
        window = FindWindowW(L"ZelvaScreenshotPopup", nullptr);
        if (window == nullptr || !IsWindowVisible(window)) {
          window = nullptr;
          Sleep(10);
        }
      }
      if (window == nullptr) return;
      popup.seen = true;
      GetWindowRect(window, &popup.place);
      popup.mainEnabled = IsWindowEnabled(main_) != FALSE;
      PostMessageW(window, closeMessage, closeParameter, 0);
    });
    // Returns when the popup has faded out and closed.
    SendMessageA(thumbnail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(thumbnail, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    watcher.join();
    return popup;
  }
};

TEST_F(ProductPagesTest, HomePageOffersTheProductOnlyWhileItIsNeitherInstalledNorRegistered) {
  ASSERT_TRUE(Open(kHomePage));
  EXPECT_TRUE(BuyShown());
  EXPECT_EQ(BuyPlace().x, 690);
  EXPECT_EQ(BuyPlace().y, 84);
  EXPECT_TRUE(k50_.Logged(kBaseShop)) << k50_.Log();
  k50_.Unload();

  k50_.RegisterProduct();
  k50_.InstallVariant("ZELVA K50-200LR");
  ASSERT_TRUE(Open(kHomePage));
  EXPECT_FALSE(BuyShown());
  EXPECT_FALSE(k50_.Logged("\tShowing the installation note"));
}

TEST_F(ProductPagesTest, ExpansionIsOfferedWithItsOwnLinkUntilInstalledOrTheKeyIsThere) {
  // A key without DisplayVersion counts as no key.
  k50_.RegisterProductWithoutVersion();
  ASSERT_TRUE(Open(kExpansionsPage));
  EXPECT_TRUE(BuyShown());
  EXPECT_EQ(BuyPlace().x, 690);
  EXPECT_TRUE(k50_.Logged(kExpansionShop)) << k50_.Log();
  k50_.Unload();

  // Key present, the K50-300ER not in this simulator: no Buy, the installation note.
  k50_.RegisterProduct();
  k50_.InstallVariant("ZELVA K50-200LR");
  ASSERT_TRUE(Open(kExpansionsPage));
  EXPECT_FALSE(BuyShown());
  EXPECT_TRUE(k50_.Logged("\tShowing the installation note"));
  k50_.Unload();

  k50_.RegisterExpansion("1.1.0");
  k50_.InstallVariant("ZELVA K50-300ER");
  ASSERT_TRUE(Open(kExpansionsPage));
  EXPECT_FALSE(BuyShown());
}

TEST_F(ProductPagesTest, ThumbnailsOpenTheirPictureCentredOverTheMainWindowUntilClickedOrEscaped) {
  ASSERT_TRUE(Open(kExpansionsPage));
  // The host's nine hover controls.
  HWND first = Control(IDC_HOME_THUMBNAIL_FIRST), ninth = Control(IDC_HOME_THUMBNAIL_FIRST + 8);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(ninth, nullptr);
  EXPECT_EQ(Control(IDC_HOME_THUMBNAIL_FIRST + 9), nullptr);

  Popup escaped = ClickThumbnail(first, WM_KEYDOWN, VK_ESCAPE);
  ASSERT_TRUE(escaped.seen);
  // The 720 x 405 picture in the middle of the 1100 x 655 main window at the origin.
  EXPECT_EQ(escaped.place.left, 190);
  EXPECT_EQ(escaped.place.top, 125);
  EXPECT_EQ(escaped.place.right - escaped.place.left, 720);
  EXPECT_EQ(escaped.place.bottom - escaped.place.top, 405);
  EXPECT_FALSE(escaped.mainEnabled);
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_EQ(FindWindowW(L"ZelvaScreenshotPopup", nullptr), nullptr);

  Popup clicked = ClickThumbnail(ninth, WM_LBUTTONDOWN, MK_LBUTTON);
  ASSERT_TRUE(clicked.seen);
  EXPECT_TRUE(k50_.Logged("Showing screenshot 183\r")) << k50_.Log();
  EXPECT_EQ(FindWindowW(L"ZelvaScreenshotPopup", nullptr), nullptr);

  // The home page's own 25 thumbnails, the last one showing picture 159.
  ASSERT_TRUE(Reopen(kHomePage));
  HWND last = Control(IDC_HOME_THUMBNAIL_LAST);
  ASSERT_NE(last, nullptr);
  ASSERT_TRUE(ClickThumbnail(last, WM_LBUTTONDOWN, MK_LBUTTON).seen);
  EXPECT_TRUE(k50_.Logged("Showing screenshot 159\r"));
}

}  // namespace
