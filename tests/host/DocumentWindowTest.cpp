// The document window in this process, inside a stand-in for the main window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "CommandQueueService.h"
#include "DocumentService.h"
#include "FallbackViews.h"
#include "GdiplusInclude.h"
#include "HostCommands.h"
#include "HostResources.h"
#include "HostState.h"
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

INT_PTR Show(const std::wstring& request, void* floating = nullptr) {
  return host::HostCommand(kHostShowDocument, reinterpret_cast<const char*>(request.c_str()), floating);
}

std::wstring TextOf(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

RECT ScreenRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

class DocumentWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    OleInitialize(nullptr);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplus_, &input, nullptr);
    skin::CreateSharedDrawing();
    skin::LoadSharedImages(GetModuleHandleA(nullptr));
    WNDCLASSA type = {};
    type.lpfnWndProc = &DefWindowProcA;
    type.hInstance = GetModuleHandleA(nullptr);
    type.lpszClassName = "ZelvaTestMain";
    RegisterClassA(&type);
  }
  static void TearDownTestSuite() {
    skin::DestroySharedDrawing();
    Gdiplus::GdiplusShutdown(gdiplus_);
    OleUninitialize();
  }

  void SetUp() override {
    host::ResetContext(GetModuleHandleA(nullptr));
    // Hidden: Wine waits for a shown top-level window to be withdrawn when it goes.
    main_ = CreateWindowExA(0, "ZelvaTestMain", "Document test", WS_POPUP | WS_CLIPCHILDREN, 60, 40, 1100, 655, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    content_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_,
                               reinterpret_cast<HMENU>(INT_PTR(IDC_CONTENT_AREA)), nullptr, nullptr);
    host::Context().mainWindow = main_;
    changelog_ = folder_ / "Changelog.txt";
    WriteWholeFile(changelog_, "ZELVA Hangardesk\nv1.17.27\r\n- Caf\xC3\xA9 livery\n");
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
  HWND content_ = nullptr;
  static ULONG_PTR gdiplus_;
};

ULONG_PTR DocumentWindowTest::gdiplus_ = 0;

TEST_F(DocumentWindowTest, TextFileFillsTheContentAreaReadOnlyUntilBack) {
  ASSERT_EQ(Show(Request(Wide(changelog_), L"Hangardesk Changelog")), 0);
  HWND document = document::DocumentWindowHandle();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetParent(document), content_);
  EXPECT_TRUE(GetWindowLongW(document, GWL_STYLE) & WS_VISIBLE);
  EXPECT_EQ(TextOf(document), L"Hangardesk Changelog");
  RECT area, placed = ScreenRect(document);
  GetClientRect(content_, &area);
  MapWindowPoints(content_, nullptr, reinterpret_cast<POINT*>(&area), 2);
  EXPECT_TRUE(EqualRect(&area, &placed));
  EXPECT_EQ(BusyDepth(), 1);

  HWND view = GetDlgItem(document, document::kTextViewId);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(TextOf(view), L"ZELVA Hangardesk\r\nv1.17.27\r\n- Caf\u00E9 livery\r\n");
  EXPECT_TRUE(GetWindowLongW(view, GWL_STYLE) & ES_READONLY);
  EXPECT_TRUE(GetWindowLongW(view, GWL_STYLE) & WS_VSCROLL);
  // The host's font family, not the dialog's.
  LOGFONTW font = {};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(view, WM_GETFONT, 0, 0)), sizeof(font), &font);
  wchar_t family[LF_FACESIZE] = {};
  skin::Drawing().family->GetFamilyName(family);
  EXPECT_STREQ(font.lfFaceName, family);
  RECT viewRect = ScreenRect(view), documentRect = ScreenRect(document);
  EXPECT_EQ(viewRect.left - documentRect.left, 13);
  EXPECT_EQ(viewRect.top - documentRect.top, 50);
  EXPECT_EQ(documentRect.right - viewRect.right, 13);

  HWND back = GetDlgItem(document, IDOK);
  ASSERT_NE(back, nullptr);
  SendMessageW(document, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(back));
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(document::DocumentWindowHandle(), nullptr);
  EXPECT_EQ(BusyDepth(), 0);
}

