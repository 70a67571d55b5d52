// The ratio a panel.cfg is laid out for, and laying it out for another, on
// files made like the simulator's own.
#include "PanelConfig.h"

#include <gtest/gtest.h>

#include <string>

using namespace zelva::panel;

namespace {

constexpr int k4x3 = 0, k16x9 = 2, k16x10 = 3;

std::string Window(int n, const std::string& size, const std::string& share) {
  std::string text = "[" + WindowSection(n) + "]\r\nBACKGROUND_COLOR=0,0,0\r\n";
  if (!size.empty()) text += "size_mm=" + size + "\r\n";
  if (!share.empty()) text += "window_size= " + share + "\r\n";
  return text + "position=0\r\nvisible=0\r\nident=" + std::to_string(10000 + n) + "\r\n\r\n";
}

// A 16:9 panel: the main window at 1920,1080 and sixteen windows of 960,540
// taking half the screen each way, with comments and sections of the rest.
std::string Panel169(int except = -1, const std::string& exceptShare = "") {
  std::string text = "// K50-200LR 2D panel\r\n[Window Titles]\r\nWindow00=Main Panel\r\nWindow01=Overhead\r\n\r\n";
  text += "[Window00]\r\nfile=k50_main.bmp\r\nsize_mm=1920,1080\r\nwindow_size_ratio=1.000\r\nposition=7\r\n"
          "visible=1\r\nident=MAIN_PANEL\r\n\r\ngauge00=K50!PFD, 0,0,400,400\r\n\r\n";
  for (int n = 1; n <= 16; ++n) text += Window(n, "960,540", n == except ? exceptShare : "0.50000, 0.50000");
  text += "// the virtual cockpit\r\n[Window17]\r\nsize_mm=1920,1080\r\nvisible=0\r\n\r\n"
          "[Vcockpit01]\r\nsize_mm=1024,1024\r\ntexture=$VC01\r\n";
  return text;
}

TEST(PanelConfig, ConsistentSixteenByNineFileIsMarkedSixteenByNine) {
  EXPECT_EQ(PanelConfig(Panel169()).CurrentRatio(), k16x9);
  // Within 2.0 of the reference both ways still counts: 960 / 0.49949 = 1921.96.
  EXPECT_EQ(PanelConfig(Panel169(5, "0.49949, 0.50000")).CurrentRatio(), k16x9);
}

TEST(PanelConfig, OneWindowOutOfStepMakesTheSettingUnknown) {
  // 961.5 / 0.50000 = 1923: more than 2.0 from 1920.
  std::string text = Panel169();
  text.replace(text.find("size_mm=960,540", text.find("[Window07]")), 15, "size_mm=961.5,540");
  EXPECT_EQ(PanelConfig(text).CurrentRatio(), kUnknownRatio);
  for (const char* share : {"", "0.50000", "0, 0.5", "0.5, 0"})  // missing, no comma, zero: no division
    EXPECT_EQ(PanelConfig(Panel169(9, share)).CurrentRatio(), kUnknownRatio) << share;
}

TEST(PanelConfig, MainWindowWithoutAUsableSizeIsUnknown) {
  for (const char* size : {"", "1920", "1920,0", "0,0", "1920x1080", "2560,1080"}) {
    std::string text = Panel169();
    text.replace(text.find("size_mm=1920,1080"), 17, std::string("size_mm=") + size);
    EXPECT_EQ(PanelConfig(text).CurrentRatio(), kUnknownRatio) << size;
  }
  EXPECT_EQ(PanelConfig("").CurrentRatio(), kUnknownRatio);
}

TEST(PanelConfig, ChoosingSixteenByTenChangesOnlyTheSizesItOwns) {
  PanelConfig panel(Panel169());
  ASSERT_EQ(panel.ApplyRatio(k16x10), RatioChange::Done);
  // Every other line, comment and section stays byte for byte; 540 / 1200 = 0.45.
  std::string expected = Panel169();
  const std::string share = "window_size= 0.50000, 0.50000";
  for (size_t at = 0; (at = expected.find(share, at)) != std::string::npos;)
    expected.replace(at, share.size(), "window_size= 0.50000, 0.45000");
  expected.replace(expected.find("size_mm=1920,1080"), 17, "size_mm=1920,1200");
  expected.replace(expected.find("size_mm=1920,1080", expected.find("[Window17]")), 17, "size_mm=1920,1200");
  EXPECT_EQ(panel.Text(), expected);
  EXPECT_EQ(PanelConfig(panel.Text()).CurrentRatio(), k16x10);
  EXPECT_EQ(panel.ApplyRatio(k16x10), RatioChange::Unchanged);
}

TEST(PanelConfig, WritesOnlySectionsTheFileHas) {
  // A panel with three windows and no [Window17]: nothing else appears.
  std::string text = "[Window00]\r\nsize_mm=1600,1200\r\n\r\n" + Window(1, "800,600", "0.5,0.5") +
                     Window(3, "400,300", "") + Window(4, "", "0.25,0.25") + Window(5, "800", "0.5,0.5");
  PanelConfig panel(text);
  ASSERT_EQ(panel.ApplyRatio(k16x9), RatioChange::Done);
  std::string result = panel.Text();
  for (int n : {2, 6, 16, 17}) EXPECT_EQ(result.find("[" + WindowSection(n) + "]"), std::string::npos) << n;
  // A window without window_size gets one; one without a usable size_mm keeps its own.
  EXPECT_NE(result.find("ident=10003\r\nwindow_size=0.20833, 0.27778\r\n\r\n"), std::string::npos);
  EXPECT_NE(result.find("window_size= 0.41667, 0.55556"), std::string::npos);
  EXPECT_NE(result.find("window_size= 0.25,0.25"), std::string::npos);
  EXPECT_NE(result.find("size_mm=800\r\nwindow_size= 0.5,0.5"), std::string::npos);
  // The unreadable window keeps the setting unknown; the one without size_mm does not count.
  EXPECT_EQ(PanelConfig(result).CurrentRatio(), kUnknownRatio);
  EXPECT_EQ(PanelConfig(result.substr(0, result.find("[Window05]"))).CurrentRatio(), k16x9);
}

TEST(PanelConfig, RefusesAFileWithoutItsMainWindow) {
  const std::string text = Window(1, "960,540", "0.5,0.5");
  PanelConfig panel(text);
  EXPECT_EQ(panel.ApplyRatio(k4x3), RatioChange::NoMainWindow);
  EXPECT_EQ(panel.Text(), text);
}

TEST(PanelConfig, HugeDesignSizesAreWrittenWhole) {
  PanelConfig panel("[Window00]\r\nsize_mm=1,1\r\n[Window01]\r\nsize_mm=1e300,1e299\r\n");
  ASSERT_EQ(panel.ApplyRatio(k16x9), RatioChange::Done);
  std::string text = panel.Text();
  size_t share = text.find("window_size=");
  ASSERT_NE(share, std::string::npos);
  EXPECT_GT(text.size() - share, 600u);  // hundreds of digits each, nothing cut
  EXPECT_EQ(text.substr(text.size() - 8), ".00000\r\n");
}

}  // namespace
