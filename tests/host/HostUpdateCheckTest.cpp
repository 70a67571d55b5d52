// The host's update check and updater download in this process, against
// update archives that the loopback nginx serves.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "FileDigest.h"
#include "FixedText.h"
#include "HostCommands.h"
#include "HostProcess.h"
#include "HostPaths.h"
#include "HostState.h"
#include "HostUpdateCheck.h"
#include "HostUpdateNotice.h"
#include "MakerServer.h"
#include "TestFolder.h"
#include "UpdaterDownload.h"
#include "CabinetEntryFetch.h"
#include "WideText.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr uint64_t kStamp = 133000000000000000ull;

std::vector<PanelRecord> g_notices;

INT_PTR __cdecl RecordNotices(int32_t code, const char* text, void* object) {
  if (code != kHostAddPanel) return host::HostCommand(code, text, object);
  g_notices.push_back(*reinterpret_cast<const PanelRecord*>(text));
  return INT_PTR(g_notices.size());
}

std::string Digest(const std::string& content) { return crypto::TextDigestOfBytes(content.data(), content.size()); }

std::string Section(int number, uint64_t date, const std::string& name, const std::string& checksum) {
  char text[400];
  std::snprintf(text, sizeof(text), "[File %d]\r\nFile_Date=%llu\r\nFile_Name=%s\r\nChecksum=%s\r\n", number,
                static_cast<unsigned long long>(date), name.c_str(), checksum.c_str());
  return text;
}

void SetLastWrite(const std::string& path, uint64_t intervals) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  FILETIME time{DWORD(intervals), DWORD(intervals >> 32)};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

// Runs a program with its standard output into a file; returns the exit code.
DWORD RunCapturing(const std::string& commandLine, const std::string& output) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE file = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  std::string line = commandLine;
  DWORD code = DWORD(-1);
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(file);
  return code;
}

class HostUpdateCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    HostContext& context = host::Context();
    host::SetDataPaths(context, data_.path().c_str());
    text::CopyBounded(context.programFolder, program_.path().c_str());
    text::CopyBounded(context.hostUpdateServer, server_.url().c_str());
    context.isAdministrator = 1;
    context.hostCommand = &RecordNotices;
    g_notices.clear();
  }
  void TearDown() override {
    // Every check and download leaves its working folder behind it.
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((temp_ / "ZELVA_HDK*").c_str(), &entry);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << entry.cFileName;
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
  }

  void Local(const std::string& name, const std::string& content, uint64_t stamp) {
    std::string path = program_ / name;
    CreateDirectoryA(path.substr(0, path.find_last_of('\\')).c_str(), nullptr);
    WriteWholeFile(path, content);
    SetLastWrite(path, stamp);
  }
  // The list with an updater beside it, as the maker publishes them: by
  // default 100 KB that do not compress, so the reader meets full data blocks.
  void Publish(const std::string& list, std::string updater = "") {
    if (updater.empty())
      for (uint32_t i = 0, x = 12345; i < 100000; ++i) updater += char((x = x * 1103515245u + 12345u) >> 24);
    PackageMaker archive;
    archive.Add("update.cfg", list);
    archive.Add("HangardeskUpdater.exe", updater);
    ASSERT_TRUE(server_.Publish("ZELVA_Hangardesk_Update", archive));
  }
  int Check(const std::string& list, bool notify = false) {
    Publish(list);
    return host::CheckHostUpdate(host::Context(), notify);
  }
  std::string Log() const { return ReadWholeFile(host::Context().logPath); }
  bool Logged(const std::string& text) const { return Log().find(text) != std::string::npos; }

  TestFolder data_, program_, temp_;
  TemporaryFolderOverride tmp_{temp_.path()};
  MakerServer server_{ZELVA_SERVED_ROOT, ZELVA_HTTP_BASE};
};

