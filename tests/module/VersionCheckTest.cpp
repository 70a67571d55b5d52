// The real K50 module in this process judging the maker's versions: this
// test plays the host's commands (notifications, documents, downloads) and
// the loopback nginx plays the maker's server.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostCommands.h"
#include "HostProcess.h"
#include "HostState.h"
#include "K50Setup.h"
#include "MakerServer.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

struct Document {
  std::wstring path, title;
};

std::vector<PanelRecord> g_notices;
std::vector<DownloadRequest> g_downloads;
std::vector<Document> g_documents;

INT_PTR __cdecl PlayHost(int32_t code, const char* text, void* object) {
  switch (code) {
    case kHostAddPanel:
      g_notices.push_back(*reinterpret_cast<const PanelRecord*>(text));
      return INT_PTR(100 + g_notices.size());
    case kHostSubmitDownload:
      g_downloads.push_back(*reinterpret_cast<const DownloadRequest*>(text));
      return 1;  // an object the module does not look into
    case kHostShowDocument: {
      const wchar_t* path = reinterpret_cast<const wchar_t*>(text);
      g_documents.push_back({path, path + wcslen(path) + 1});
      return 0;
    }
    default:
      return host::HostCommand(code, text, object);
  }
}

INT_PTR Text(const std::string& text) { return reinterpret_cast<INT_PTR>(text.c_str()); }

class VersionCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_notices.clear();
    g_downloads.clear();
    g_documents.clear();
    k50_.RegisterProduct("1.10");
    k50_.RegisterExpansion("1.0");
    k50_.InstallVariant("ZELVA K50-200LR");
    HostContext& context = host::Context();
    std::strcpy(context.productUpdateServer, server_.url().c_str());
    context.hostCommand = &PlayHost;
    ASSERT_TRUE(k50_.Load());
  }
  void TearDown() override {
    // Versions, changelogs and updaters all go through working folders, none outlives the module.
    k50_.Unload();
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((temp_ / "ZELVA_HDK*").c_str(), &entry);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << entry.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }
  // "Versions.ini" with the product's section, and the expansion's when given.
  std::string Versions(const std::string& product, const std::string& expansion = "") const {
    std::string text = "[ZELVA K50X]\r\n" + product;
    if (!expansion.empty()) text += "[zelva k50-300er fsx]\r\n" + expansion;
    std::string path = files_ / "Versions.ini";
    WriteWholeFile(path, text);
    return path;
  }
  void Evaluate(const std::string& path) { k50_.Command(kModuleEvaluateVersions, Text(path)); }
  int32_t Press(PanelRecord& notice, int button) { return notice.buttonHandler(&notice, button); }
  std::string Narrow(const std::wstring& text) const { return std::string(text.begin(), text.end()); }

  K50Setup k50_;
  MakerServer server_{ZELVA_SERVED_ROOT, ZELVA_HTTP_BASE};
  TestFolder files_, temp_;
  TemporaryFolderOverride tmp_{temp_.path()};
};

TEST_F(VersionCheckTest, AnUpdateIsOfferedOnceForANewerVersionOnly) {
  Evaluate(Versions("Version=1.9\r\nURL=http://maker.test/K50X_Update.exe\r\n"));
  EXPECT_TRUE(g_notices.empty());  // 1.10 is newer than 1.9: no downgrade
  Evaluate(files_ / "Missing.ini");  // a failed download leaves no file
  EXPECT_TRUE(g_notices.empty());

  std::string offer = Versions("Version=1.11\r\nURL=http://maker.test/K50X_Update.exe\r\nChangelog=1\r\n",
                               "Version=1.0\r\n");
  Evaluate(offer);
  Evaluate(offer);
  ASSERT_EQ(g_notices.size(), 1u);  // one per entry and run; the expansion is current
  const PanelRecord& notice = g_notices[0];
  EXPECT_EQ(notice.kind, kPanelNotification);
  EXPECT_STREQ(notice.title, "ZELVA K50 - FSX: New update available");
  EXPECT_STREQ(notice.shortText, "A new update is available for the ZELVA K50 - FSX.  Do you wish to download it?");
  EXPECT_STREQ(notice.buttonText[0], "Install Update");
  EXPECT_STREQ(notice.buttonText[1], "View Changelog");
  EXPECT_STREQ(notice.buttonText[2], "Ignore Update");
  EXPECT_EQ(notice.producerData[0], 0);

  Evaluate(Versions("Version=1.11\r\n", "Version=1.0.1\r\n"));
  ASSERT_EQ(g_notices.size(), 2u);
  EXPECT_STREQ(g_notices[1].title, "ZELVA K50-300ER: New update available");
}

