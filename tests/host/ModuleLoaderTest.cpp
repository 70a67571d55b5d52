#include "ModuleLoader.h"

#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "HostPaths.h"
#include "HostState.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

class ModuleLoaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    HostContext& context = host::Context();
    host::SetDataPaths(context, data_.path().c_str());
    strcpy(context.programFolder, program_.path().c_str());
  }
  void TearDown() override { host::UnloadProductModules(); }
  void Install(const char* built, const std::string& as) {
    ASSERT_TRUE(CopyFileA(Built(built).c_str(), (program_ / as).c_str(), FALSE)) << built;
  }
  std::string Log() const { return ReadWholeFile(host::Context().logPath); }
  bool Logged(const std::string& text) const { return Log().find(text) != std::string::npos; }

  TestFolder data_, program_;
};

TEST_F(ModuleLoaderTest, LoadsModulesInstalledFirstAndSkipsEverythingElse) {
  for (auto [built, as] : {std::pair{"test_not_installed.dll", "a_absent.dll"}, {"test_installed.dll", "b_installed.dll"},
                           {"test_load_fails.dll", "c_refusing.dll"}, {"test_missing_export.dll", "d_partial.dll"},
                           {"test_not_a_module.dll", "e_other.dll"}, {"test_installed.dll", "R41 XSE.dll"}})
    Install(built, as);
  WriteWholeFile(program_ / "notes.txt", "not a library");

  host::LoadProductModules();
  HostContext& context = host::Context();
  ASSERT_EQ(host::ProductModuleCount(), 2);
  EXPECT_EQ(context.moduleCount, 2);
  EXPECT_STREQ(host::ProductModuleAt(0).info.shortName, "Test Installed");
  EXPECT_STREQ(host::ProductModuleAt(1).info.shortName, "Test Absent");
  // The context's pointers follow the slots, not the modules.
  EXPECT_EQ(context.products[0], &host::ProductModuleAt(0).info);
  EXPECT_STREQ(context.products[0]->displayName, "Test Installed - FSX");

  // The retired library is deleted, not loaded.
  EXPECT_FALSE(Exists(program_ / "R41 XSE.dll"));
  EXPECT_TRUE(Logged("Test Refusing - test load\r\n"));
  // Refused and partial libraries are released again.
  EXPECT_EQ(GetModuleHandleA((program_ / "c_refusing.dll").c_str()), nullptr);
  EXPECT_EQ(GetModuleHandleA((program_ / "d_partial.dll").c_str()), nullptr);

  host::UnloadProductModules();
  EXPECT_EQ(host::ProductModuleCount(), 0);
  EXPECT_TRUE(Logged("Test Absent - test unload"));
  EXPECT_EQ(GetModuleHandleA((program_ / "b_installed.dll").c_str()), nullptr);
}

TEST_F(ModuleLoaderTest, ScanStopsWhenTheTableIsFull) {
  for (int i = 0; i < host::kProductSlots + 3; ++i) Install("test_not_installed.dll", "m" + std::to_string(i) + ".dll");
  host::LoadProductModules();
  EXPECT_EQ(host::ProductModuleCount(), host::kProductSlots);
  EXPECT_EQ(host::Context().moduleCount, host::kProductSlots);
}

TEST_F(ModuleLoaderTest, MissingSettingsModuleTellsTheUser) {
  DialogAnswerer answer("Error", IDOK);
  EXPECT_FALSE(host::LoadSettingsModule(nullptr));
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text().rfind("There was an error loading a required settings file.", 0), 0u) << answer.text();
  EXPECT_EQ(host::SettingsModule().library, nullptr);

  ASSERT_TRUE(CopyFileA(WindowsPathOf(ZELVA_SETTINGS_PATH).c_str(), (program_ / "Settings.dat").c_str(), FALSE));
  EXPECT_TRUE(host::LoadSettingsModule(nullptr));
  EXPECT_NE(host::SettingsModule().library, nullptr);
}

}  // namespace
