// The list behind the Livery Manager page, with and without a page's controls.
#include "LiveryList.h"

#include <gtest/gtest.h>

#include "LiverySimulator.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kFreighterIndex = 1;

class LiveryListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_.WriteConfig(kFreighter, FreighterConfig());
    list_ = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
    description_ = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE, 0, 0, 200, 200, nullptr, nullptr, nullptr,
                                   nullptr);
    page_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
  }
  void TearDown() override {
    module::UnbindLiveryPage();
    for (HWND window : {list_, description_, page_}) DestroyWindow(window);
  }
  std::vector<std::pair<std::string, LRESULT>> Shown() {
    std::vector<std::pair<std::string, LRESULT>> items;
    LRESULT count = SendMessageA(list_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char text[128] = {};
      SendMessageA(list_, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
      items.emplace_back(text, SendMessageA(list_, LB_GETITEMDATA, WPARAM(i), 0));
    }
    return items;
  }
  std::string Description() {
    char text[512] = {};
    GetWindowTextA(description_, text, sizeof(text));
    return text;
  }

  LiverySimulator sim_;
  HWND list_ = nullptr, description_ = nullptr, page_ = nullptr;
};

TEST_F(LiveryListTest, APageSeesTheEntriesTheFilterAndTheDetails) {
  module::LiveryPageControls controls;
  controls.page = page_;
  controls.list = list_;
  controls.description = description_;
  controls.variant = kFreighterIndex;
  module::BindLiveryPage(controls);
  module::ReadLiveryList(kFreighterIndex);
  using Items = std::vector<std::pair<std::string, LRESULT>>;
  EXPECT_EQ(Shown(), (Items{{"ZELVA House Colours", 0}, {"Polar Air Cargo", 1}, {"Nordic Freight", 2}, {"Atlas", 3}}));
  module::FilterLiveryList("AIR");
  EXPECT_EQ(Shown(), (Items{{"Polar Air Cargo", 1}}));
  module::FilterLiveryList(nullptr);
  EXPECT_EQ(Shown().size(), 4u);

  module::ShowLiveryDetails(0, kFreighterIndex);
  EXPECT_EQ(Description(), "The maker's own colours.\r\nDelivered 2019.");
  EXPECT_EQ(std::string(module::LiveryThumbnailPath()),
            sim_.AircraftFolder(kFreighter) + "\\texture.House\\thumbnail.jpg");
  module::ReadLiveryList(kFreighterIndex);
  EXPECT_FALSE(module::IsLiverySelected());
  EXPECT_EQ(Description(), "");
}

TEST_F(LiveryListTest, WithoutAPageTheModelStopsAtTheGapAndShowsNoThumbnailOutsideTheAircraft) {
  sim_.WriteConfig(kFreighter, Entry(0, "Polar", "..\\..\\Elsewhere") + Entry(1, "Nordic", "Nordic") +
                                   Entry(3, "Behind The Gap", "Gap"));
  module::ReadLiveryList(kFreighterIndex);
  ASSERT_EQ(module::LiveryListCount(), 2);
  EXPECT_STREQ(module::LiveryListRecord(1).name, "Nordic");
  module::RepaintLiveryPage();
  module::ShowLiveryDetails(0, kFreighterIndex);
  EXPECT_STREQ(module::LiveryThumbnailPath(), "");
}

}  // namespace
