// The options page of the real module on settings files beside a simulated
// FSX: its controls are driven by the messages a user's clicks and keys send,
// and what it shows and writes is read back from them and from the files.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostState.h"
#include "K50Setup.h"
#include "OptionsResources.h"
#include "SkinComboBox.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kPageArea = 1007;
constexpr int kOptionsPage = 4;
constexpr const char* k200Lr = "ZELVA K50-200LR";
constexpr const char* k300Er = "ZELVA K50-300ER";
constexpr int k200LrIndex = 0, k300ErIndex = 2;

std::string Livery(int entry, const std::string& name, const std::string& atcId) {
  std::string text = "[fltsim." + std::to_string(entry) + "]\r\ntitle=K50 " + name + "\r\nui_variation=" + name + "\r\n";
  if (!atcId.empty()) text += "atc_id=" + atcId + "\r\n";
  return text;
}
std::string Variant(const std::string& liveries) { return "[fuel]\r\nfuel_type=2\r\n" + liveries; }

class OptionsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    ASSERT_TRUE(skin::RegisterSkinComboBox(host::Context().hostInstance));
    main_ = CreateWindowExA(0, "STATIC", "stand-in main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100,
                            655, nullptr, nullptr, nullptr, nullptr);
    area_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_,
                            nullptr, nullptr, nullptr);
    host::Context().mainWindow = main_;
    k50_.RegisterProduct();
  }
  void TearDown() override {
    // A test that failed half-way may leave changes, which the page asks about as it goes.
    if (page_ != nullptr && IsWindow(page_) && SaveEnabled()) {
      DialogAnswerer answerer("Unsaved Changes", IDNO);
      k50_.Unload();
      Answered(answerer);
    }
    k50_.Unload();
    DestroyWindow(main_);
    skin::UnregisterSkinComboBox(host::Context().hostInstance);
  }

  std::string SettingsFile(const std::string& name) {
    std::string folder = k50_.fsxRoot() + "ZELVA\\ZELVA K50X\\Aircraft\\";
    SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
    return folder + name;
  }
  std::string WriteSettings(const std::string& name, const std::string& content) {
    WriteWholeFile(SettingsFile(name), content);
    return SettingsFile(name);
  }

  void Open() {
    ASSERT_TRUE(k50_.Load());
    ASSERT_EQ(k50_.module().show(area_), 1);
    product_ = FindWindowExA(area_, nullptr, "#32770", nullptr);
    k50_.module().menuChange(kOptionsPage);
    Pump();
    page_ = GetWindow(GetDlgItem(product_, kPageArea), GW_CHILD);
    ASSERT_NE(page_, nullptr);
    ASSERT_NE(Control(IDC_OPTIONS_PROPERTIES), nullptr);
  }
  void Pump() { PumpMessages(); }
  bool Answered(DialogAnswerer& answerer) { return answerer.WaitPumping(); }

  HWND Control(int id) const { return GetDlgItem(page_, id); }
  HWND List() const { return Control(IDC_OPTIONS_PROPERTIES); }
  HWND Editor() const { return GetDlgItem(List(), IDC_OPTIONS_EDITOR); }
  std::string Text(HWND window) const {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
  }

  std::string Cell(int item, int column) const {
    char text[1024] = {};
    LVITEMA data = {};
    data.iSubItem = column;
    data.pszText = text;
    data.cchTextMax = sizeof(text);
    SendMessageA(List(), LVM_GETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&data));
    return text;
  }
  std::vector<std::string> Properties() const {
    std::vector<std::string> names;
    int count = int(SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) names.push_back(Cell(i, 0));
    return names;
  }
  int Row(const std::string& property) const {
    std::vector<std::string> names = Properties();
    for (size_t i = 0; i < names.size(); ++i) {
      if (names[i] == property) return int(i);
    }
    ADD_FAILURE() << "no row " << property;
    return -1;
  }
  std::string Value(const std::string& property) const { return Cell(Row(property), 1); }

  // A click on the row's Value cell, where the editor opens.
  void ClickValue(const std::string& property) {
    RECT cell = {LVIR_BOUNDS, 1, 0, 0};
    SendMessageA(List(), LVM_GETSUBITEMRECT, WPARAM(Row(property)), reinterpret_cast<LPARAM>(&cell));
    LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(List(), WM_LBUTTONUP, 0, at);
    Pump();
  }
  // The window that takes the editor's keys: the edit box, or the field of an editable drop-down.
  HWND Field() const {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    return GetComboBoxInfo(Editor(), &info) && info.hwndItem != nullptr ? info.hwndItem : Editor();
  }
  void Type(const std::string& text) {
    SendMessageA(Field(), EM_SETSEL, 0, -1);
    for (char c : text) SendMessageA(Field(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 1);
  }
  void Key(WPARAM key) {
    SendMessageA(Field(), WM_KEYDOWN, key, 1);
    Pump();
  }
  // The drop-down editor's list closed on an item.
  void Choose(int index) {
    SendMessageA(Editor(), CB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(List(), WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_EDITOR, CBN_SELENDOK), reinterpret_cast<LPARAM>(Editor()));
    Pump();
  }
  // Sets a value the way a user does: click, type, Enter.
  void Enter(const std::string& property, const std::string& text) {
    ClickValue(property);
    Type(text);
    Key(VK_RETURN);
  }
  void Press(int button) {
    SendMessageA(Control(button), BM_CLICK, 0, 0);
    Pump();
  }
  bool SaveEnabled() const { return IsWindowEnabled(Control(IDC_OPTIONS_SAVE)) != FALSE; }

  void ChooseLivery(const std::string& name) {
    HWND list = Control(IDC_OPTIONS_LIVERIES);
    LRESULT index = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(name.c_str()));
    ASSERT_GE(index, 0) << name;
    SendMessageA(list, LB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(page_, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIVERIES, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    Pump();
  }
  std::string ChosenLivery() const {
    HWND list = Control(IDC_OPTIONS_LIVERIES);
    char text[256] = {};
    SendMessageA(list, LB_GETTEXT, SendMessageA(list, LB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
    return text;
  }
  void ChooseVariant(int variant) {
    HWND selector = Control(IDC_OPTIONS_VARIANT);
    LRESULT count = SendMessageA(selector, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      if (SendMessageA(selector, CB_GETITEMDATA, WPARAM(i), 0) == variant) SendMessageA(selector, CB_SETCURSEL, WPARAM(i), 0);
    }
    SendMessageA(page_, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_VARIANT, CBN_SELENDOK), reinterpret_cast<LPARAM>(selector));
    Pump();
  }
  std::vector<std::string> Lines(int listBox) const {
    std::vector<std::string> lines;
    HWND list = Control(listBox);
    LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      char text[256] = {};
      SendMessageA(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
      lines.push_back(text);
    }
    return lines;
  }

  K50Setup k50_;
  HWND main_ = nullptr, area_ = nullptr, product_ = nullptr, page_ = nullptr;
};

// The file is written the way the profile functions keep it, so any byte a
// save touched besides the one key shows.
const std::string kLongValue(200, 'w');
std::string SampleSettings() {
  return "; ZELVA K50 airframe settings\r\n"
         "[Version]\r\nVersion=3\r\nAccurateOptions=1\r\n"
         "[FMS]\r\n; FMC defaults\r\nDefaultAccelHeight=1000\r\nDefaultTransAlt=18000\r\nDragCorrection=2\r\n"
         "Remark=" + kLongValue + "\r\nnoequals line\r\nDefaultReductionAlt=1500\r\n"
         "[failure items]\r\nEngine1=0\r\n";
}

TEST_F(OptionsPageTest, ShowsOnlyTheFmsGroupAndSavesOnlyTheKeyTheUserChanged) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  const std::string path = WriteSettings("N12.ini", SampleSettings());
  Open();
  EXPECT_EQ(Text(Control(IDC_OPTIONS_FILE_NAME)), "(N12.ini)");
  EXPECT_EQ(Properties(), (std::vector<std::string>{"Default acceleration altitude", "Default transition altitude",
                                                    "Remark", "Default thrust reduction altitude or flaps"}));
  EXPECT_EQ(Value("Remark"), kLongValue);
  EXPECT_FALSE(SaveEnabled());

  ClickValue("Remark");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_TITLE)), "Remark");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_DESCRIPTION)), "No description found.");
  Enter("Default transition altitude", "12000");
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Value("Default transition altitude"), "12000");
  ASSERT_TRUE(SaveEnabled());
  // Meanwhile another program changes a key the user left alone.
  WritePrivateProfileStringA("FMS", "DefaultAccelHeight", "1500", path.c_str());
  Press(IDC_OPTIONS_SAVE);
  EXPECT_FALSE(SaveEnabled());

  std::string expected = SampleSettings();
  expected.replace(expected.find("18000"), 5, "12000");
  expected.replace(expected.find("Height=1000"), 11, "Height=1500");
  EXPECT_EQ(ReadWholeFile(path), expected);
}

