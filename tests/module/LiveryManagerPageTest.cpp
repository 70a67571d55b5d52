// The real module's Livery Manager page in windows of this process that stand
// in for the host's, with the host's own working dialog; its message boxes
// and file dialogs answered by pressing their buttons.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"
#include "HostState.h"
#include "K50Setup.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

constexpr int kPageArea = 1007;
constexpr int kSelector = 1001, kList = 1002, kThumbnail = 1003, kDescription = 1005, kFilter = 1007, kRemove = 1010;
constexpr int kInstall = 1009;
constexpr int kExport = 40004, kRemoveCommand = 40005, kSort = 40006;

// What the page asked of the host's choose-and-open-package service; the
// "installation" it stands in for adds one entry to the K50F.
std::string g_request;
std::string g_freighterConfig;
int32_t __cdecl RecordOpenPackage(const OpenPackageRequest* request) {
  g_request = std::to_string(request->checkProduct) + "|" + request->productShortName + "|" + request->variantName;
  WritePrivateProfileStringA("fltsim.4", "ui_variation", "Aurora Cargo", g_freighterConfig.c_str());
  WritePrivateProfileStringA("fltsim.4", "texture", "Aurora", g_freighterConfig.c_str());
  return 0;
}

std::string Entry(int entry, const std::string& name, const std::string& texture, const std::string& extra = "") {
  return "[fltsim." + std::to_string(entry) + "]\r\ntitle=K50 " + name + "\r\nui_variation=" + name +
         "\r\ntexture=" + texture + "\r\natc_id=N" + std::to_string(100 + entry) + "\r\n" + extra + "\r\n";
}

// An 8 x 8 picture of one colour, as a bitmap file: GDI+ reads it whatever the file is called.
std::string Bitmap(BYTE red, BYTE green, BYTE blue) {
  std::string pixels;
  for (int i = 0; i < 64; ++i) pixels += {char(blue), char(green), char(red)};
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = DWORD(file.bfOffBits + pixels.size());
  info.biSize = sizeof(info);
  info.biWidth = info.biHeight = 8;
  info.biPlanes = 1;
  info.biBitCount = 24;
  return std::string(reinterpret_cast<char*>(&file), sizeof(file)) +
         std::string(reinterpret_cast<char*>(&info), sizeof(info)) + pixels;
}

// Waits for the list's context menu, remembers that it came and closes it.
class MenuWatcher {
 public:
  explicit MenuWatcher(DWORD timeoutMs) : thread_([this, timeoutMs] {
      for (DWORD waited = 0; waited < timeoutMs; waited += 20, Sleep(20)) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu != nullptr && IsWindowVisible(menu)) {
          shown_ = true;
          PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
          return;
        }
      }
    }) {}
  bool Wait() {
    thread_.join();
    return shown_;
  }

 private:
  std::atomic<bool> shown_{false};
  std::thread thread_;
};

// Watches for a dialog without sending the test's thread any message (which
// would wait while that thread waits for the watcher): presses a button on it.
class DialogWatcher {
 public:
  DialogWatcher(const char* caption, int button, DWORD timeoutMs)
      : thread_([this, caption = std::string(caption), button, timeoutMs] {
          for (DWORD waited = 0; waited < timeoutMs; waited += 20, Sleep(20)) {
            HWND dialog = FindWindowA("#32770", caption.c_str());
            if (dialog == nullptr || !IsWindowVisible(dialog)) continue;
            seen_ = true;
            Click(dialog, button);
            return;
          }
        }) {}
  bool Wait() {
    thread_.join();
    return seen_;
  }

 private:
  std::atomic<bool> seen_{false};
  std::thread thread_;
};

