#include "FileStamp.h"

#include <gtest/gtest.h>

#include "HostLog.h"
#include "HostPaths.h"
#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

class FileStampTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    host::SetDataPaths(host::Context(), folder_.path().c_str());
  }
  TestFolder folder_;
};

void SetWriteTime(const std::string& path, long long intervals) {
  HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME time{DWORD(intervals), DWORD(intervals >> 32)};
  SetFileTime(file, nullptr, nullptr, &time);
  CloseHandle(file);
}

TEST_F(FileStampTest, PrintsTheLastWriteTimeAndAMissingFileFailsAtOnceWithoutLogging) {
  const std::string path = folder_ / "Changelog.txt";
  WriteWholeFile(path, "v1.17.27");
  SetWriteTime(path, 133456789012345670LL);
  char stamp[host::kFileStampChars];
  ASSERT_TRUE(host::FileStamp(path.c_str(), stamp, sizeof(stamp)));
  EXPECT_STREQ(stamp, "133456789012345670");

  EXPECT_FALSE(host::FileStamp((folder_ / "absent\\deeper.txt").c_str(), stamp, sizeof(stamp)));
  EXPECT_STREQ(stamp, "");
  EXPECT_FALSE(Exists(host::Context().logPath));
}

}  // namespace
