// The document window in the real program: the changelog after an update,
// the manual, package requests that wait for "Back", and the floating window.
#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

const int kManualButton = 1006;
const int kContentArea = 1007;
const int kTextView = 1101;

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

HWND DocumentIn(HWND main, const char* title) {
  return FindWindowExA(GetDlgItem(main, kContentArea), nullptr, nullptr, title);
}

std::string TextOf(HWND control) {
  std::string text(size_t(SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(size_t(SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// One start after an update: the changelog, then the manual, with a package
// waiting for "Back"; then a product's floating document.
TEST(DocumentHostTest, ChangelogAfterAnUpdateManualAndFloatingDocument) {
  HostInstallation host;
  WriteWholeFile(host.programFolder() + "Changelog.txt",
                 "ZELVA Hangardesk - Changelog\r\n\r\nv1.17.27\r\n- Manuals open inside Hangardesk.\r\n");
  WriteWholeFile(host.programFolder() + "ZELVA-HDK-Manual.pdf", "%PDF-1.4\n%%EOF\n");
  host.AddLibrary(Built("test_document.dll"), "document.dll");
  // A stamp stored by an earlier version.
  CreateDirectoryA((host.roaming() + "\\ZELVA").c_str(), nullptr);
  CreateDirectoryA(host.dataFolder().c_str(), nullptr);
  WriteWholeFile(host.dataFolder() + "ZELVA Hangardesk.cfg", "[Main]\r\nChangelog=1\r\nOpen_PDF_Externally=0\r\n");

  Process process(host.programPath(), "", host.programFolder());
  HWND main = WaitForMainWindow(process.id());
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitForLog(host, "Load complete."));
  HWND shown = DocumentIn(main, "Hangardesk Changelog");
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(IsWindowVisible(shown));
  EXPECT_NE(TextOf(GetDlgItem(shown, kTextView)).find("- Manuals open inside Hangardesk.\r\n"), std::string::npos);
  // What the screen shows there is the document's text view, not the home
  // page that lies under it in the content area.
  RECT view;
  GetWindowRect(GetDlgItem(shown, kTextView), &view);
  COLORREF pixel = CLR_INVALID;
  EXPECT_TRUE(WaitUntil([&] {
    HDC screen = GetDC(nullptr);
    pixel = GetPixel(screen, view.right - 60, view.bottom - 12);
    ReleaseDC(nullptr, screen);
    return pixel == GetSysColor(COLOR_WINDOW);
  }, 10000)) << std::hex << pixel;

  EXPECT_EQ(Process(host.programPath(), "e:\\liveries\\waiting.zlp", host.programFolder()).Wait(), 0u);
  Click(main, kManualButton);
  HWND manual = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (manual = DocumentIn(main, "ZELVA Hangardesk Manual")) != nullptr; }));
  EXPECT_FALSE(IsWindow(shown));
  EXPECT_EQ(host.Log().find("Opening ZLP file: e:\\liveries\\waiting.zlp"), std::string::npos);
  // It keeps filling the content area when the main window grows.
  SetWindowPos(main, nullptr, 0, 0, 1240, 720, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  HWND area = GetDlgItem(main, kContentArea);
  EXPECT_TRUE(WaitUntil([&] {
    RECT client, placed = ScreenRect(manual);
    GetClientRect(area, &client);
    MapWindowPoints(area, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return EqualRect(&client, &placed) && client.right - client.left > 819;
  }));
  {
    DialogAnswerer missing("An error occured", IDOK, 30000, process.id());  // there is no such file
    Click(manual, IDOK);
    ASSERT_TRUE(WaitForLog(host, "Opening ZLP file: e:\\liveries\\waiting.zlp"));
    EXPECT_TRUE(missing.Wait());
  }
  EXPECT_FALSE(IsWindow(manual));

  ChooseProduct(main, 1);
  HWND floating = WaitForWindow("Test Floating", process.id());
  ASSERT_NE(floating, nullptr);
  EXPECT_EQ(GetWindow(floating, GW_OWNER), main);
  auto over = [&] {
    RECT m = ScreenRect(main), d = ScreenRect(floating);
    return d.left == m.left + 10 && d.top == m.top + 10 && d.right == m.right - 8 && d.bottom == m.bottom - 4;
  };
  EXPECT_TRUE(over());
  RECT before = ScreenRect(main);
  SetWindowPos(main, nullptr, before.left + 37, before.top + 23, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil(over)) << ScreenRect(floating).left << " " << ScreenRect(main).left;
  EXPECT_EQ(ScreenRect(floating).left, before.left + 47);

  SendMessageA(main, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
  EXPECT_EQ(process.Wait(), 0u);
}

}  // namespace
