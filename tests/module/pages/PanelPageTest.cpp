// The panel display settings page of the real module on a simulated FSX's
// K50-200LR panel.cfg: what it marks, what choosing a ratio writes, and what
// it refuses.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "PageFixture.h"
#include "PanelResources.h"

using namespace zelva::testing;

namespace {

constexpr int kPanelPage = 7;
constexpr int k4x3 = IDC_PANEL_RATIO_FIRST, k16x10 = IDC_PANEL_RATIO_FIRST + 3;

std::string Window(int n, const std::string& share) {
  char name[16];
  std::snprintf(name, sizeof(name), "Window%02d", n);
  return "[" + std::string(name) + "]\r\nBACKGROUND_COLOR=0,0,0\r\nsize_mm=960,540\r\nwindow_size= " + share +
         "\r\nposition=0\r\nvisible=0\r\nident=" + std::to_string(10000 + n) + "\r\n\r\n";
}

// All sixteen windows at half the screen of a 1920,1080 main window.
std::string SixteenByNine(int odd = 0, const std::string& share = "") {
  std::string text = "// ZELVA K50-200LR panel\r\n[Window Titles]\r\nWindow00=Main Panel\r\n\r\n"
                     "[Window00]\r\nfile=k50_main.bmp\r\nsize_mm=1920,1080\r\nposition=7\r\nvisible=1\r\n\r\n";
  for (int n = 1; n <= 16; ++n) text += Window(n, n == odd ? share : "0.50000, 0.50000");
  return text + "[Window17]\r\nsize_mm=1920,1080\r\n\r\n[Vcockpit01]\r\nsize_mm=1024,1024\r\n";
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
  return text;
}

class PanelPageTest : public PageFixture {
 protected:
  void SetUp() override {
    PageFixture::SetUp();
    k50_.RegisterProduct();
    k50_.InstallVariant("ZELVA K50-200LR");
    folder_ = k50_.fsxRoot() + "SimObjects\\Airplanes\\ZELVA K50-200LR\\panel\\";
    SHCreateDirectoryExA(nullptr, folder_.c_str(), nullptr);
    path_ = folder_ + "panel.cfg";
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    PageFixture::TearDown();
  }
  void Screen(const char* width, const char* height) {
    SetWindowTextA(Control(IDC_PANEL_WIDTH), width);
    SetWindowTextA(Control(IDC_PANEL_HEIGHT), height);
  }
  bool NoteShown() const { return IsWindowVisible(Control(IDC_PANEL_NOTE)) != FALSE; }

  std::string folder_, path_;
};

constexpr char kUnknown[] =
    "Unable to determine the current aspect ratio.  The panel.cfg will be reset when you select a new aspect ratio.";

TEST_F(PanelPageTest, MarksTheRatioOfAConsistentFileAndOffersAResetForAnInconsistentOne) {
  WriteWholeFile(path_, SixteenByNine());
  ASSERT_TRUE(Open(kPanelPage));
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("laid out for 16:9 (1920 x 1080)"), std::string::npos) << Text(IDC_PANEL_CURRENT);

  // 960 / 0.49922 is 1923: one window more than 2.0 away.
  WriteWholeFile(path_, SixteenByNine(12, "0.49922, 0.50000"));
  ASSERT_TRUE(Reopen(kPanelPage));
  EXPECT_EQ(Text(IDC_PANEL_CURRENT), kUnknown);
  WriteWholeFile(path_, SixteenByNine(3, ""));  // a window without window_size, as "0,0"
  ASSERT_TRUE(Reopen(kPanelPage));
  EXPECT_EQ(Text(IDC_PANEL_CURRENT), kUnknown);
}

TEST_F(PanelPageTest, ChoosingARatioRewritesOnlyItsSizesAndKeepsTheFirstTextAsOld) {
  const std::string original = SixteenByNine();
  WriteWholeFile(path_, original);
  ASSERT_TRUE(Open(kPanelPage));
  SendMessageA(Control(k16x10), BM_CLICK, 0, 0);
  // 960,540 of 1920,1200: 0.50000, 0.45000; every other line as it was.
  std::string expected = Replaced(Replaced(original, "0.50000, 0.50000", "0.50000, 0.45000"), "size_mm=1920,1080",
                                  "size_mm=1920,1200");
  EXPECT_EQ(ReadWholeFile(path_), expected);
  EXPECT_EQ(ReadWholeFile(path_ + "_old"), original);
  EXPECT_FALSE(Exists(path_ + "_new"));
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("laid out for 16:10 (1920 x 1200)"), std::string::npos);

  // The backup keeps the text from before this run's first change.
  SendMessageA(Control(k4x3), BM_CLICK, 0, 0);
  EXPECT_NE(ReadWholeFile(path_).find("size_mm=1600,1200"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path_ + "_old"), original);
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("4:3"), std::string::npos);
}

TEST_F(PanelPageTest, AMissingPanelIsReportedAndStaysMissing) {
  ASSERT_TRUE(Open(kPanelPage));
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("was not found"), std::string::npos);
  std::string message = ClickAnswering(k16x10, "Error", IDOK);
  EXPECT_NE(message.find("could not be found"), std::string::npos) << message;
  EXPECT_FALSE(Exists(path_));
  EXPECT_FALSE(Exists(path_ + "_new"));
  EXPECT_FALSE(Exists(path_ + "_old"));
}

TEST_F(PanelPageTest, AReadOnlyPanelIsWrittenOnlyWhenTheUserLetsIt) {
  const std::string original = SixteenByNine();
  WriteWholeFile(path_, original);
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  ASSERT_TRUE(Open(kPanelPage));
  EXPECT_EQ(ClickAnswering(k16x10, "Error", IDNO), "Panel.cfg file is Read-Only!\nWould you like to remove Read-Only status?");
  EXPECT_EQ(ReadWholeFile(path_), original);
  EXPECT_NE(GetFileAttributesA(path_.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("16:9"), std::string::npos);

  ClickAnswering(k16x10, "Error", IDYES);
  EXPECT_NE(ReadWholeFile(path_).find("size_mm=1920,1200"), std::string::npos);
  EXPECT_NE(Text(IDC_PANEL_CURRENT).find("16:10"), std::string::npos);
}

TEST_F(PanelPageTest, TheScreenSizeSuggestsARatioAndSaysWhenItIsOnlyTheNearest) {
  WriteWholeFile(path_, SixteenByNine());
  ASSERT_TRUE(Open(kPanelPage));
  EXPECT_EQ(GetDlgItemInt(page_, IDC_PANEL_WIDTH, nullptr, FALSE), UINT(GetSystemMetrics(SM_CXSCREEN)));
  Screen("1366", "768");
  EXPECT_EQ(Text(IDC_PANEL_SCREEN_RATIO), "16:9");
  EXPECT_FALSE(NoteShown());
  Screen("1280", "800");
  EXPECT_EQ(Text(IDC_PANEL_SCREEN_RATIO), "16:10");
  EXPECT_FALSE(NoteShown());
  Screen("2560", "1080");
  EXPECT_EQ(Text(IDC_PANEL_SCREEN_RATIO), "16:9");
  EXPECT_TRUE(NoteShown());
  // Nothing to divide by: no suggestion, no note.
  for (const char* height : {"0", ""}) {
    Screen("1920", height);
    EXPECT_EQ(Text(IDC_PANEL_SCREEN_RATIO), "") << height;
    EXPECT_FALSE(NoteShown()) << height;
  }
}

}  // namespace
