// The real module's checks when it is loaded: the backup it leaves at unload,
// the one question about liveries a product update wiped out at the next
// load, and orphaned folders asked about only when no such question is open.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HostCommands.h"
#include "HostState.h"
#include "K50Setup.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

// What the module posts; every other host command goes to the host itself.
std::vector<PanelRecord> g_notices;
INT_PTR __cdecl RecordNotices(int32_t code, const char* text, void* object) {
  if (code != kHostAddPanel || text == nullptr) return host::HostCommand(code, text, object);
  g_notices.push_back(*reinterpret_cast<const PanelRecord*>(text));
  return INT_PTR(g_notices.size());
}

std::vector<std::string> Titles() {
  std::vector<std::string> titles;
  for (const PanelRecord& notice : g_notices) titles.push_back(notice.title);
  return titles;
}

std::string Entry(int entry, const std::string& name, const std::string& texture) {
  return "[fltsim." + std::to_string(entry) + "]\r\ntitle=K50F " + name + "\r\nui_variation=" + name +
         "\r\ntexture=" + texture + "\r\natc_id=N" + std::to_string(100 + entry) + "\r\n\r\n";
}

// What makes a variant count as installed.
const std::string kFuel = "[fuel]\r\nfuel_type=2\r\n";

class LiveryStartChecksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_notices.clear();
    host::Context().hostCommand = &RecordNotices;
    k50_.RegisterProduct();
    k50_.WriteAircraftConfig("ZELVA K50-200LR", Entry(0, "ZELVA House 200", "House") + kFuel);
    Folder("ZELVA K50-200LR", "House");
    for (const char* texture : {"House", "Polar", "Nordic", "Atlas", "Test"}) Folder("ZELVA K50F", texture);
  }
  void Folder(const char* variant, const char* texture) {
    std::string folder = k50_.fsxRoot() + "SimObjects\\Airplanes\\" + variant + "\\Texture." + texture;
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    WriteWholeFile(folder + "\\k50f_fuse.bmp", "BM");
  }
  void Freighter(const std::string& entries) { k50_.WriteAircraftConfig("ZELVA K50F", entries + kFuel); }
  std::string FreighterConfig() const {
    return ReadWholeFile(k50_.fsxRoot() + "SimObjects\\Airplanes\\ZELVA K50F\\aircraft.cfg");
  }
  // Unloads and loads again, as a new start of the host does.
  void Restart() {
    k50_.Unload();
    g_notices.clear();
    ASSERT_TRUE(k50_.Load());
  }

  K50Setup k50_;
};

TEST_F(LiveryStartChecksTest, AStartAfterAProductUpdateAsksOnceAboutTheLostLiveriesAndNothingElse) {
  Freighter(Entry(0, "ZELVA House Colours", "House") + Entry(1, "Polar Air Cargo", "Polar") +
            Entry(2, "Nordic Freight", "Nordic") + Entry(3, "Atlas", "Atlas"));
  ASSERT_TRUE(k50_.Load());
  // No backup yet, nothing lost: the unknown folder is the one question.
  EXPECT_EQ(Titles(), (std::vector<std::string>{"FSX Orphaned texture folder found: ZELVA K50F"}));

  // The unload kept every livery; a product update then rewrites aircraft.cfg.
  k50_.Unload();
  Freighter(Entry(0, "ZELVA House Colours", "House") + Entry(1, "Nordic Freight", "Nordic"));
  g_notices.clear();
  ASSERT_TRUE(k50_.Load());
  ASSERT_EQ(Titles(), (std::vector<std::string>{"FSX Missing livery entries detected: ZELVA K50 - FSX"}));
  PanelRecord lost = g_notices[0];
  int repaired = -1;
  for (int button = 0; button < 3; ++button)
    if (std::string(lost.buttonText[button]) == "Repair Liveries") repaired = lost.buttonHandler(&lost, button);
  EXPECT_EQ(repaired, 1);
  const std::string config = FreighterConfig();
  EXPECT_NE(config.find("ui_variation=Polar Air Cargo"), std::string::npos);
  EXPECT_NE(config.find("ui_variation=Atlas"), std::string::npos);

  // Repaired: the next start has nothing lost, and asks about the folder again.
  Restart();
  EXPECT_EQ(Titles(), (std::vector<std::string>{"FSX Orphaned texture folder found: ZELVA K50F"}));
}

}  // namespace
