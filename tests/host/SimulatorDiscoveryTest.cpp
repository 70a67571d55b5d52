// Simulator discovery, the elevation check and the file association, each
// on the prefix's real registry.
#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "Elevation.h"
#include "FileAssociation.h"
#include "HostPaths.h"
#include "HostState.h"
#include "RegistryScope.h"
#include "SimulatorDiscovery.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";

class SimulatorDiscoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host::ResetContext(nullptr);
    host::SetDataPaths(host::Context(), folder_.path().c_str());
  }
  std::string Log() const { return ReadWholeFile(host::Context().logPath); }

  TestFolder folder_;
  RegistryScope registry_;
};

TEST_F(SimulatorDiscoveryTest, SameFolderForFsxAndSteamEditionKeepsOnlyTheSteamEdition) {
  registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", "D:\\Sims\\FSX");
  // Only the 32-bit view holds the Steam edition's key, as on a 64-bit system.
  registry_.SetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\DovetailGames\\FSX", "install_path", "d:\\sims\\fsx\\",
                      KEY_WOW64_32KEY);
  registry_.SetNumber(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition",
                      "Co-Existence", 1);
  HostContext& context = host::Context();
  host::FindFsx(context);
  host::FindFsxSe(context);
  host::ApplyCoExistenceRule(context);

  EXPECT_STREQ(context.fsxRoot, "");
  EXPECT_STREQ(context.fsxRegistryFolder, "D:\\Sims\\FSX\\");
  EXPECT_STREQ(context.fsxSeRoot, "d:\\sims\\fsx\\");  // one backslash, not two
  EXPECT_NE(Log().find("FSX was reporting that it was ALSO installed to D:\\Sims\\FSX\\ and has been set to NULL"),
            std::string::npos)
      << Log();
}

TEST_F(SimulatorDiscoveryTest, EmptyOrOverlongValuesCountAsFailedReadsAndV2StandsInForV3) {
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Lockheed Martin\\Prepar3D v4", "AppPath", "", KEY_WOW64_64KEY);
  registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", "C:\\" + std::string(460, 'x'));
  registry_.SetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Lockheed Martin\\Prepar3D v2", "SetupPath", "E:\\Prepar3D v2\\",
                      KEY_WOW64_32KEY);
  HostContext& context = host::Context();
  host::FindP3dV4(context);
  host::FindFsx(context);
  host::FindP3d(context);
  EXPECT_STREQ(context.p3dV4Root, "");
  EXPECT_STREQ(context.fsxRoot, "");
  EXPECT_STREQ(context.p3dRoot, "E:\\Prepar3D v2\\");
}

int32_t NotAdministrator() { return 0; }
int32_t Administrator() { return 1; }
bool RelaunchRefused() { return false; }
bool RelaunchStarted() { return true; }

TEST_F(SimulatorDiscoveryTest, SimulatorBelowProgramFilesAsksForElevation) {
  HostContext& context = host::Context();
  strcpy(context.fsxSeRoot, "D:\\Steam\\steamapps\\common\\FSX\\");
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchStarted}), host::ElevationOutcome::kNotNeeded);

  strcpy(context.fsxRoot, "C:\\Program Files (x86)\\Microsoft Games\\FSX\\");
  EXPECT_EQ(host::CheckElevation(context, {&Administrator, &RelaunchRefused}), host::ElevationOutcome::kNotNeeded);
  // Started again elevated: this process is to end; nothing is shown.
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchStarted}),
            host::ElevationOutcome::kRelaunched);

  // The user refuses the prompt: a warning, then the program runs on.
  DialogAnswerer answer("Error!", IDOK);
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchRefused}),
            host::ElevationOutcome::kDeclined);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text(), "ZELVA Hangardesk must be launched as Administrator.");
}

TEST_F(SimulatorDiscoveryTest, FileAssociationNeedsBothValues) {
  HostContext& context = host::Context();
  strcpy(context.programFolder, "c:\\program files\\zelva\\");
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Classes\\ZELVA_Hangardesk\\shell\\open\\command", nullptr,
                      "C:\\Program Files\\ZELVA\\ZELVA Hangardesk.exe %1");
  EXPECT_EQ(host::FileAssociationState(context), 0);
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Classes\\.zlp", nullptr, "zelva_hangardesk");
  EXPECT_EQ(host::FileAssociationState(context), 1);
  strcpy(context.programFolder, "d:\\elsewhere\\");
  EXPECT_EQ(host::FileAssociationState(context), 0);
}

}  // namespace
