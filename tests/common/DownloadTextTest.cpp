#include "DownloadText.h"

#include <gtest/gtest.h>

using namespace zelva::downloads;

namespace {

TEST(DownloadText, AmountsSwitchToMegabytesAtAThousandKilobytes) {
  const TextStyle host = TextStyle::kHostPanel, module = TextStyle::kModuleDialog;
  EXPECT_EQ(FormatAmount(0, host), "0.0KB");
  EXPECT_EQ(FormatAmount(1023999, host), "1000.0KB");
  EXPECT_EQ(FormatAmount(1024000, host), "0.98MB");
  EXPECT_EQ(FormatAmount(1024000, module), "1.0MB");
  EXPECT_EQ(FormatAmount(0xFFFFFFFFu, host), "4096.00MB");
  EXPECT_EQ(ProgressText(512, 1024000, host), "0.5KB of 0.98MB downloaded");
  EXPECT_EQ(ProgressText(512, 1024000, module), "0.5KB of 1.0MB downloaded...");
}

TEST(DownloadText, StatusReports) {
  const TextStyle host = TextStyle::kHostPanel, module = TextStyle::kModuleDialog;
  EXPECT_EQ(StatusReportText(2, 0, 0, host), "Connecting...");
  EXPECT_EQ(StatusReportText(32, 0, 0, module), "Detecting proxy...");
  EXPECT_EQ(StatusReportText(5, 2048, 4096, host), "2.0KB of 4.0KB downloaded");
  EXPECT_EQ(StatusReportText(13, 0, 0, host), "Processing request...");
  EXPECT_EQ(StatusReportText(13, 0, 0, module), "");
  EXPECT_EQ(StatusReportText(40, 0, 0, host), "Unknown status: 40");
}

TEST(DownloadText, CacheEntryWritesBlanksEscapedAndStopsAt199Characters) {
  EXPECT_EQ(CacheEntryUrl("http://h/a b  c.zlp"), "http://h/a%20b%20%20c.zlp");
  EXPECT_EQ(CacheEntryUrl(nullptr), "");
  std::string longUrl = "http://h/" + std::string(196, 'x') + " tail";
  std::string entry = CacheEntryUrl(longUrl.c_str());
  EXPECT_EQ(entry.size(), 199u);
  EXPECT_EQ(entry.substr(195), "xxxx");
  // An escape that would cross the limit is cut with it.
  std::string edge = CacheEntryUrl((std::string(198, 'y') + " z").c_str());
  EXPECT_EQ(edge, std::string(198, 'y') + "%");
}

}  // namespace
