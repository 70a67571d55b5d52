#include "ChangelogCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostPaths.h"
#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

struct Request {
  int32_t code;
  std::wstring path;
  std::wstring title;
};
std::vector<Request> g_requests;

INT_PTR __cdecl RecordCommand(int32_t code, const char* text, void*) {
  const wchar_t* path = reinterpret_cast<const wchar_t*>(text);
  g_requests.push_back({code, path, path + wcslen(path) + 1});
  return kResultUnknown;
}

class ChangelogCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    HostContext& context = host::Context();
    host::SetDataPaths(context, folder_.path().c_str());
    strcpy(context.programFolder, folder_.path().c_str());
    context.hostCommand = &RecordCommand;
    g_requests.clear();
    changelog_ = folder_ / "Changelog.txt";
  }

  std::string Stored() const {
    char value[64];
    GetPrivateProfileStringA("Main", "Changelog", "", value, sizeof(value), host::Context().configPath);
    return value;
  }
  void Touch(long long intervals) {
    HANDLE file = CreateFileA(changelog_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME time{DWORD(intervals), DWORD(intervals >> 32)};
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
  }

  TestFolder folder_;
  std::string changelog_;
};

TEST_F(ChangelogCheckTest, FirstRunStoresTheStampQuietlyAndOnlyAChangeShowsIt) {
  WriteWholeFile(changelog_, "v1.17.26");
  Touch(133000000000000000LL);
  EXPECT_FALSE(host::CheckChangelog(host::Context()));
  EXPECT_EQ(Stored(), "133000000000000000");
  EXPECT_FALSE(host::CheckChangelog(host::Context()));  // unchanged
  EXPECT_TRUE(g_requests.empty());

  Touch(133000000010000000LL);
  EXPECT_TRUE(host::CheckChangelog(host::Context()));
  EXPECT_EQ(Stored(), "133000000010000000");
  ASSERT_EQ(g_requests.size(), 1u);
  EXPECT_EQ(g_requests[0].code, kHostShowDocument);
  EXPECT_EQ(g_requests[0].path, std::wstring(changelog_.begin(), changelog_.end()));
  EXPECT_EQ(g_requests[0].title, L"Hangardesk Changelog");

  // Removed: nothing shown, the stamp goes, and a missing file is no error to log.
  DeleteFileA(changelog_.c_str());
  EXPECT_FALSE(host::CheckChangelog(host::Context()));
  EXPECT_EQ(g_requests.size(), 1u);
  EXPECT_EQ(Stored(), "");
  EXPECT_FALSE(Exists(host::Context().logPath));
}

}  // namespace