TEST_F(DocumentWindowTest, ASecondDocumentReplacesTheFirstAndQueuedPackagesWaitForBack) {
  ASSERT_EQ(Show(Request(Wide(changelog_), L"Hangardesk Changelog")), 0);
  HWND first = document::DocumentWindowHandle();
  host::ReceiveHandOff("Open ZLP\nc:\\liveries\\nordair.zlp");
  EXPECT_EQ(host::CommandQueue().count(), 1u);

  std::string manual = folder_ / "ZELVA-HDK-Manual.pdf";
  WriteWholeFile(manual, "%PDF-1.4\n");
  ASSERT_EQ(Show(Request(Wide(manual), L"ZELVA Hangardesk Manual")), 0);
  HWND second = document::DocumentWindowHandle();
  EXPECT_FALSE(IsWindow(first));
  EXPECT_NE(second, nullptr);
  EXPECT_EQ(TextOf(second), L"ZELVA Hangardesk Manual");
  EXPECT_EQ(BusyDepth(), 1);
  EXPECT_EQ(host::CommandQueue().count(), 1u);  // not drained by the replacement

  // A PDF without a browser: one line naming it, with the viewer link.
  HWND line = GetDlgItem(second, document::kViewerLineId);
  ASSERT_NE(line, nullptr);
  std::wstring text = TextOf(line);
  EXPECT_NE(text.find(L"\"ZELVA-HDK-Manual.pdf\" cannot be shown"), std::wstring::npos) << text.c_str();
  EXPECT_NE(text.find(L"system's viewer"), std::wstring::npos);
  EXPECT_EQ(GetDlgItem(second, document::kTextViewId), nullptr);

  EXPECT_EQ(host::HostCommand(kHostCloseDocument, nullptr, nullptr), 0);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_EQ(BusyDepth(), 0);
  EXPECT_EQ(host::CommandQueue().count(), 0u);
  EXPECT_EQ(host::HostCommand(kHostCloseDocument, nullptr, nullptr), 0);  // nothing open: no release
  EXPECT_EQ(BusyDepth(), 0);
}

TEST_F(DocumentWindowTest, FloatingWindowLiesOverTheMainWindowAndFollowsIt) {
  int floating = 1;
  ASSERT_EQ(Show(Request(Wide(changelog_), L"K50 Changelog"), &floating), 0);
  HWND document = document::DocumentWindowHandle();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetAncestor(document, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetWindow(document, GW_OWNER), main_);
  auto expectOver = [&] {
    RECT main = ScreenRect(main_), placed = ScreenRect(document);
    EXPECT_EQ(placed.left, main.left + 10);
    EXPECT_EQ(placed.top, main.top + 10);
    EXPECT_EQ(placed.right, main.right - 8);
    EXPECT_EQ(placed.bottom, main.bottom - 4);
  };
  expectOver();
  SetWindowPos(main_, nullptr, 150, 120, 1000, 700, SWP_NOZORDER | SWP_NOACTIVATE);
  document::PlaceDocument();
  expectOver();
  // The text view follows the window's size.
  RECT view = ScreenRect(GetDlgItem(document, document::kTextViewId)), placed = ScreenRect(document);
  EXPECT_EQ(placed.bottom - view.bottom, 13);
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
}

TEST_F(DocumentWindowTest, NothingIsShownWithoutTheMainWindow) {
  host::Context().mainWindow = nullptr;
  EXPECT_EQ(Show(Request(Wide(changelog_), L"Hangardesk Changelog")), 0);
  EXPECT_EQ(document::DocumentWindowHandle(), nullptr);
  EXPECT_EQ(BusyDepth(), 0);
}

TEST_F(DocumentWindowTest, HostChangelogCommandShowsTheProgramFoldersChangelog) {
  std::strcpy(host::Context().programFolder, folder_.path().c_str());
  EXPECT_EQ(host::HostCommand(kHostShowChangelog, nullptr, nullptr), 0);
  HWND document = document::DocumentWindowHandle();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(TextOf(document), L"Hangardesk Changelog");
  EXPECT_NE(TextOf(GetDlgItem(document, document::kTextViewId)).find(L"v1.17.27"), std::wstring::npos);
  Pump();
}

}  // namespace
