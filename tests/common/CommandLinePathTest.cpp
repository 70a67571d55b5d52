#include "CommandLinePath.h"

#include <gtest/gtest.h>

namespace zelva::text {
namespace {

TEST(CommandLinePath, QuotesAndSurroundingBlanksAreNoPartOfThePath) {
  EXPECT_EQ(PathFromCommandLine("\"c:\\my liveries\\a.zlp\""), "c:\\my liveries\\a.zlp");
  EXPECT_EQ(PathFromCommandLine("  \"c:\\a.zlp\" \r\n"), "c:\\a.zlp");
  // Unquoted, as the association's %1 gives it: blanks inside stay.
  EXPECT_EQ(PathFromCommandLine("c:\\my liveries\\a.zlp"), "c:\\my liveries\\a.zlp");
  // Not one enclosing pair: left as it stands.
  EXPECT_EQ(PathFromCommandLine("\"c:\\a.zlp"), "\"c:\\a.zlp");
  EXPECT_EQ(PathFromCommandLine(nullptr), "");
}

}  // namespace
}  // namespace zelva::text
