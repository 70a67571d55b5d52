// A crash in the middle of rewriting aircraft.cfg, at each step: the file is
// the complete old one or the complete new one, and the next run finishes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "HostProcess.h"
#include "LiverySimulator.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr DWORD kStopped = 77;

class RewriteCrashTest : public ::testing::Test {
 protected:
  DWORD Run(const std::string& operation, const std::string& step) {
    std::string root = sim_.host().fsxRoot;
    root.pop_back();  // a backslash before the closing quote would escape it
    Process helper(WindowsPathOf(LIVERY_REWRITE_STOPPER), operation + " " + step + " \"" + root + "\"", "");
    return helper.Wait(60000);
  }
  std::vector<std::string> Names(const std::string& text) {
    std::string path = sim_.AircraftFolder(kFreighter) + "\\names" + std::to_string(files_++) + ".cfg";
    WriteWholeFile(path, text);
    std::vector<std::string> names;
    for (int entry = 0;; ++entry) {
      char name[128];
      GetPrivateProfileStringA(("fltsim." + std::to_string(entry)).c_str(), "ui_variation", "", name, sizeof(name),
                               path.c_str());
      if (name[0] == '\0') return names;
      names.push_back(name);
    }
  }
  // Stops the operation at every step of its rewrite; returns what a run
  // that finishes leaves.
  std::string StopAtEveryStep(const std::string& operation) {
    const std::string original = FreighterConfig();
    const std::string path = sim_.ConfigPath(kFreighter);
    auto reset = [&] {
      sim_.WriteConfig(kFreighter, original);
      DeleteFileA((path + "_old").c_str());
      DeleteFileA((path + "_new").c_str());
    };
    reset();
    EXPECT_EQ(Run(operation, "none"), 0u);
    const std::string finished = sim_.ReadConfig(kFreighter);
    EXPECT_NE(finished, original);
    for (int step = 0; step < 4; ++step) {
      reset();
      EXPECT_EQ(Run(operation, std::to_string(step)), kStopped);
      EXPECT_EQ(sim_.ReadConfig(kFreighter), step < 3 ? original : finished) << operation << " stopped at " << step;
      if (step == 3) continue;
      // What a stopped run left behind does not stand in the way of the next.
      EXPECT_EQ(Run(operation, "none"), 0u);
      EXPECT_EQ(sim_.ReadConfig(kFreighter), finished) << operation << " after a stop at " << step;
      EXPECT_FALSE(Exists(path + "_new"));
    }
    EXPECT_EQ(ReadWholeFile(path + "_old"), original);
    return finished;
  }

  LiverySimulator sim_;
  int files_ = 0;
};

const std::vector<std::string> kNames = {"ZELVA House Colours", "Polar Air Cargo", "Nordic Freight", "Atlas"};

TEST_F(RewriteCrashTest, Sort) {
  std::vector<std::string> sorted = Names(StopAtEveryStep("sort"));
  EXPECT_EQ(sorted, (std::vector<std::string>{"ZELVA House Colours", "Atlas", "Nordic Freight", "Polar Air Cargo"}));
}

TEST_F(RewriteCrashTest, Removal) {
  EXPECT_EQ(Names(StopAtEveryStep("remove")), (std::vector<std::string>{"ZELVA House Colours", "Nordic Freight"}));
}

TEST_F(RewriteCrashTest, Insertion) {
  std::vector<std::string> expected = kNames;
  expected.push_back("Sky Lease");
  EXPECT_EQ(Names(StopAtEveryStep("insert")), expected);
}

}  // namespace
