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

TEST_F(FileStampTest, PrintsTheLastWriteTimeInDecimal) {
  const std::string path = folder_ / "Changelog.txt";
  WriteWholeFile(path, "v1.17.27");
  SetWriteTime(path, 133456789012345670LL);
  char stamp[host::kFileStampChars];
  ASSERT_TRUE(host::FileStamp(path.c_str(), stamp, sizeof(stamp)));
  EXPECT_STREQ(stamp, "133456789012345670");
}

TEST_F(FileStampTest, MissingFileFailsAtOnceWithoutLogging) {
  char stamp[host::kFileStampChars] = "old";
  EXPECT_FALSE(host::FileStamp((folder_ / "absent.txt").c_str(), stamp, sizeof(stamp)));
  EXPECT_STREQ(stamp, "");
  EXPECT_FALSE(host::FileStamp((folder_ / "absent\\deeper.txt").c_str(), stamp, sizeof(stamp)));
  EXPECT_FALSE(Exists(host::Context().logPath));
}

TEST_F(FileStampTest, OtherErrorsAreLoggedAndRetriedTenTimes) {
  // A folder cannot be opened as a file: access denied on every attempt.
  const std::string path = folder_ / "a folder";
  CreateDirectoryA(path.c_str(), nullptr);
  char stamp[host::kFileStampChars];
  EXPECT_FALSE(host::FileStamp(path.c_str(), stamp, sizeof(stamp)));
  EXPECT_STREQ(stamp, "");
  std::string log = ReadWholeFile(host::Context().logPath);
  size_t count = 0;
  for (size_t at = log.find("\t\t\tError: 5\r\n"); at != std::string::npos; at = log.find("\t\t\tError: 5\r\n", at + 1))
    ++count;
  EXPECT_EQ(count, 10u) << log;
}

}  // namespace