TEST_F(OptionsPageTest, AValueNobodyEditedStaysWholeAndEscapeOrAScrollDropsAnEdit) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  const std::string path = WriteSettings("N12.ini", SampleSettings());
  Open();
  // Through the long text and out again, then the same with the choice that matches nothing.
  ClickValue("Remark");
  ASSERT_NE(Editor(), nullptr);
  ClickValue("Default transition altitude");
  ClickValue("Default thrust reduction altitude or flaps");
  ClickValue("Remark");
  EXPECT_EQ(Value("Remark"), kLongValue);
  EXPECT_EQ(Value("Default thrust reduction altitude or flaps"), "1500");
  EXPECT_FALSE(SaveEnabled());

  Type("typed, then thought better of");
  Key(VK_ESCAPE);
  EXPECT_EQ(Editor(), nullptr);
  ClickValue("Default acceleration altitude");
  Type("2000");
  SendMessageA(List(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Value("Remark"), kLongValue);
  EXPECT_EQ(Value("Default acceleration altitude"), "1000");
  EXPECT_FALSE(SaveEnabled());

  // Cancel takes back what was committed.
  Enter("Default acceleration altitude", "2000");
  ASSERT_TRUE(SaveEnabled());
  Press(IDC_OPTIONS_CANCEL);
  EXPECT_EQ(Value("Default acceleration altitude"), "1000");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_TITLE)), "");
  EXPECT_FALSE(SaveEnabled());

  // An edit of the long value keeps all of it.
  ClickValue("Remark");
  SendMessageA(Field(), EM_SETSEL, kLongValue.size(), kLongValue.size());
  SendMessageA(Field(), WM_CHAR, '!', 1);
  Key(VK_RETURN);
  Press(IDC_OPTIONS_SAVE);
  char saved[512] = {};
  GetPrivateProfileStringA("FMS", "Remark", "", saved, sizeof(saved), path.c_str());
  EXPECT_EQ(std::string(saved), kLongValue + "!");
}

