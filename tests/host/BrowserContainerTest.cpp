// The "AX" container and the browser embedding with the system's WebBrowser
// control (Wine has the control, though not the engine that renders pages).
#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include "BrowserContainer.h"
#include "EmbeddedBrowser.h"
#include "HostState.h"

using namespace zelva;
using namespace zelva::document;

namespace {

class BrowserContainerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    OleInitialize(nullptr);
    host::ResetContext(GetModuleHandleA(nullptr));
    parent_ = CreateWindowExA(0, "STATIC", "Browser test", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 640, 480,
                              nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    RemoveBrowser();
    DestroyWindow(parent_);
    OleUninitialize();
  }
  HWND parent_ = nullptr;
};

TEST_F(BrowserContainerTest, HostsTheControlNamedByItsTitleAndNothingElse) {
  ASSERT_TRUE(RegisterContainerClass(GetModuleHandleA(nullptr)));
  ASSERT_TRUE(RegisterContainerClass(GetModuleHandleA(nullptr)));  // again: already there is fine
  HWND container = CreateWindowExW(0, L"AX", kWebBrowserClassId, WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, parent_,
                                   nullptr, nullptr, nullptr);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(SendMessageA(container, kContainerActivateMessage, 1, 0), 1);
  IWebBrowser2* browser = nullptr;
  EXPECT_EQ(SendMessageA(container, kContainerQueryMessage, reinterpret_cast<WPARAM>(&IID_IWebBrowser2),
                         reinterpret_cast<LPARAM>(&browser)),
            S_OK);
  ASSERT_NE(browser, nullptr);
  // In place, the control's own window lives inside the container.
  EXPECT_NE(GetWindow(container, GW_CHILD), nullptr);
  EXPECT_EQ(SendMessageA(container, kContainerActivateMessage, 0, 0), 1);
  browser->Release();
  DestroyWindow(container);

  container = CreateWindowExW(0, L"AX", L"{00000000-1111-2222-3333-444444444444}", WS_CHILD, 0, 0, 100, 100, parent_,
                              nullptr, nullptr, nullptr);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(SendMessageA(container, kContainerActivateMessage, 1, 0), 1);
  void* anything = reinterpret_cast<void*>(1);
  EXPECT_EQ(SendMessageA(container, kContainerQueryMessage, reinterpret_cast<WPARAM>(&IID_IUnknown),
                         reinterpret_cast<LPARAM>(&anything)),
            E_NOINTERFACE);
  EXPECT_EQ(anything, nullptr);
  DestroyWindow(container);
}

TEST_F(BrowserContainerTest, EmbedPlacesTheContainerAndRemoveTakesItAway) {
  RECT area = {13, 50, 600, 460};
  ASSERT_EQ(EmbedBrowser(parent_, L"C:\\windows\\win.ini", area), 0);
  HWND container = BrowserContainer();
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(GetParent(container), parent_);
  RECT placed;
  GetWindowRect(container, &placed);
  MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_TRUE(EqualRect(&placed, &area));
  RemoveBrowser();
  EXPECT_EQ(BrowserContainer(), nullptr);
  EXPECT_FALSE(IsWindow(container));
  RemoveBrowser();  // twice is harmless
}

// A stand-in for the browser's inner window, one level below a plain child.
LRESULT CALLBACK Plain(HWND window, UINT message, WPARAM w, LPARAM l) { return DefWindowProcA(window, message, w, l); }

TEST_F(BrowserContainerTest, BrowserServerIsFoundAtTheContainersCorner) {
  WNDCLASSA type = {};
  type.lpfnWndProc = &Plain;
  type.hInstance = GetModuleHandleA(nullptr);
  type.lpszClassName = "Internet Explorer_Server";
  RegisterClassA(&type);
  type.lpszClassName = "Shell DocObject View";
  RegisterClassA(&type);

  HWND container = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, parent_, nullptr,
                                   nullptr, nullptr);
  EXPECT_EQ(FindBrowserServer(container), nullptr);  // nothing inside yet
  HWND view = CreateWindowExA(0, "Shell DocObject View", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, container,
                              nullptr, nullptr, nullptr);
  EXPECT_EQ(FindBrowserServer(container), nullptr);  // innermost is not the server
  HWND aside = CreateWindowExA(0, "Internet Explorer_Server", "", WS_CHILD | WS_VISIBLE, 100, 100, 50, 50, view,
                               nullptr, nullptr, nullptr);
  EXPECT_EQ(FindBrowserServer(container), nullptr);  // not at the corner
  HWND server = CreateWindowExA(0, "internet explorer_server", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, view,
                                nullptr, nullptr, nullptr);
  EXPECT_EQ(FindBrowserServer(container), server);
  DestroyWindow(aside);
  DestroyWindow(container);
}

}  // namespace
