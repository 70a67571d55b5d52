#include "HostConfig.h"

#include <gtest/gtest.h>

#include "HostCommands.h"
#include "HostPaths.h"
#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

class HostConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    host::SetDataPaths(host::Context(), folder_.path().c_str());
  }
  std::string Config() const { return ReadWholeFile(host::Context().configPath); }

  TestFolder folder_;
};

TEST_F(HostConfigTest, MissingFileIsNotCreatedAndStoredValuesAreReadOrCut) {
  HostContext& context = host::Context();
  host::ReadConfiguration(context);
  EXPECT_EQ(context.openPdfExternally, 1);
  EXPECT_FALSE(Exists(context.configPath));

  std::string url = "http://127.0.0.1/" + std::string(400, 'u');
  WriteWholeFile(context.configPath, "[Main]\r\nOpen_PDF_Externally=0\r\n[Online]\r\nCheckForUpdates=0\r\n"
                                     "ProdUpdateServer=http://127.0.0.1:8080/produpdate\r\nUpdateServer=" + url + "\r\n");
  host::ReadConfiguration(context);
  EXPECT_EQ(context.openPdfExternally, 0);
  EXPECT_EQ(context.checkForUpdates, 0);
  EXPECT_STREQ(context.productUpdateServer, "http://127.0.0.1:8080/produpdate");
  EXPECT_EQ(std::string(context.hostUpdateServer), url.substr(0, kUrlChars - 1));
  EXPECT_STREQ(context.liveriesServer, host::kDefaultLiveriesServer);
}

TEST_F(HostConfigTest, SaveCommandWritesBothFlagsAndKeepsTheRest) {
  WriteWholeFile(host::Context().configPath, "[Main]\r\nChangelog=12345\r\n");
  HostContext& context = host::Context();
  context.openPdfExternally = 0;
  context.checkForUpdates = 7;  // any non-zero value is stored as "1"
  EXPECT_EQ(host::HostCommand(kHostSaveSettings, nullptr, nullptr), 0);
  auto stored = [&](const char* section, const char* key) {
    char value[16];
    GetPrivateProfileStringA(section, key, "", value, sizeof(value), context.configPath);
    return std::string(value);
  };
  EXPECT_EQ(stored("Main", "Open_PDF_Externally"), "0");
  EXPECT_EQ(stored("Online", "CheckForUpdates"), "1");
  EXPECT_EQ(stored("Main", "Changelog"), "12345");
}

}  // namespace
