#include "HostConfig.h"

#include <gtest/gtest.h>

#include <cstring>

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

TEST_F(HostConfigTest, MissingFileGivesTheDefaultsAndIsNotCreated) {
  HostContext& context = host::Context();
  host::ReadConfiguration(context);
  EXPECT_EQ(context.openPdfExternally, 1);
  EXPECT_EQ(context.checkForUpdates, 1);
  EXPECT_STREQ(context.productUpdateServer, host::kDefaultProductUpdateServer);
  EXPECT_STREQ(context.hostUpdateServer, host::kDefaultHostUpdateServer);
  EXPECT_STREQ(context.liveriesServer, host::kDefaultLiveriesServer);
  EXPECT_STREQ(context.liveryArchive, host::kDefaultLiveryArchive);
  for (const char* url : {context.productUpdateServer, context.hostUpdateServer, context.liveriesServer,
                          context.liveryArchive}) {
    EXPECT_NE(url[std::strlen(url) - 1], '/') << url;
  }
  EXPECT_FALSE(Exists(context.configPath));
}

TEST_F(HostConfigTest, StoredValuesAreRead) {
  WriteWholeFile(host::Context().configPath,
                 "[Main]\r\nOpen_PDF_Externally=0\r\n[Online]\r\nCheckForUpdates=0\r\n"
                 "ProdUpdateServer=http://127.0.0.1:8080/produpdate\r\nS3Archive=http://127.0.0.1:8080/arc\r\n");
  HostContext& context = host::Context();
  host::ReadConfiguration(context);
  EXPECT_EQ(context.openPdfExternally, 0);
  EXPECT_EQ(context.checkForUpdates, 0);
  EXPECT_STREQ(context.productUpdateServer, "http://127.0.0.1:8080/produpdate");
  EXPECT_STREQ(context.liveryArchive, "http://127.0.0.1:8080/arc");
  EXPECT_STREQ(context.liveriesServer, host::kDefaultLiveriesServer);
}

TEST_F(HostConfigTest, OverlongUrlIsCutToItsField) {
  std::string url = "http://127.0.0.1/" + std::string(400, 'u');
  WriteWholeFile(host::Context().configPath, "[Online]\r\nUpdateServer=" + url + "\r\n");
  HostContext& context = host::Context();
  host::ReadConfiguration(context);
  EXPECT_EQ(std::string(context.hostUpdateServer), url.substr(0, kUrlChars - 1));
  EXPECT_STREQ(context.liveriesServer, host::kDefaultLiveriesServer);
}

TEST_F(HostConfigTest, SaveCommandWritesBothFlagsAndKeepsTheRest) {
  WriteWholeFile(host::Context().configPath,
                 "[Main]\r\nChangelog=12345\r\n[Protected Folders]\r\nTexture.mine=1\r\n");
  HostContext& context = host::Context();
  context.openPdfExternally = 0;
  context.checkForUpdates = 7;  // any non-zero value is stored as "1"
  EXPECT_EQ(host::HostCommand(kHostSaveSettings, nullptr, nullptr), 0);

  char value[16];
  GetPrivateProfileStringA("Main", "Open_PDF_Externally", "", value, sizeof(value), context.configPath);
  EXPECT_STREQ(value, "0");
  GetPrivateProfileStringA("Online", "CheckForUpdates", "", value, sizeof(value), context.configPath);
  EXPECT_STREQ(value, "1");
  GetPrivateProfileStringA("Main", "Changelog", "", value, sizeof(value), context.configPath);
  EXPECT_STREQ(value, "12345");
  GetPrivateProfileStringA("Protected Folders", "Texture.mine", "", value, sizeof(value), context.configPath);
  EXPECT_STREQ(value, "1");
}

}  // namespace