TEST_F(VersionCheckTest, WithoutAPathTheModuleFetchesTheVersionsItself) {
  PackageMaker archive;
  archive.Add("Versions.ini", "[ZELVA K50X]\r\nVersion=1.12\r\n");
  ASSERT_TRUE(server_.Publish("ZELVA_Product_Versions", archive));
  k50_.Command(kModuleEvaluateVersions, 0);
  ASSERT_EQ(g_notices.size(), 1u);
  EXPECT_STREQ(g_notices[0].title, "ZELVA K50 - FSX: New update available");
}

TEST_F(VersionCheckTest, ChangelogKeepsTheNoticeAndItsFileWhileShown) {
  PackageMaker archive;
  archive.Add("Versions.ini", "[ZELVA K50X]\r\nVersion=1.11\r\nChangelog=1\r\n");
  archive.Add("ZELVA K50X Changelog.txt", "1.11: sharper night lighting\r\n");
  ASSERT_TRUE(server_.Publish("ZELVA_Product_Versions", archive));
  Evaluate(Versions("Version=1.11\r\nURL=http://maker.test/K50X_Update.exe\r\nChangelog=1\r\n"));
  ASSERT_EQ(g_notices.size(), 1u);
  PanelRecord notice = g_notices[0];

  EXPECT_EQ(Press(notice, 1), 0);
  ASSERT_EQ(g_documents.size(), 1u);
  EXPECT_EQ(g_documents[0].title, L"ZELVA K50 - FSX Changelog");
  std::string first = Narrow(g_documents[0].path);
  EXPECT_EQ(first.rfind(temp_ / "ZELVA_HDK", 0), 0u) << first;  // a working folder the tear-down looks for
  // Still there for the document window after the button returned.
  EXPECT_EQ(ReadWholeFile(first), "1.11: sharper night lighting\r\n");

  EXPECT_EQ(Press(notice, 1), 0);
  ASSERT_EQ(g_documents.size(), 2u);
  EXPECT_FALSE(Exists(first));  // replaced by the second document
  std::string second = Narrow(g_documents[1].path);
  EXPECT_TRUE(Exists(second));

  EXPECT_EQ(Press(notice, 2), 1);  // "Ignore Update"
  EXPECT_TRUE(g_downloads.empty());
  k50_.Unload();
  EXPECT_FALSE(Exists(second));
}

