#include "HostPaths.h"

#include <gtest/gtest.h>

#include <cstring>

#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

std::string Lower(std::string text) {
  CharLowerBuffA(text.data(), DWORD(text.size()));
  return text;
}

TEST(HostPaths, ProgramFolderIsLowerCasedWithTrailingBackslash) {
  char folder[kPathChars];
  ASSERT_TRUE(host::ProgramFolderFromModulePath("C:\\Program Files\\ZELVA\\ZELVA Hangardesk.exe", folder));
  EXPECT_STREQ(folder, "c:\\program files\\zelva\\");
  EXPECT_FALSE(host::ProgramFolderFromModulePath("no folder", folder));
  EXPECT_STREQ(folder, "");
}

TEST(HostPaths, DataFolderChainIsCreatedBelowApplicationData) {
  TestFolder root;
  const std::string appData = root / "Roaming";
  CreateDirectoryA(appData.c_str(), nullptr);
  char folder[kPathChars];
  for (int run = 0; run < 2; ++run) {  // an existing chain is no error
    ASSERT_TRUE(host::BuildDataFolder(appData.c_str(), folder));
    EXPECT_EQ(std::string(folder), Lower(appData + "\\ZELVA\\ZELVA Hangardesk\\"));
    EXPECT_TRUE(Exists(appData + "\\ZELVA\\ZELVA Hangardesk"));
  }
}

TEST(HostPaths, OverlongFoldersAreCutNotOverrun) {
  host::ResetContext(nullptr);
  HostContext& context = host::Context();
  std::string deep = "c:\\" + std::string(600, 'd') + "\\";
  host::SetDataPaths(context, deep.c_str());
  EXPECT_EQ(std::strlen(context.dataFolder), kPathChars - 1);
  EXPECT_EQ(std::strlen(context.logPath), kPathChars - 1);
  EXPECT_EQ(context.fsxRoot[0], '\0');  // the next field is untouched
}

}  // namespace
