#include "WorkFolders.h"

#include <gtest/gtest.h>

#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

TEST(WorkFolders, ClearRemovesEveryWorkFolderAndNothingElse) {
  TestFolder temp;
  TemporaryFolderOverride override(temp.path());
  CreateDirectoryA((temp / "ZELVA_HDK0000").c_str(), nullptr);
  CreateDirectoryA((temp / "ZELVA_HDK0001").c_str(), nullptr);
  CreateDirectoryA((temp / "ZELVA_HDK0001\\deep").c_str(), nullptr);
  WriteWholeFile(temp / "ZELVA_HDK0001\\deep\\aircraft.cfg", "[fltsim.0]");
  // A plain file of the same pattern survives clearing.
  WriteWholeFile(temp / "ZELVA_HDK0003", "not a folder");
  CreateDirectoryA((temp / "Other").c_str(), nullptr);
  files::ClearTemporaryFolders();
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0000"));
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0001"));
  EXPECT_TRUE(Exists(temp / "ZELVA_HDK0003"));
  EXPECT_TRUE(Exists(temp / "Other"));
}

// Nested steps each claim a folder of their own, and each leaves nothing.
TEST(WorkFolders, AWorkFolderIsClaimedAtOnceAndGoesWithItsOwner) {
  TestFolder temp;
  TemporaryFolderOverride override(temp.path());
  CreateDirectoryA((temp / "ZELVA_HDK0000").c_str(), nullptr);
  {
    files::WorkFolder outer;
    ASSERT_TRUE(outer.ok());
    EXPECT_EQ(std::string(outer.path()), temp / "ZELVA_HDK0001\\");
    WriteWholeFile(outer.File("Settings.dat"), "[Settings]");
    {
      files::WorkFolder inner;
      ASSERT_TRUE(inner.ok());
      EXPECT_EQ(std::string(inner.path()), temp / "ZELVA_HDK0002\\");
    }
    EXPECT_FALSE(Exists(temp / "ZELVA_HDK0002"));
    EXPECT_TRUE(Exists(outer.File("Settings.dat")));
  }
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0001"));
  EXPECT_TRUE(Exists(temp / "ZELVA_HDK0000"));
}

}  // namespace
