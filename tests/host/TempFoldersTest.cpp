#include "TempFolders.h"

#include <gtest/gtest.h>

#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

TEST(TempFolders, NextNameSkipsTakenNumbersAndClearRemovesAllFolders) {
  TestFolder temp;
  TemporaryFolderOverride override(temp.path());
  CreateDirectoryA((temp / "ZELVA_HDK0000").c_str(), nullptr);
  CreateDirectoryA((temp / "ZELVA_HDK0001").c_str(), nullptr);
  WriteWholeFile(temp / "ZELVA_HDK0001\\left over.bmp", "data");

  char name[kPathChars];
  ASSERT_TRUE(host::MakeTemporaryFolderName(name));
  EXPECT_EQ(std::string(name), temp / "ZELVA_HDK0002\\");
  EXPECT_FALSE(Exists(name));  // named, not created

  CreateDirectoryA(name, nullptr);
  CreateDirectoryA((temp / "ZELVA_HDK0002\\deep").c_str(), nullptr);
  WriteWholeFile(temp / "ZELVA_HDK0002\\deep\\aircraft.cfg", "[fltsim.0]");
  // A plain file of the same pattern takes its number but survives clearing.
  WriteWholeFile(temp / "ZELVA_HDK0003", "not a folder");
  CreateDirectoryA((temp / "Other").c_str(), nullptr);

  ASSERT_TRUE(host::MakeTemporaryFolderName(name));
  EXPECT_EQ(std::string(name), temp / "ZELVA_HDK0004\\");

  host::ClearTemporaryFolders();
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0000"));
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0001"));
  EXPECT_FALSE(Exists(temp / "ZELVA_HDK0002"));
  EXPECT_TRUE(Exists(temp / "ZELVA_HDK0003"));
  EXPECT_TRUE(Exists(temp / "Other"));
}

TEST(TempFolders, DeleteFolderTreeTakesTrailingBackslashAndReportsFailure) {
  TestFolder temp;
  const std::string tree = temp / "tree\\";
  CreateDirectoryA(tree.c_str(), nullptr);
  CreateDirectoryA((tree + "sub").c_str(), nullptr);
  WriteWholeFile(tree + "sub\\file.txt", "x");
  EXPECT_TRUE(host::DeleteFolderTree(tree.c_str()));
  EXPECT_FALSE(Exists(tree));
  EXPECT_FALSE(host::DeleteFolderTree(tree.c_str()));
  EXPECT_FALSE(host::DeleteFolderTree(""));
  EXPECT_FALSE(host::DeleteFolderTree(nullptr));
}

}  // namespace