// The save dialog: types the path and saves; answers the question about
// replacing an existing file with Yes when asked to expect one. Looks at
// windows only in ways that send the test's thread no message.
class SaveAs {
 public:
  SaveAs(std::string path, bool replaceQuestion)
      : thread_([this, path, replaceQuestion] {
          HWND dialog = nullptr, name = nullptr;
          for (int i = 0; i < 1000 && name == nullptr; ++i, Sleep(20)) {
            dialog = FindWindowA("#32770", "Save As");
            if (dialog == nullptr || !IsWindowVisible(dialog)) continue;
            name = GetDlgItem(dialog, 0x47c) != nullptr ? GetDlgItem(dialog, 0x47c) : GetDlgItem(dialog, 0x480);
          }
          if (name == nullptr) return;
          SetWindowTextA(name, path.c_str());
          Click(dialog, IDOK);
          if (!replaceQuestion) return;
          dialog_ = dialog;
          for (int i = 0; i < 1000 && !asked_; ++i, Sleep(20)) EnumWindows(&AnswerQuestion, LPARAM(this));
        }) {}
  // Whether the question about the existing file came.
  bool Wait() {
    thread_.join();
    return asked_;
  }

 private:
  // A box with Yes and No that the save dialog owns.
  static BOOL CALLBACK AnswerQuestion(HWND window, LPARAM parameter) {
    SaveAs& self = *reinterpret_cast<SaveAs*>(parameter);
    if (GetWindow(window, GW_OWNER) != self.dialog_ || !IsWindowVisible(window) ||
        GetDlgItem(window, IDYES) == nullptr || GetDlgItem(window, IDNO) == nullptr)
      return TRUE;
    self.asked_ = true;
    Click(window, IDYES);
    return FALSE;
  }
  HWND dialog_ = nullptr;
  std::atomic<bool> asked_{false};
  std::thread thread_;
};

// Answers whichever of the export's closing messages comes first.
class ExportResult {
 public:
  ExportResult()
      : thread_([this] {
          for (int i = 0; i < 3000 && caption_.empty(); ++i, Sleep(20)) {
            for (const char* caption : {"Finished", "Error"}) {
              HWND box = FindProcessWindow(caption);
              if (box == nullptr || GetDlgItem(box, IDOK) == nullptr) continue;
              char text[1024] = {};
              GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
              text_ = text;
              caption_ = caption;
              Click(box, IDOK);
              break;
            }
          }
        }) {}
  // The caption of the message, empty when none came.
  std::string Wait() {
    thread_.join();
    return caption_;
  }
  const std::string& text() const { return text_; }

 private:
  std::string caption_, text_;
  std::thread thread_;
};

class LiveryManagerPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = CreateWindowExA(0, "STATIC", "stand-in main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100,
                            655, nullptr, nullptr, nullptr, nullptr);
    area_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_,
                            nullptr, nullptr, nullptr);
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE, 23, 100, 232, 140, main_, nullptr, nullptr,
                            nullptr);
    host::Context().menuTree = tree_;
    host::Context().mainWindow = main_;
    k50_.RegisterProduct();
    k50_.WriteAircraftConfig("ZELVA K50-200LR", Entry(0, "ZELVA House 200", "House") + Entry(1, "Nordair", "Nordair") +
                                                    "[fuel]\r\nfuel_type=2\r\n");
    Freighter(Entry(0, "ZELVA House Colours", "House") + Entry(1, "Polar Air Cargo", "Polar", "description=Polar\\nsince 1999\r\n") +
              Entry(2, "Nordic Freight", "Nordic") + Entry(3, "atlas", "Atlas"));
    for (const char* texture : {"House", "Polar", "Nordic", "Atlas"}) {
      std::string folder = Aircraft() + "Texture." + texture;
      SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
      WriteWholeFile(folder + "\\k50f_fuse.bmp", "BM");
    }
    WriteWholeFile(Aircraft() + "Texture.Polar\\thumbnail.jpg", Bitmap(220, 30, 30));
    ASSERT_TRUE(k50_.Load());
    ASSERT_EQ(k50_.module().show(area_), 1);
    k50_.module().menuChange(1);
    HWND product = FindWindowExA(area_, nullptr, "#32770", nullptr);
    page_ = GetWindow(GetDlgItem(product, kPageArea), GW_CHILD);
    ASSERT_NE(page_, nullptr);
  }
  void TearDown() override {
    k50_.Unload();
    DestroyWindow(main_);
  }
  void Freighter(const std::string& entries) { k50_.WriteAircraftConfig("ZELVA K50F", entries + "[fuel]\r\nfuel_type=2\r\n"); }
  std::string Aircraft() const { return k50_.fsxRoot() + "SimObjects\\Airplanes\\ZELVA K50F\\"; }
  std::string Value(int entry, const char* key) const {
    char value[200];
    GetPrivateProfileStringA(("fltsim." + std::to_string(entry)).c_str(), key, "", value, sizeof(value),
                             (Aircraft() + "aircraft.cfg").c_str());
    return value;
  }
  HWND Item(int id) const { return GetDlgItem(page_, id); }
  void Command(int id, int code = 0) { SendMessageA(page_, WM_COMMAND, MAKEWPARAM(id, code), LPARAM(Item(id))); }
  void ChooseVariantItem(int item) {
    SendMessageA(Item(kSelector), CB_SETCURSEL, WPARAM(item), 0);
    Command(kSelector, CBN_SELENDOK);
  }
  int ChosenItem() const { return int(SendMessageA(Item(kSelector), CB_GETCURSEL, 0, 0)); }
  std::vector<std::string> ListItems(bool selectedOnly = false) const {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(Item(kList), LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      if (selectedOnly && SendMessageA(Item(kList), LB_GETSEL, WPARAM(i), 0) <= 0) continue;
      char text[128] = {};
      SendMessageA(Item(kList), LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
      items.push_back(text);
    }
    return items;
  }
  int IndexOf(const std::string& name) const {
    return int(SendMessageA(Item(kList), LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(name.c_str())));
  }
  void Select(const std::vector<std::string>& names) {
    SendMessageA(Item(kList), LB_SETSEL, FALSE, -1);
    for (const std::string& name : names) SendMessageA(Item(kList), LB_SETSEL, TRUE, IndexOf(name));
    SendMessageA(Item(kList), LB_SETCARETINDEX, IndexOf(names.back()), FALSE);
    Command(kList, LBN_SELCHANGE);
  }
  std::string Description() const {
    char text[512] = {};
    GetDlgItemTextA(page_, kDescription, text, sizeof(text));
    return text;
  }
  // A right click on the item, at the middle of its row.
  LPARAM PointOf(const std::string& name) const {
    RECT row = {};
    SendMessageA(Item(kList), LB_GETITEMRECT, WPARAM(IndexOf(name)), reinterpret_cast<LPARAM>(&row));
    POINT point = {(row.left + row.right) / 2, (row.top + row.bottom) / 2};
    ClientToScreen(Item(kList), &point);
    return MAKELPARAM(point.x, point.y);
  }

  TestFolder temp_, out_;
  TemporaryFolderOverride temporary_{temp_.path()};
  K50Setup k50_;
  HWND main_ = nullptr, area_ = nullptr, tree_ = nullptr, page_ = nullptr;
};

