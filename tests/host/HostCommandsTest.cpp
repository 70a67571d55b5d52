#include "HostCommands.h"

#include <gtest/gtest.h>

#include <cstring>

#include "HostState.h"
#include "Md5.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

TEST(HostCommands, FileDigestCommandReadsLikeTheTextModeRuntime) {
  TestFolder folder;
  const std::string path = folder / "HangardeskUpdater.exe";
  const char kRaw[] = "MZ\r\n\0\x90\x1a" "after";
  WriteWholeFile(path, std::string(kRaw, sizeof(kRaw) - 1));

  char digest[33];
  std::memset(digest, 'z', sizeof(digest));
  EXPECT_EQ(host::HostCommand(kHostFileDigest, path.c_str(), digest), 0);
  const char kRead[] = "MZ\n\x90\xff";
  EXPECT_EQ(std::string(digest), crypto::Md5::HexOf(kRead, sizeof(kRead) - 1));

  EXPECT_EQ(host::HostCommand(kHostFileDigest, (folder / "absent").c_str(), digest), -1);
  EXPECT_STREQ(digest, "");
}

TEST(HostCommands, UnknownCodesAnswerMinusFour) {
  for (int32_t code : {0, 29, -1}) EXPECT_EQ(host::HostCommand(code, nullptr, nullptr), kResultUnknown) << code;
}

}  // namespace