TEST_F(OptionsPageTest, ThrustReductionTakesFlapsOrARoundedHeight) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  const std::string path = WriteSettings("N12.ini", "[fms]\r\ndefaultreductionalt=1\r\n");
  Open();
  const std::string row = "Default thrust reduction altitude or flaps";
  EXPECT_EQ(Value(row), "Flaps 1");
  for (auto [typed, shown] : {std::pair{"404", "400"}, std::pair{"405", "410"}, std::pair{"9895", "9900"}}) {
    Enter(row, typed);
    EXPECT_EQ(Value(row), shown);
  }
  for (const char* typed : {"399", "9901"}) {
    DialogAnswerer answerer("Validation Error", IDOK);
    Enter(row, typed);
    ASSERT_TRUE(Answered(answerer));
    EXPECT_EQ(answerer.text(), "\"Default thrust reduction altitude or flaps\" must be entered between 400-9900.");
    EXPECT_NE(Editor(), nullptr);  // still open on what was typed
    EXPECT_EQ(Value(row), "9900");
    Key(VK_ESCAPE);
  }
  ClickValue(row);
  Choose(1);
  EXPECT_EQ(Value(row), "Flaps 5");
  Press(IDC_OPTIONS_SAVE);
  EXPECT_EQ(ReadWholeFile(path), "[fms]\r\ndefaultreductionalt=5\r\n");
  Enter(row, "1234");
  Press(IDC_OPTIONS_SAVE);
  EXPECT_EQ(ReadWholeFile(path), "[fms]\r\ndefaultreductionalt=1230\r\n");
}