TEST_F(LiveryManagerPageTest, TheSelectorOffersInstalledVariantsAndNeverKeepsADecoration) {
  std::vector<std::string> items;
  std::vector<LRESULT> data;
  for (int i = 0; i < SendMessageA(Item(kSelector), CB_GETCOUNT, 0, 0); ++i) {
    char text[64] = {};
    SendMessageA(Item(kSelector), CB_GETLBTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
    data.push_back(SendMessageA(Item(kSelector), CB_GETITEMDATA, WPARAM(i), 0));
  }
  EXPECT_EQ(items, (std::vector<std::string>{"Header", "ZELVA K50-200LR", "ZELVA K50F", "Footer"}));
  EXPECT_EQ(data, (std::vector<LRESULT>{999, 0, 1, 999}));
  // The first variant is shown at once, its entry 0 chosen and described.
  EXPECT_EQ(ChosenItem(), 1);
  EXPECT_EQ(ListItems(true), (std::vector<std::string>{"ZELVA House 200"}));

  ChooseVariantItem(3);
  EXPECT_EQ(ChosenItem(), 1);
  ChooseVariantItem(2);
  EXPECT_EQ(ListItems(), (std::vector<std::string>{"atlas", "Nordic Freight", "Polar Air Cargo", "ZELVA House Colours"}));
  EXPECT_EQ(ListItems(true), (std::vector<std::string>{"ZELVA House Colours"}));
  ChooseVariantItem(0);
  EXPECT_EQ(ChosenItem(), 2);
  EXPECT_EQ(ListItems().size(), 4u);

  SetDlgItemTextA(page_, kFilter, "pOL");
  EXPECT_EQ(ListItems(), (std::vector<std::string>{"Polar Air Cargo"}));
  SetDlgItemTextA(page_, kFilter, "");
  EXPECT_EQ(ListItems().size(), 4u);
}

TEST_F(LiveryManagerPageTest, ARightClickChoosesTheItemUnderThePointerAndAnEmptyListOffersNoMenu) {
  ChooseVariantItem(2);
  {
    MenuWatcher menu(10000);
    SendMessageA(page_, WM_CONTEXTMENU, WPARAM(Item(kList)), PointOf("Polar Air Cargo"));
    EXPECT_TRUE(menu.Wait());
  }
  EXPECT_EQ(ListItems(true), (std::vector<std::string>{"Polar Air Cargo"}));
  EXPECT_EQ(Description(), "Polar\r\nsince 1999");

  SetDlgItemTextA(page_, kFilter, "no such livery");
  MenuWatcher none(1500);
  SendMessageA(page_, WM_CONTEXTMENU, WPARAM(Item(kList)), MAKELPARAM(400, 400));
  EXPECT_FALSE(none.Wait());
}

TEST_F(LiveryManagerPageTest, TheInstallButtonAsksTheHostForPackagesOfThisProductAndVariantThenRereads) {
  ChooseVariantItem(2);
  Select({"Polar Air Cargo"});
  g_freighterConfig = Aircraft() + "aircraft.cfg";
  host::Context().openPackage = &RecordOpenPackage;
  Command(kInstall, STN_CLICKED);
  EXPECT_EQ(g_request, "1|ZELVA K50X|ZELVA K50F");
  EXPECT_EQ(ListItems().size(), 5u);
  EXPECT_EQ(ListItems(true), (std::vector<std::string>{"ZELVA House Colours"}));
}

TEST_F(LiveryManagerPageTest, SortByNameReordersAircraftCfgAndTheListFollows) {
  Freighter(Entry(0, "Polar Air Cargo", "Polar") + Entry(1, "atlas", "Atlas") + Entry(2, "ZELVA House Colours", "House") +
            Entry(3, "Nordic Freight", "Nordic"));
  ChooseVariantItem(2);
  Command(kSort);
  const char* sorted[] = {"ZELVA House Colours", "atlas", "Nordic Freight", "Polar Air Cargo"};
  for (int entry = 0; entry < 4; ++entry) EXPECT_EQ(Value(entry, "ui_variation"), sorted[entry]);
  for (int i = 0; i < 4; ++i) {
    char text[128] = {};
    SendMessageA(Item(kList), LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(Value(int(SendMessageA(Item(kList), LB_GETITEMDATA, WPARAM(i), 0)), "ui_variation"), text);
  }
  EXPECT_EQ(ListItems(true), (std::vector<std::string>{"ZELVA House Colours"}));
}

TEST_F(LiveryManagerPageTest, TheHouseLiveryAloneIsKeptAndSeveralGoTogether) {
  ChooseVariantItem(2);
  Select({"ZELVA House Colours"});
  {
    DialogAnswerer sure("Are you sure?", IDYES);
    DialogAnswerer refused("Error", IDOK);
    Command(kRemove, STN_CLICKED);
    EXPECT_TRUE(sure.Wait() && refused.Wait());
    EXPECT_EQ(sure.text(), "Are you sure you wish to remove this livery:\nZELVA House Colours");
    EXPECT_EQ(refused.text(),
              "You cannot remove the ZELVA House livery!\n\n(Because it is the most beautiful livery ever created, of "
              "course!)\n");
  }
  EXPECT_EQ(Value(0, "ui_variation"), "ZELVA House Colours");

  Select({"Nordic Freight", "ZELVA House Colours"});
  DialogAnswerer sure("Are you sure?", IDYES);
  Command(kRemoveCommand);
  EXPECT_TRUE(sure.Wait());
  EXPECT_EQ(sure.text(), "Are you sure you wish to remove the following 2 liveries:\nNordic Freight\nZELVA House Colours");
  EXPECT_EQ(Value(0, "ui_variation") + "|" + Value(1, "ui_variation") + "|" + Value(2, "ui_variation"),
            "Polar Air Cargo|atlas|");
  EXPECT_FALSE(Exists(Aircraft() + "Texture.Nordic") || Exists(Aircraft() + "Texture.House"));
  EXPECT_EQ(ListItems(), (std::vector<std::string>{"atlas", "Polar Air Cargo"}));
}

// The thumbnail is drawn from a copy in memory: the livery it shows can go with its folder.
TEST_F(LiveryManagerPageTest, TheShownThumbnailHoldsNothingOpen) {
  ChooseVariantItem(2);
  Select({"Polar Air Cargo"});
  RedrawWindow(page_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT box;
  GetClientRect(Item(kThumbnail), &box);
  HDC dc = GetDC(Item(kThumbnail));
  COLORREF middle = GetPixel(dc, box.right / 2, box.bottom / 2);
  ReleaseDC(Item(kThumbnail), dc);
  EXPECT_EQ(middle, RGB(220, 30, 30));

  DialogAnswerer sure("Are you sure?", IDYES);
  Command(kRemoveCommand);
  EXPECT_TRUE(sure.Wait());
  EXPECT_FALSE(Exists(Aircraft() + "Texture.Polar"));
}

TEST_F(LiveryManagerPageTest, ExportAsksBeforeReplacingAPackageAndNeedsALivery) {
  ChooseVariantItem(2);
  SendMessageA(Item(kList), LB_SETSEL, FALSE, -1);
  {
    DialogWatcher none("Save As", IDCANCEL, 1500);
    Command(kExport);
    EXPECT_FALSE(none.Wait());
    DialogWatcher noQuestion("Are you sure?", IDNO, 1500);
    Command(kRemoveCommand);
    EXPECT_FALSE(noQuestion.Wait());
  }
  Select({"Polar Air Cargo", "atlas"});
  const std::string package = out_ / "Fleet.zlp";
  {
    SaveAs save(package, false);
    DialogAnswerer finished("Finished", IDOK, 60000);
    Command(kExport);
    save.Wait();
    EXPECT_TRUE(finished.Wait());
    EXPECT_EQ(finished.text(), "The livery has been successfully exported!");
  }
  EXPECT_EQ(ReadWholeFile(package).substr(0, 4), "CRYP");

  WriteWholeFile(package, "older");
  SaveAs save(package, true);
  DialogAnswerer finished("Finished", IDOK, 60000);
  Command(kExport);
  EXPECT_TRUE(save.Wait());
  EXPECT_TRUE(finished.Wait());
  EXPECT_EQ(ReadWholeFile(package).substr(0, 4), "CRYP");
}

// A step that fails is reported as a failure that names it, and the
// package the user already had stays as it was.
TEST_F(LiveryManagerPageTest, AFailedExportSaysWhatFailedInsteadOfSuccess) {
  ChooseVariantItem(2);
  Select({"Polar Air Cargo"});
  const std::string package = out_ / "Polar.zlp";
  WriteWholeFile(package, "older");
  const std::string texture = Aircraft() + "Texture.Polar\\k50f_fuse.bmp";
  HANDLE locked = CreateFileA(texture.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  SaveAs save(package, true);
  ExportResult result;
  Command(kExport);
  CloseHandle(locked);
  EXPECT_TRUE(save.Wait());
  EXPECT_EQ(result.Wait(), "Error");
  EXPECT_EQ(result.text().rfind("The livery could not be exported.", 0), 0u) << result.text();
  EXPECT_NE(result.text().find("k50f_fuse.bmp"), std::string::npos) << result.text();
  EXPECT_EQ(ReadWholeFile(package), "older");
}

}  // namespace
