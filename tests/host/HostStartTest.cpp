// Starts the real program with a fresh user profile.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "TestFolder.h"

using namespace zelva::testing;

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// Points the user's roaming application-data folder elsewhere while it lives.
class AppDataOverride {
 public:
  explicit AppDataOverride(const std::string& folder) {
    RegCreateKeyExA(HKEY_CURRENT_USER, kShellFolders, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD size = sizeof(previous_);
    hadPrevious_ = RegQueryValueExA(key_, "AppData", nullptr, &type_, reinterpret_cast<BYTE*>(previous_), &size) ==
                   ERROR_SUCCESS;
    RegSetValueExA(key_, "AppData", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                   DWORD(folder.size() + 1));
  }
  ~AppDataOverride() {
    if (hadPrevious_)
      RegSetValueExA(key_, "AppData", 0, type_, reinterpret_cast<const BYTE*>(previous_), DWORD(strlen(previous_) + 1));
    else
      RegDeleteValueA(key_, "AppData");
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  DWORD type_ = REG_EXPAND_SZ;
  char previous_[MAX_PATH] = {};
  bool hadPrevious_ = false;
};

DWORD RunHost(const std::string& arguments) {
  std::string commandLine = "\"" + WindowsPathOf(ZELVA_HOST_PATH) + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return DWORD(-1);
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = DWORD(-1);
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST(HostStart, FreshProfileGetsDataFolderAndANewLogEachRun) {
  TestFolder profile;
  const std::string roaming = profile / "Roaming";
  CreateDirectoryA(roaming.c_str(), nullptr);
  const std::string dataFolder = roaming + "\\ZELVA\\ZELVA Hangardesk\\";
  {
    AppDataOverride override(roaming);
    ASSERT_EQ(RunHost(""), 0u);
    std::string first = ReadWholeFile(dataFolder + "ZELVA Hangardesk.log");
    EXPECT_EQ(first.rfind("===================== ZELVA Hangardesk v1.17.27 =====================\r\n", 0), 0u)
        << first;
    EXPECT_TRUE(std::regex_search(first, std::regex(R"(   Starting Hangardesk\r\n.*   \r\n.*   Loading Settings\r\n)")))
        << first;
    // Defaults apply without the configuration file being written.
    EXPECT_FALSE(Exists(dataFolder + "ZELVA Hangardesk.cfg"));

    WriteWholeFile(dataFolder + "ZELVA Hangardesk.log", "marker of an earlier run");
    ASSERT_EQ(RunHost("c:\\liveries\\some.zlp"), 0u);
  }
  std::string second = ReadWholeFile(dataFolder + "ZELVA Hangardesk.log");
  EXPECT_EQ(second.find("marker of an earlier run"), std::string::npos);
  EXPECT_EQ(second.rfind("=====", 0), 0u);
}

}  // namespace