TEST_F(OptionsPageTest, RangesRejectWhatLiesOutsideAndChoicesChangeOnlyWhenChosen) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  const std::string path = WriteSettings("N12.ini", "[TCAS]\r\nTCAS_FilterRange=40\r\n[FMS]\r\nDerateWashoutAlt=20000\r\n");
  Open();
  const std::string range = "TCAS filter range";
  for (const char* typed : {"0", "79", "12abc"}) {
    Enter(range, typed);
    EXPECT_EQ(Value(range), typed);
  }
  for (const char* typed : {"80", "99999999999", "4294967336"}) {
    DialogAnswerer answerer("Validation Error", IDOK);
    ClickValue(range);
    Type(typed);
    ClickValue("Climb derate washout altitude");  // the click elsewhere commits
    ASSERT_TRUE(Answered(answerer)) << typed;
    EXPECT_EQ(answerer.text(), "Please enter a value between 0 & 79!");
    EXPECT_EQ(Value(range), "12abc");
    Key(VK_ESCAPE);
  }

  const std::string choice = "Climb derate washout altitude";
  EXPECT_EQ(Value(choice), "20000");
  ClickValue(choice);
  ASSERT_NE(Editor(), nullptr);
  EXPECT_EQ(SendMessageA(Editor(), CB_GETCURSEL, 0, 0), 0);
  ClickValue(range);  // looked at, not chosen
  EXPECT_EQ(Value(choice), "20000");
  ClickValue(choice);
  Choose(0);
  EXPECT_EQ(Value(choice), "12000");
  Press(IDC_OPTIONS_SAVE);
  EXPECT_EQ(ReadWholeFile(path), "[TCAS]\r\nTCAS_FilterRange=12abc\r\n[FMS]\r\nDerateWashoutAlt=12000\r\n");
}

TEST_F(OptionsPageTest, EachVariantShowsItsOwnAirframeEquipment) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  k50_.WriteAircraftConfig(k300Er, Variant(Livery(0, "Aurora", "SE-RNB")));
  const std::string airframe = "[Airframe]\r\nAPUtoPack=1\r\nTailskidInstalled=0\r\nSatcomAntenna=2\r\n";
  WriteSettings("N12.ini", airframe);
  WriteSettings("SE-RNB.ini", airframe);
  Open();
  const std::vector<std::string> others = {"APU to pack takeoff"};
  const std::vector<std::string> extendedRange = {"Tail skid installed", "Satcom antenna installed"};
  EXPECT_EQ(Properties(), others);
  ChooseVariant(k300ErIndex);
  EXPECT_EQ(Text(Control(IDC_OPTIONS_FILE_NAME)), "(SE-RNB.ini)");
  EXPECT_EQ(Properties(), extendedRange);
  EXPECT_EQ(Value("Satcom antenna installed"), "Mid");
  ClickValue("Satcom antenna installed");
  EXPECT_EQ(SendMessageA(Editor(), CB_GETCOUNT, 0, 0), 3);
  ChooseVariant(k200LrIndex);
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(Properties(), others);
}

TEST_F(OptionsPageTest, AFileThatCannotBeWrittenIsReportedAndSaveStaysOn) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12")));
  const std::string content = "[GPWS]\r\nGPWS_V1Callout=1\r\n";
  const std::string path = WriteSettings("N12.ini", content);
  Open();
  ClickValue("V1 callout");
  Choose(0);
  EXPECT_EQ(Value("V1 callout"), "Off");

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    DialogAnswerer answerer("Error", IDNO);
    Press(IDC_OPTIONS_SAVE);
    ASSERT_TRUE(Answered(answerer));
    EXPECT_NE(answerer.text().find(path), std::string::npos);
    EXPECT_NE(answerer.text().find("Read-Only"), std::string::npos);
  }
  EXPECT_EQ(ReadWholeFile(path), content);
  EXPECT_TRUE(SaveEnabled());

  // Another program holds the file open: the write itself fails.
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  {
    DialogAnswerer answerer("Error", IDOK);
    Press(IDC_OPTIONS_SAVE);
    ASSERT_TRUE(Answered(answerer));
    EXPECT_NE(answerer.text().find("could not be written:\n" + path), std::string::npos);
  }
  CloseHandle(held);
  EXPECT_EQ(ReadWholeFile(path), content);
  EXPECT_TRUE(SaveEnabled());

  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    DialogAnswerer answerer("Error", IDYES);
    Press(IDC_OPTIONS_SAVE);
    ASSERT_TRUE(Answered(answerer));
  }
  EXPECT_EQ(ReadWholeFile(path), "[GPWS]\r\nGPWS_V1Callout=0\r\n");
  EXPECT_FALSE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(SaveEnabled());
}