TEST_F(HostUpdateCheckTest, EachListedFileAgainstItsLocalCopy) {
  const std::string content = "ZELVA Hangardesk\r\nrelease 1.17.28\r\n";
  struct Case {
    const char* what;
    const char* local;  // null: no local file
    uint64_t localStamp;
    int expected;
    const char* logged;
  } cases[] = {
      {"missing", nullptr, 0, 1, "No timestamp.  Doesn't exist?  Will Update"},
      {"same stamp and digest", "ZELVA Hangardesk\r\nrelease 1.17.28\r\n", kStamp, 0, nullptr},
      {"same stamp, line ends differ", "ZELVA Hangardesk\nrelease 1.17.28\n", kStamp, 0, nullptr},
      {"same stamp, one byte changed", "ZELVA Hangardesk\r\nrelease 1.17.29\r\n", kStamp, 1,
       "File corrupted.  Will Update"},
      {"older", "ZELVA Hangardesk\r\nrelease 1.17.28\r\n", kStamp - 1, 1, "Newer version available.  Will Update"},
      {"newer and different", "patched locally", kStamp + 1, 0, nullptr},
  };
  for (const Case& c : cases) {
    DeleteFileA((program_ / "Hangardesk.dat").c_str());
    if (c.local != nullptr) Local("Hangardesk.dat", c.local, c.localStamp);
    EXPECT_EQ(Check(Section(0, kStamp, "Hangardesk.dat", Digest(content))), c.expected) << c.what;
    if (c.logged != nullptr) {
      EXPECT_TRUE(Logged(c.logged)) << c.what;
    }
    EXPECT_FALSE(host::CurrentHostUpdateOffer().newUpdater) << c.what;
  }
  EXPECT_TRUE(Logged("\tUpdate URL: " + server_.url() + "/ZELVA_Hangardesk_Update\r\n"));
}

TEST_F(HostUpdateCheckTest, ListEndsAtTheFirstSectionWithoutDateAndNamesStayInTheProgramFolder) {
  EXPECT_EQ(Check("[File 0]\r\nFile_Name=Gone.dat\r\n" + Section(1, kStamp, "Gone.dat", Digest("x"))), 0);
  EXPECT_FALSE(Logged("Gone.dat"));

  // Not there, yet never a reason to update: these are no files of ours.
  std::string list;
  const char* outside[] = {"..\\..\\outside.dat", "C:\\outside.dat", "Docs\\..\\..\\outside.dat", "\\outside.dat",
                           "CON"};
  for (int i = 0; i < 5; ++i) list += Section(i, kStamp, outside[i], Digest("x"));
  EXPECT_EQ(Check(list), 0);
  EXPECT_EQ(CountOf(Log(), "Name leaves the program folder or is not a plain path; skipped"), 5u);
  EXPECT_FALSE(Logged("Local path: " + program_.path() + ".."));
}

TEST_F(HostUpdateCheckTest, AnOutdatedUpdaterNamedInLowerCaseAsksForANewUpdater) {
  Local("Docs\\Manual.txt", "old manual", kStamp);
  std::string updaterDigest = Digest("new updater");
  EXPECT_EQ(Check(Section(0, kStamp, "hangardeskupdater.exe", updaterDigest) +
                  Section(1, kStamp, "Docs\\Manual.txt", Digest("new manual"))),
            1);
  EXPECT_TRUE(host::CurrentHostUpdateOffer().newUpdater);
  EXPECT_EQ(host::CurrentHostUpdateOffer().updaterDigest, updaterDigest);
  EXPECT_TRUE(Logged("This is a new updater"));
  EXPECT_TRUE(g_notices.empty());  // host command 24's check posts nothing
  EXPECT_EQ(host::HostCommand(kHostCheckHostUpdate, nullptr, nullptr), 1);
}

TEST_F(HostUpdateCheckTest, AListMadeByZlptoolForAFolderMatchesThatFolder) {
  Local("ZELVA Hangardesk.exe", std::string("MZ\0\x1A binary", 10), kStamp);
  Local("Changelog.txt", "v1.17.28\r\n- fixes\r\n", kStamp + 5);
  Local("Docs\\Manual.pdf", "%PDF-1.4", kStamp + 7);
  std::string list = data_ / "update.cfg";
  ASSERT_EQ(RunCapturing("\"" + WindowsPathOf(ZLPTOOL_PATH) + "\" update-list \"" + program_.path() + ".\"", list), 0u);
  std::string text = ReadWholeFile(list);
  EXPECT_EQ(text.rfind("[File 0]\r\nFile_Date=", 0), 0u) << text;
  EXPECT_NE(text.find("File_Name=Docs\\Manual.pdf\r\n"), std::string::npos) << text;
  EXPECT_EQ(Check(text), 0);
  EXPECT_EQ(CountOf(Log(), "\t\tLocal path: "), 3u);

  Local("Docs\\Manual.pdf", "%PDF-1.5", kStamp + 7);  // one byte changed, same stamp
  EXPECT_EQ(Check(text), 1);
}

