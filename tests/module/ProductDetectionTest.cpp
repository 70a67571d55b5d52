// What the real module finds of its product, loaded through the host's loader.
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostState.h"
#include "K50Setup.h"
#include "RegistryScope.h"
#include "WorkFolders.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

class ProductDetectionTest : public ::testing::Test {
 protected:
  K50Setup k50_;
};

TEST_F(ProductDetectionTest, WithoutUninstallEntryNothingElseIsExamined) {
  k50_.InstallVariant("ZELVA K50-200LR");
  k50_.RegisterExpansion("1.1.0");
  ASSERT_TRUE(k50_.Load());
  const ProductInfo& info = k50_.info();
  EXPECT_EQ(info.installed + info.variants[0].installed + info.expansions[0].installed, 0);
  EXPECT_FALSE(k50_.Logged("Finding installed variants"));
  EXPECT_EQ(k50_.Command(kModuleVariantInstalled, reinterpret_cast<INT_PTR>("ZELVA K50-200LR")), 0);
}

TEST_F(ProductDetectionTest, OnlyTheAbsentValueOrAMissingKeyMeansAbsentAndAnExpansionNeedsItsVersion) {
  k50_.RegisterProduct("1.4.2");
  k50_.WriteAircraftConfig("ZELVA K50-200LR", "[General]\r\natc_type=ZELVA\r\n[fuel]\r\nfuel_type=0\r\n");
  k50_.WriteAircraftConfig("ZELVA K50F", "[fuel]\r\nfuel_type=99999\r\n");
  k50_.WriteAircraftConfig("ZELVA K50-300ER", "[fuel]\r\nnumber_of_tank_selectors=2\r\n");
  k50_.RegisterExpansion(nullptr);
  ASSERT_TRUE(k50_.Load());
  const ProductInfo& info = k50_.info();
  EXPECT_STREQ(info.version, "1.4.2");
  EXPECT_EQ((std::vector<int>{info.installed, info.variants[0].installed, info.variants[1].installed,
                              info.variants[2].installed, info.expansions[0].installed}),
            (std::vector<int>{1, 1, 0, 0, 0}));

  k50_.RegisterExpansion("1.1.0");
  ASSERT_TRUE(k50_.Load());
  EXPECT_STREQ(k50_.info().expansions[0].version, "1.1.0");
}

TEST_F(ProductDetectionTest, VersionThatIsNoStringOrDoesNotFitIsNoVersion) {
  k50_.RegisterProduct(std::string(30, '7').c_str());  // 30 characters leave no room for the terminator
  k50_.InstallVariant("ZELVA K50-200LR");
  ASSERT_TRUE(k50_.Load());
  EXPECT_STREQ(k50_.info().version, "");
  EXPECT_EQ(k50_.info().installed, 0);

  k50_.RegisterProduct(std::string(29, '7').c_str());
  ASSERT_TRUE(k50_.Load());
  EXPECT_STREQ(k50_.info().version, std::string(29, '7').c_str());
  EXPECT_EQ(k50_.info().installed, 1);

  // A number whose bytes read as "1.2" when taken for text.
  RegistryScope number;
  number.SetNumber(HKEY_LOCAL_MACHINE, kProductKey, "DisplayVersion", 0x00322E31, KEY_WOW64_32KEY);
  ASSERT_TRUE(k50_.Load());
  EXPECT_STREQ(k50_.info().version, "");
  EXPECT_EQ(k50_.info().installed, 0);
}

TEST_F(ProductDetectionTest, MissingSimulatorMeansNoVariantWhereverARelativePathWouldLead) {
  // A relative path would make the profile functions read the Windows folder
  // or the current folder.
  char windows[MAX_PATH], current[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  GetCurrentDirectoryA(MAX_PATH, current);
  std::vector<std::string> decoys = {std::string(windows) + "\\SimObjects\\", std::string(current) + "\\SimObjects\\"};
  for (const std::string& decoy : decoys) {
    std::string folder = decoy + "Airplanes\\ZELVA K50-200LR";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    WriteWholeFile(folder + "\\aircraft.cfg", "[fuel]\r\nfuel_type=2\r\n");
  }
  k50_.RegisterProduct();
  host::Context().fsxRoot[0] = '\0';
  bool loaded = k50_.Load();
  for (const std::string& decoy : decoys) files::DeleteFolderTree(decoy.c_str());
  ASSERT_TRUE(loaded);
  EXPECT_EQ(k50_.info().installed, 0);
  EXPECT_TRUE(k50_.Logged("\t\tPath: SimObjects\\Airplanes\\ZELVA K50-200LR\\aircraft.cfg\r\n"));
}

TEST_F(ProductDetectionTest, HostListsARegisteredButAbsentProductAfterInstalledOnes) {
  k50_.RegisterProduct();
  TestFolder program;
  HostContext& context = host::Context();
  strcpy(context.programFolder, program.path().c_str());
  ASSERT_TRUE(CopyFileA(WindowsPathOf(ZELVA_MODULE_PATH).c_str(), (program / "a k50.dll").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA((WindowsPathOf(TEST_MODULE_DIR) + "\\test_installed.dll").c_str(),
                        (program / "b installed.dll").c_str(), FALSE));
  host::LoadProductModules();
  ASSERT_EQ(host::ProductModuleCount(), 2);
  EXPECT_STREQ(host::ProductModuleAt(0).info.shortName, "Test Installed");
  EXPECT_STREQ(host::ProductModuleAt(1).info.shortName, "ZELVA K50X");
  EXPECT_EQ(host::ProductModuleAt(1).info.installed, 0);  // drawn grey
  host::UnloadProductModules();
}

}  // namespace