TEST_F(VersionCheckTest, InstallUpdateDownloadsOnceAndRefusesNamesThatAreNoPlainFile) {
  Evaluate(Versions("Version=1.11\r\nURL=http://maker.test/updates/K50X_Update_1.11.exe\r\n"));
  ASSERT_EQ(g_notices.size(), 1u);
  PanelRecord notice = g_notices[0];
  EXPECT_EQ(Press(notice, 0), 1);
  EXPECT_EQ(Press(notice, 0), 1);  // while the first download runs: nothing
  ASSERT_EQ(g_downloads.size(), 1u);
  const DownloadRequest& request = g_downloads[0];
  EXPECT_STREQ(request.title, "ZELVA K50 - FSX - 1.11 Update");
  EXPECT_STREQ(request.url, "http://maker.test/updates/K50X_Update_1.11.exe");
  EXPECT_EQ(std::string(request.destination), std::string(host::Context().dataFolder) + "Product Updates\\K50X_Update_1.11.exe");
  EXPECT_EQ(request.start, 1);
  EXPECT_EQ(request.flags, kDownloadProductUpdater);
  EXPECT_EQ(request.userValue, 0);
  ASSERT_NE(request.completion, nullptr);
  DownloadRequest copy = request;
  copy.completion(&copy, kDownloadFailed);  // the download ends; the entry may try again
  EXPECT_EQ(Press(notice, 0), 1);
  EXPECT_EQ(g_downloads.size(), 2u);
  g_downloads[1].completion(&g_downloads[1], kDownloadAborted);

  for (const char* url : {"http://maker.test/get.php?file=K50X.exe", "http://maker.test/..", "http://maker.test/a:b.exe"}) {
    Evaluate(Versions("Version=1.11\r\nURL=" + std::string(url) + "\r\n"));
    DialogAnswerer answer("Update", IDOK);
    EXPECT_EQ(Press(notice, 0), 1);
    ASSERT_TRUE(answer.Wait()) << url;
    EXPECT_NE(answer.text().find("does not end in a plain file name"), std::string::npos) << answer.text();
  }
  Evaluate(Versions("Version=1.11\r\nURL=K50X_Update.exe\r\n"));
  EXPECT_EQ(Press(notice, 0), 1);  // no "/": nothing at all
  EXPECT_EQ(g_downloads.size(), 2u);
}

TEST_F(VersionCheckTest, TheUpdaterRunsAndTheNewVersionIsReadBack) {
  Evaluate(Versions("Version=1.11\r\nURL=http://maker.test/K50X_Update.exe\r\n"));
  ASSERT_EQ(g_notices.size(), 1u);
  PanelRecord notice = g_notices[0];
  std::string record = files_ / "updater.log";
  EnvironmentOverride recording("ZELVA_UPDATER_RECORD", record);

  // An updater that leaves the version as it was: the offer stays.
  EXPECT_EQ(Press(notice, 0), 1);
  ASSERT_EQ(g_downloads.size(), 1u);
  DownloadRequest request = g_downloads[0];
  ASSERT_TRUE(CopyFileA(WindowsPathOf(STANDIN_UPDATER_PATH).c_str(), request.destination, FALSE));
  request.completion(&request, kDownloadComplete);
  EXPECT_EQ(ReadWholeFile(record), "K50X_Update.exe|\r\n");
  EXPECT_TRUE(k50_.Logged("FAIL NOTICE:  After the updater ran"));
  EXPECT_FALSE(Exists(std::string(host::Context().dataFolder) + "Product Updates"));

  // One that cannot be started is reported, not waited for.
  EXPECT_EQ(Press(notice, 0), 1);
  ASSERT_EQ(g_downloads.size(), 2u);
  request = g_downloads[1];
  WriteWholeFile(request.destination, "not a program");
  {
    DialogAnswerer answer("Update", IDOK);
    request.completion(&request, kDownloadComplete);
    ASSERT_TRUE(answer.Wait());
    EXPECT_EQ(answer.text(), "The downloaded update could not be started.  Please try again.");
  }
  EXPECT_TRUE(k50_.Logged("The updater could not be started"));

  // One that installs the new version.
  EnvironmentOverride installing("ZELVA_UPDATER_SET_VERSION", std::string(kProductKey) + "=1.11");
  EXPECT_EQ(Press(notice, 0), 1);
  ASSERT_EQ(g_downloads.size(), 3u);
  request = g_downloads[2];
  ASSERT_TRUE(CopyFileA(WindowsPathOf(STANDIN_UPDATER_PATH).c_str(), request.destination, FALSE));
  request.completion(&request, kDownloadComplete);
  EXPECT_TRUE(k50_.Logged("Product Version is now: 1.11"));
  EXPECT_TRUE(k50_.Logged("Up-To-Date-Flag set TRUE"));
  EXPECT_FALSE(Exists(std::string(host::Context().dataFolder) + "Product Updates"));
}

}  // namespace