TEST_F(HostUpdateCheckTest, IgnoreIsRememberedForThatListOnly) {
  std::string list = Section(0, kStamp, "Missing.dat", Digest("x"));
  EXPECT_EQ(Check(list, true), 1);
  ASSERT_EQ(g_notices.size(), 1u);
  PanelRecord notice = g_notices[0];
  EXPECT_EQ(notice.kind, kPanelNotification);
  EXPECT_STREQ(notice.title, "Hangardesk Update Available");
  EXPECT_STREQ(notice.buttonText[0], "Install Update");
  EXPECT_STREQ(notice.buttonText[1], "Ignore");
  EXPECT_EQ(notice.producerMark, kPanelMarkUpdate);
  EXPECT_EQ(notice.buttonHandler(&notice, 1), 1);

  EXPECT_EQ(Check(list, true), 1);  // still needed, but not offered again
  EXPECT_EQ(g_notices.size(), 1u);
  EXPECT_EQ(Check(list + Section(1, kStamp, "Other.dat", Digest("y")), true), 1);  // a new list is
  EXPECT_EQ(g_notices.size(), 2u);

  // Install without an updater in the program folder: told, and nothing closes.
  DialogAnswerer answer("Error!", IDOK);
  EXPECT_EQ(notice.buttonHandler(&notice, 0), 1);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text(), "There was a problem launching the new Updater.  Please try again.");
}

TEST_F(HostUpdateCheckTest, UpdaterIsTakenOnlyWithItsDigestAndReplacedWhole) {
  const std::string updater = "MZ new updater\r\n";
  Publish(Section(0, kStamp, "HangardeskUpdater.exe", Digest(updater)), updater);
  std::string placed = program_ / "HangardeskUpdater.exe";
  WriteWholeFile(placed, "MZ old updater");

  EXPECT_EQ(host::DownloadUpdater(host::Context(), Digest("something else").c_str()), 0);
  EXPECT_EQ(ReadWholeFile(placed), "MZ old updater");
  EXPECT_EQ(CountOf(Log(), "Updater download, attempt "), 3u);

  std::string upper = Digest(updater);
  for (char& c : upper) c = char(toupper(c));
  EXPECT_EQ(host::DownloadUpdater(host::Context(), (upper + "\" ").c_str()), 1);
  EXPECT_EQ(ReadWholeFile(placed), updater);
  EXPECT_FALSE(Exists(placed + ".part"));

  host::Context().isAdministrator = 0;
  EXPECT_EQ(host::DownloadUpdater(host::Context(), Digest(updater).c_str()), 0);
  EXPECT_EQ(host::DownloadUpdater(host::Context(), ""), 0);
}

TEST_F(HostUpdateCheckTest, AnUnreachableServerOffersNothing) {
  text::CopyBounded(host::Context().hostUpdateServer, (server_.url() + "/nothing-here").c_str());
  EXPECT_EQ(host::CheckHostUpdate(host::Context(), true), 0);
  EXPECT_TRUE(Logged("\tDownload failed!\r\n"));
  EXPECT_TRUE(Logged("Update Available: 0"));
  EXPECT_TRUE(g_notices.empty());
}

// A list cut off by the server mid-file: nothing of it may be left to read.
TEST_F(HostUpdateCheckTest, ACutOffArchiveLeavesNoPartialFile) {
  std::string versions;
  for (int i = 0; versions.size() < 300000; ++i)
    versions += "[Product " + std::to_string(i * 7919 % 100003) + "]\r\nVersion=1." + std::to_string(i) + "\r\n";
  PackageMaker archive;
  archive.Add("Versions.ini", versions);
  ASSERT_TRUE(server_.Publish("ZELVA_Product_Versions", archive));
  std::string whole = ReadWholeFile(server_.folder() + "ZELVA_Product_Versions");
  WriteWholeFile(server_.folder() + "ZELVA_Product_Versions", whole.substr(0, whole.size() * 6 / 10));
  EXPECT_FALSE(update::FetchCabinetEntry(win::WideFromAnsi((server_.url() + "/ZELVA_Product_Versions").c_str()), 40000,
                                         temp_.path().c_str(), "Versions.ini"));
  EXPECT_FALSE(Exists(temp_ / "Versions.ini"));
}

}  // namespace
