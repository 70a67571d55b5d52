#include "SimulatorDiscovery.h"

#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "HostPaths.h"
#include "HostState.h"
#include "RegistryScope.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

const char kFsxKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\flight simulator\\10.0";
const char kFsxSeKey[] = "SOFTWARE\\DovetailGames\\FSX";
const char kSteamKey[] = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition";
const char kP3dV2Key[] = "SOFTWARE\\Lockheed Martin\\Prepar3D v2";
const char kP3dV4Key[] = "SOFTWARE\\Lockheed Martin\\Prepar3D v4";

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
  registry_.SetString(HKEY_LOCAL_MACHINE, kFsxSeKey, "install_path", "d:\\sims\\fsx\\", KEY_WOW64_32KEY);
  registry_.SetNumber(HKEY_CURRENT_USER, kSteamKey, "Co-Existence", 1);

  HostContext& context = host::Context();
  host::FindFsx(context);
  host::FindFsxSe(context);
  host::ApplyCoExistenceRule(context);

  EXPECT_STREQ(context.fsxRoot, "");
  EXPECT_STREQ(context.fsxRegistryFolder, "D:\\Sims\\FSX\\");
  EXPECT_STREQ(context.fsxSeRoot, "d:\\sims\\fsx\\");  // one backslash, not two
  EXPECT_STREQ(context.fsxSeRegistryFolder, "d:\\sims\\fsx\\");
  EXPECT_NE(Log().find("FSX-SE install_path in registry is: d:\\sims\\fsx\\"), std::string::npos) << Log();
  EXPECT_NE(Log().find("Co-Existence Key is present and value is: 1"), std::string::npos);
  size_t at = 0;
  for (const char* line :
       {"Co-Existence Check for FSX-SE and FSX Installations:",
        "FSX and FSX-SE Registry Values are the same, thus we assume FSX-SE is actually installed at: d:\\sims\\fsx\\",
        "FSX was reporting that it was ALSO installed to D:\\Sims\\FSX\\ and has been set to NULL",
        "FSX location is now set to (should be blank after the semi-colon): \r\n",
        "IMPORTANT: Run A Support Package and verify the results of"}) {
    at = Log().find(line, at);
    ASSERT_NE(at, std::string::npos) << line << "\n" << Log();
  }
}

TEST_F(SimulatorDiscoveryTest, Prepar3dV2FillsTheFieldsWhenV3IsAbsent) {
  registry_.SetString(HKEY_LOCAL_MACHINE, kP3dV2Key, "SetupPath", "E:\\Prepar3D v2\\", KEY_WOW64_32KEY);
  HostContext& context = host::Context();
  host::FindP3d(context);
  EXPECT_STREQ(context.p3dRoot, "E:\\Prepar3D v2\\");
  EXPECT_STREQ(context.p3dRegistryFolder, "E:\\Prepar3D v2\\");
  EXPECT_NE(Log().find("Prepar3D v3 SetupPath registry key was located but could not be read. 2\r\n"),
            std::string::npos);
  EXPECT_NE(Log().find("Prepar3D v2 SetupPath registry key located data has been read."), std::string::npos);
}

TEST_F(SimulatorDiscoveryTest, EmptyV4ValueAndOverlongValuesCountAsFailedReads) {
  registry_.SetString(HKEY_CURRENT_USER, kP3dV4Key, "AppPath", "", KEY_WOW64_64KEY);
  registry_.SetString(HKEY_CURRENT_USER, kFsxKey, "AppPath", "C:\\" + std::string(460, 'x'));
  HostContext& context = host::Context();
  host::FindP3dV4(context);
  host::FindFsx(context);
  EXPECT_STREQ(context.p3dV4Root, "");
  EXPECT_STREQ(context.p3dV4RegistryFolder, "");
  EXPECT_STREQ(context.fsxRoot, "");
  EXPECT_NE(Log().find("Prepar3D v4 SetupPath registry key is present but data was possibly EMPTY."),
            std::string::npos);
  EXPECT_NE(Log().find("FSX-Retail AppPath registry key was located but could not be read."), std::string::npos);
}

int32_t NotAdministrator() { return 0; }
int32_t Administrator() { return 1; }
bool RelaunchRefused() { return false; }
bool RelaunchStarted() { return true; }

TEST_F(SimulatorDiscoveryTest, SimulatorBelowProgramFilesAsksForElevation) {
  HostContext& context = host::Context();
  strcpy(context.fsxRoot, "C:\\Program Files (x86)\\Microsoft Games\\FSX\\");

  // The administrator goes on without a word.
  EXPECT_EQ(host::CheckElevation(context, {&Administrator, &RelaunchRefused}), host::ElevationOutcome::kNotNeeded);
  EXPECT_NE(Log().find("\t\tYes it is!\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\t\tRunning as Admin\r\n"), std::string::npos);
  EXPECT_NE(Log().find("Checking if P4D is in Program Files"), std::string::npos);

  // Started again elevated: this process is to end; nothing is shown.
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchStarted}),
            host::ElevationOutcome::kRelaunched);

  // The user refuses the prompt: a warning, then the program runs on.
  DialogAnswerer answer("Error!", IDOK);
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchRefused}),
            host::ElevationOutcome::kDeclined);
  ASSERT_TRUE(answer.Wait());
  EXPECT_EQ(answer.text(), "ZELVA Hangardesk must be launched as Administrator.");
  EXPECT_NE(Log().find("\tHangardesk is not run as Admin\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\tRelaunching as Admin\r\n"), std::string::npos);
}

TEST_F(SimulatorDiscoveryTest, FoldersElsewhereNeedNoElevation) {
  HostContext& context = host::Context();
  strcpy(context.fsxSeRoot, "D:\\Steam\\steamapps\\common\\FSX\\");
  EXPECT_EQ(host::CheckElevation(context, {&NotAdministrator, &RelaunchStarted}),
            host::ElevationOutcome::kNotNeeded);
  EXPECT_NE(Log().find("Checking if FSXSE is in Program Files\r\n"), std::string::npos);
  EXPECT_NE(Log().find("\t\tNope!\r\n"), std::string::npos);
}

TEST_F(SimulatorDiscoveryTest, FileAssociationNeedsBothValues) {
  HostContext& context = host::Context();
  strcpy(context.programFolder, "c:\\program files\\zelva\\");
  EXPECT_EQ(host::FileAssociationState(context), 0);
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Classes\\ZELVA_Hangardesk\\shell\\open\\command", nullptr,
                      "C:\\Program Files\\ZELVA\\ZELVA Hangardesk.exe %1");
  EXPECT_EQ(host::FileAssociationState(context), 0);
  registry_.SetString(HKEY_CURRENT_USER, "SOFTWARE\\Classes\\.zlp", nullptr, "zelva_hangardesk");
  EXPECT_EQ(host::FileAssociationState(context), 1);
  strcpy(context.programFolder, "d:\\elsewhere\\");
  EXPECT_EQ(host::FileAssociationState(context), 0);
}

}  // namespace
