#include "PathVariables.h"

#include <gtest/gtest.h>

#include <string>

namespace zelva::text {
namespace {

const PathVariableValues kValues = {"D:\\FSX\\", "C:\\windows\\", "c:\\hangardesk\\"};

std::string Expand(const char* target, const PathVariableValues& values = kValues, size_t capacity = 450) {
  std::string output(capacity, 'x');
  if (!ExpandPathVariables(target, values, output.data(), capacity))
    return output[0] == '\0' ? "<too long>" : "<too long, output kept>";
  return output.c_str();
}

TEST(PathVariables, EveryVariableInAnyCaseWhereverItOccurs) {
  EXPECT_EQ(Expand("$(FSXPath)Gauges\\k50.gau"), "D:\\FSX\\Gauges\\k50.gau");
  EXPECT_EQ(Expand("$(windowspath)Fonts\\k50.ttf"), "C:\\windows\\Fonts\\k50.ttf");
  EXPECT_EQ(Expand("x$(FSXPath)$(FsxPath)"), "xD:\\FSX\\D:\\FSX\\");
  // Anything that only looks like a variable is copied unchanged.
  EXPECT_EQ(Expand("$(FSX)\\$(FSXPath\\$"), "$(FSX)\\$(FSXPath\\$");
}

TEST(PathVariables, UnknownSimulatorFolderLeavesTheVariableWithABackslash) {
  PathVariableValues values = kValues;
  values.simulatorFolder = "";
  EXPECT_EQ(Expand("$(FSXPath)Gauges", values), "$(FSXPath)\\Gauges");
}

TEST(PathVariables, AResultThatDoesNotFitIsRefusedAndLeftEmpty) {
  // 449 characters fit 450 bytes, 450 do not; an expansion can push it over.
  std::string fits(449, 'a');
  EXPECT_EQ(Expand(fits.c_str()), fits);
  EXPECT_EQ(Expand((fits + "b").c_str()), "<too long>");
  std::string near(443, 'a');  // with "D:\FSX\" one more than fits
  EXPECT_EQ(Expand(("$(FSXPath)" + near).c_str()), "<too long>");
}

}  // namespace
}  // namespace zelva::text
