// The module commands that answer questions about the product.
#include <gtest/gtest.h>

#include "HostState.h"
#include "K50Setup.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

INT_PTR Text(const char* text) { return reinterpret_cast<INT_PTR>(text); }

class ModuleCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    k50_.RegisterProduct();
    k50_.InstallVariant("ZELVA K50F");
    k50_.RegisterExpansion("1.1.0");
  }
  K50Setup k50_;
};

TEST_F(ModuleCommandsTest, NamesMatchWholeAndWithoutRegardToCase) {
  ASSERT_TRUE(k50_.Load());
  EXPECT_EQ(k50_.Command(kModuleVariantInstalled, Text("zelva k50f")), 1);
  EXPECT_EQ(k50_.Command(kModuleVariantInstalled, Text("ZELVA K50")), 0);
  EXPECT_EQ(k50_.Command(kModuleVariantInstalled, Text("ZELVA K50-200LR")), 0);
  EXPECT_EQ(k50_.Command(kModuleVariantInstalled, 0), 0);
  EXPECT_EQ(k50_.Command(kModuleExpansionInstalled, Text("zelva k50-300er")), 1);
  EXPECT_EQ(k50_.Command(kModuleExpansionInstalled, Text("ZELVA K50-300ER FSX")), 0);  // the full name is no short name
  // Without a product window the window commands change nothing and still answer.
  EXPECT_EQ(k50_.Command(kModuleResize, SIZE_RESTORED, MAKELPARAM(800, 600)), 0);
  EXPECT_EQ(k50_.Command(kModuleSetLinkButton, Text("https://example.test/"), 1), kResultUnknown);
}

TEST_F(ModuleCommandsTest, LiveryIsFoundAmongTheVariantsEntriesUpToTheFirstGap) {
  k50_.WriteAircraftConfig("ZELVA K50F",
                           "[fuel]\r\nfuel_type=2\r\n"
                           "[fltsim.0]\r\ntitle=K50F ZELVA Cargo\r\nui_variation=ZELVA Cargo\r\n"
                           "[fltsim.1]\r\ntitle=K50F Polar\r\nui_variation=Polar Air\r\n"
                           "[fltsim.3]\r\ntitle=K50F Hidden\r\nui_variation=Hidden Behind Gap\r\n");
  ASSERT_TRUE(k50_.Load());
  host::Context().currentSimulator = kSimulatorFsx;
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("polar air"), 1), 1);
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("Polar"), 1), 0);
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("Hidden Behind Gap"), 1), 0);
  // Only the low byte names the variant.
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("Polar Air"), 0x7701), 1);
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("Polar Air"), 0), 0);
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, 0, 1), 0);
  // An unknown current simulator reads FSX.
  host::Context().currentSimulator = 0;
  EXPECT_EQ(k50_.Command(kModuleLiveryInstalled, Text("Polar Air"), 1), 1);
}

}  // namespace