TEST_F(OptionsPageTest, UnsavedChangesAreAskedForBeforeAnotherFileIsShown) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12") + Livery(1, "Aurora", "N34")));
  k50_.WriteAircraftConfig(k300Er, Variant(Livery(0, "Polar", "N56")));
  const std::string first = WriteSettings("N12.ini", "[TCAS]\r\nTCAS_FilterRange=40\r\n");
  WriteSettings("N34.ini", "[TCAS]\r\nTCAS_FilterRange=20\r\n");
  Open();
  Enter("TCAS filter range", "30");
  {
    DialogAnswerer answerer("Unsaved Changes", IDCANCEL);
    ChooseLivery("Aurora");
    ASSERT_TRUE(Answered(answerer));
    EXPECT_NE(answerer.text().find("N12.ini"), std::string::npos);
  }
  EXPECT_EQ(ChosenLivery(), "Nordair");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_FILE_NAME)), "(N12.ini)");
  EXPECT_EQ(Value("TCAS filter range"), "30");
  EXPECT_TRUE(SaveEnabled());
  {
    DialogAnswerer answerer("Unsaved Changes", IDCANCEL);
    ChooseVariant(k300ErIndex);
    ASSERT_TRUE(Answered(answerer));
  }
  EXPECT_EQ(SendMessageA(Control(IDC_OPTIONS_VARIANT), CB_GETITEMDATA,
                         SendMessageA(Control(IDC_OPTIONS_VARIANT), CB_GETCURSEL, 0, 0), 0),
            k200LrIndex);
  EXPECT_EQ(Value("TCAS filter range"), "30");
  {
    DialogAnswerer answerer("Unsaved Changes", IDYES);
    ChooseLivery("Aurora");
    ASSERT_TRUE(Answered(answerer));
  }
  EXPECT_EQ(ReadWholeFile(first), "[TCAS]\r\nTCAS_FilterRange=30\r\n");
  EXPECT_EQ(Value("TCAS filter range"), "20");

  // Discarding, and leaving the page, which can only save or not.
  Enter("TCAS filter range", "25");
  {
    DialogAnswerer answerer("Unsaved Changes", IDNO);
    ChooseLivery("Nordair");
    ASSERT_TRUE(Answered(answerer));
  }
  EXPECT_EQ(Value("TCAS filter range"), "30");
  Enter("TCAS filter range", "35");
  {
    DialogAnswerer answerer("Unsaved Changes", IDYES);
    k50_.module().menuChange(0);
    ASSERT_TRUE(Answered(answerer));
  }
  EXPECT_EQ(ReadWholeFile(first), "[TCAS]\r\nTCAS_FilterRange=35\r\n");
}

TEST_F(OptionsPageTest, UsersAreTheLiveriesOfTheWholeRegistrationInEveryVariant) {
  k50_.WriteAircraftConfig(k200Lr, Variant(Livery(0, "Nordair", "N12") + Livery(1, "Nordair Retro", "N1") +
                                           Livery(2, "Nordair Test", "") + Livery(3, "Nordair Charter", "n12") +
                                           Livery(4, "Climber", "..\\Climbed")));
  k50_.WriteAircraftConfig(k300Er, Variant(Livery(0, "Polar", "N12")));
  WriteSettings("N12.ini", "[Units]\r\nMetricWeightUnits=1\r\n");
  WriteSettings("N1.ini", "[Units]\r\nMetricWeightUnits=0\r\n");
  Open();
  EXPECT_EQ(Lines(IDC_OPTIONS_USERS),
            (std::vector<std::string>{"ZELVA K50-200LR - Nordair", "ZELVA K50-200LR - Nordair Charter",
                                      "ZELVA K50-300ER - Polar"}));
  ChooseLivery("Nordair Retro");
  EXPECT_EQ(Lines(IDC_OPTIONS_USERS), (std::vector<std::string>{"ZELVA K50-200LR - Nordair Retro"}));
  EXPECT_EQ(Value("Weight units"), "LBS");
  // No registration: the file shown stays.
  ChooseLivery("Nordair Test");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_FILE_NAME)), "(N1.ini)");
  // A registration that would lead out of the settings folder names no file.
  WriteWholeFile(SettingsFile("..\\Climbed.ini"), "[Units]\r\nMetricWeightUnits=1\r\n");
  ChooseLivery("Climber");
  EXPECT_EQ(Text(Control(IDC_OPTIONS_FILE_NAME)), "");
  EXPECT_TRUE(Properties().empty());

  SetWindowTextA(Control(IDC_OPTIONS_FILTER), "CHART");
  EXPECT_EQ(Lines(IDC_OPTIONS_LIVERIES), (std::vector<std::string>{"Nordair Charter"}));
}

}  // namespace
