#include "PackageValues.h"

#include <gtest/gtest.h>

namespace zelva::text {
namespace {

TEST(PackageValues, NamesRefuseAnythingThatLeavesTheFolder) {
  EXPECT_TRUE(IsSafeName("Texture.Blue"));
  EXPECT_TRUE(IsSafeName("a..b"));
  for (const char* bad : {"", ".", "..", "..\\x", "a\\b", "a/b", "C:x", "x:", "\\x", "a\tb"})
    EXPECT_FALSE(IsSafeName(bad)) << bad;
  EXPECT_FALSE(IsSafeName(nullptr));
}

TEST(PackageValues, RelativePathsStayBelowTheirFolder) {
  EXPECT_TRUE(IsSafeRelativePath("Gauges\\K50.gau"));
  EXPECT_TRUE(IsSafeRelativePath("Effects/fx_k50.fx"));
  for (const char* bad : {"", "\\Windows\\x", "/etc", "..\\x", "a\\..\\..\\x", "a\\.\\b", "a\\\\b", "C:\\x",
                          "a\\b\\", "a:b", "a\\..", "a\nb"})
    EXPECT_FALSE(IsSafeRelativePath(bad)) << bad;
}

TEST(PackageValues, DestinationsMustBeCompleteAndWithoutClimbing) {
  EXPECT_TRUE(IsSafeAbsolutePath("C:\\FSX\\SimObjects\\Airplanes\\"));
  EXPECT_TRUE(IsSafeAbsolutePath("\\\\server\\share\\fsx"));
  EXPECT_TRUE(IsSafeAbsolutePath("C:\\FSX\\\\Gauges\\k50.gau"));
  for (const char* bad : {"", "fsx\\x", "$(FSXPath)\\Gauges\\x", "\\fsx", "C:fsx", "C:\\FSX\\..\\Windows",
                          "C:\\FSX\\.\\x", "C:\\FSX\\a:b", "C:\\FSX\\\\..\\x", "\\\\", "\\\\\\x"})
    EXPECT_FALSE(IsSafeAbsolutePath(bad)) << bad;
}

}  // namespace
}  // namespace zelva::text
