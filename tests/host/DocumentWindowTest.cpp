// The document window in this process, inside a stand-in for the main window;
// placement and text are checked on the real program.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "CommandQueueService.h"
#include "DocumentService.h"
#include "FallbackViews.h"
#include "GdiplusSession.h"
#include "HostCommands.h"
#include "HostResources.h"
#include "HostState.h"
#include "OleSession.h"
#include "SharedDrawing.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// Host command 15's text: the path, its NUL, the title, its NUL.
std::wstring Request(const std::wstring& path, const std::wstring& title) {
  return path + L'\0' + title + L'\0';
}

INT_PTR Show(const std::wstring& request) {
  return host::HostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), nullptr);
}

std::wstring TextOf(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

class DocumentWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ole_ = std::make_unique<win::OleSession>();
    gdiplus_ = std::make_unique<win::GdiplusSession>();
    gdiplus_->Start();
    drawing_ = std::make_unique<skin::SharedDrawingScope>();
    drawing_->LoadImages(GetModuleHandleA(nullptr));
    WNDCLASSA type = {};
    type.lpfnWndProc = &DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "ZelvaTestMain";
    RegisterClassA(&type);
  }
  static void TearDownTestSuite() {
    drawing_.reset();
    gdiplus_.reset();
    ole_.reset();
  }

  void SetUp() override {
    host::ResetContext(GetModuleHandleA(nullptr));
    // Hidden: Wine waits for a shown top-level window to be withdrawn when it goes.
    main_ = CreateWindowExA(0, "ZelvaTestMain", "Document test", WS_POPUP | WS_CLIPCHILDREN, 60, 40, 1100, 655, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_,
                    reinterpret_cast<HMENU>(INT_PTR(IDC_CONTENT_AREA)), nullptr, nullptr);
    host::Context().mainWindow = main_;
    changelog_ = folder_ / "Changelog.txt";
    WriteWholeFile(changelog_, "ZELVA Hangardesk\nv1.17.27\r\n");
  }
  void TearDown() override {
    document::CloseDocument();
    EXPECT_EQ(host::CommandQueue().busyDepth(), 0);
    DestroyWindow(main_);
    host::Context().mainWindow = nullptr;
  }

  int BusyDepth() const { return host::CommandQueue().busyDepth(); }

  TestFolder folder_;
  std::string changelog_;
  HWND main_ = nullptr;
  static std::unique_ptr<win::OleSession> ole_;
  static std::unique_ptr<win::GdiplusSession> gdiplus_;
  static std::unique_ptr<skin::SharedDrawingScope> drawing_;
};

std::unique_ptr<win::OleSession> DocumentWindowTest::ole_;
std::unique_ptr<win::GdiplusSession> DocumentWindowTest::gdiplus_;
std::unique_ptr<skin::SharedDrawingScope> DocumentWindowTest::drawing_;

// The host's own changelog command, read-only; "Back" releases the queue once.
TEST_F(DocumentWindowTest, ChangelogIsReadOnlyAndBackReleasesTheQueueOnce) {
  std::strcpy(host::Context().programFolder, folder_.path().c_str());
  ASSERT_EQ(host::HostCommand(kHostShowChangelog, nullptr, nullptr), 0);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  HWND document = document::DocumentWindowHandle();
  ASSERT_NE(document, nullptr);
  EXPECT_TRUE(GetWindowLongW(GetDlgItem(document, document::kTextViewId), GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(BusyDepth(), 1);
  SendMessageW(document, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(document, IDOK)));
  EXPECT_EQ(document::DocumentWindowHandle(), nullptr);
  EXPECT_EQ(host::HostCommand(kHostCloseDocument, nullptr, nullptr), 0);  // nothing open: no release
  EXPECT_EQ(BusyDepth(), 0);
}

TEST_F(DocumentWindowTest, MissingFileIsNamedAndBadRequestsAreRefused) {
  ASSERT_EQ(Show(Request(Wide(folder_ / "absent.pdf"), L"Manual")), 0);
  HWND line = GetDlgItem(document::DocumentWindowHandle(), document::kViewerLineId);
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(TextOf(line), L"\"absent.pdf\" was not found.");
  document::CloseDocument();

  EXPECT_EQ(host::HostCommand(kHostShowDocument, nullptr, nullptr), -1);
  EXPECT_EQ(Show(Request(L"", L"Title")), -1);
  EXPECT_EQ(document::DocumentWindowHandle(), nullptr);
  EXPECT_EQ(BusyDepth(), 0);

  std::wstring longTitle(400, L'T');
  ASSERT_EQ(Show(Request(Wide(changelog_), longTitle)), 0);
  EXPECT_EQ(TextOf(document::DocumentWindowHandle()), longTitle.substr(0, 255));
  document::CloseDocument();

  // Without the main window nothing is shown and nothing is held busy.
  host::Context().mainWindow = nullptr;
  EXPECT_EQ(Show(Request(Wide(changelog_), L"Hangardesk Changelog")), 0);
  EXPECT_EQ(document::DocumentWindowHandle(), nullptr);
  EXPECT_EQ(BusyDepth(), 0);
}

}  // namespace
