// The main window of the real program with test modules, driven from outside.
#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "Handles.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

const int kProductList = 1008;
const int kHomeButton = 1005;
const int kNotifications = 1017;

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

class MainWindowTest : public ::testing::Test {
 protected:
  void Start() {
    host_.AddLibrary(Built("test_not_installed.dll"), "absent.dll");
    host_.AddLibrary(Built("test_busy.dll"), "present.dll");
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
    list_ = GetDlgItem(main_, kProductList);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
  }
  void TearDown() override {
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
  }
  void Choose(int index) { ChooseProduct(main_, index); }
  LRESULT Chosen() const { return SendMessageA(list_, CB_GETCURSEL, 0, 0); }
  std::wstring ItemText(int index) {
    wchar_t text[128] = {};
    SendMessageW(list_, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text));
    return text;
  }

  HostInstallation host_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
  HWND list_ = nullptr;
};

// One start of the real program: its frame and size limits, a hand-off
// while a module keeps it busy, then the product list.
TEST_F(MainWindowTest, SizeLimitsBusyHandOffAndProductList) {
  Start();
  // The window draws its own title area: a system caption would sit above it.
  const LONG_PTR style = GetWindowLongPtrA(main_, GWL_STYLE);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);
  EXPECT_EQ(style & WS_THICKFRAME, WS_THICKFRAME);
  char caption[64] = {};
  GetWindowTextA(main_, caption, sizeof(caption));
  EXPECT_STREQ(caption, "ZELVA Hangardesk");
  // Asked size, and what the window then has; the first is the start size.
  for (auto [ask, have] : {std::pair{SIZE{0, 0}, SIZE{1100, 655}}, {{500, 400}, {800, 600}}, {{1200, 700}, {1200, 700}}}) {
    if (ask.cx) SetWindowPos(main_, nullptr, 0, 0, ask.cx, ask.cy, SWP_NOMOVE | SWP_NOZORDER);
    RECT r = ScreenRect(main_);
    EXPECT_EQ(r.right - r.left, have.cx);
    EXPECT_EQ(r.bottom - r.top, have.cy);
  }

  ASSERT_EQ(SendMessageA(list_, CB_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(ItemText(1), L"Test Busy - FSX");  // installed first
  EXPECT_EQ(ItemText(2), L"Test Absent - FSX");
  EXPECT_EQ(Chosen(), -1);

  // The busy module shows the working dialog until the test releases it.
  zelva::win::KernelHandle release(CreateEventA(nullptr, TRUE, FALSE, "ZELVA test busy release"));
  ASSERT_TRUE(release);
  Choose(1);
  ASSERT_TRUE(WaitForLog(host_, "Test Busy - test working open 1"));
  HWND working = FindProcessWindow("Working", process_->id());
  ASSERT_NE(working, nullptr);
  char line[64] = {};
  GetWindowTextA(GetDlgItem(working, 1010), line, sizeof(line));
  EXPECT_STREQ(line, "Busy line");
  // A close sent from outside while the module works is refused: the module
  // stays loaded under its running work.
  SendMessageA(main_, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForLog(host_, "Close refused: work in progress"));
  EXPECT_EQ(process_->Wait(0), DWORD(STILL_ACTIVE));
  DialogAnswerer missing("An error occured", IDOK, 60000, process_->id());  // there is no such file
  {
    Process second(host_.programPath(), "e:\\queued.zlp", host_.programFolder());
    EXPECT_EQ(second.Wait(), 0u);  // queued: the hand-off returns at once
  }
  EXPECT_EQ(host_.Log().find("Opening ZLP file: e:\\queued.zlp"), std::string::npos);
  SetEvent(release.get());
  ASSERT_TRUE(WaitForLog(host_, "Test Busy - test busy done 0"));
  EXPECT_TRUE(missing.Wait());
  std::string log = host_.Log();
  size_t closing = log.find("test busy closing"), opened = log.find("Opening ZLP file: e:\\queued.zlp"),
         done = log.find("test busy done");
  ASSERT_NE(opened, std::string::npos) << log;
  EXPECT_LT(closing, opened);
  EXPECT_LT(opened, done);

  // The module's count reaches the notifications indicator.
  HWND indicator = GetDlgItem(main_, kNotifications);
  char count[8] = {};
  GetWindowTextA(indicator, count, sizeof(count));
  EXPECT_STREQ(count, "2");
  EXPECT_TRUE(IsWindowVisible(indicator));

  // The frame items and the current product choose nothing.
  Choose(0);
  Choose(3);
  Choose(1);
  Choose(2);
  ASSERT_TRUE(WaitForLog(host_, "Test Absent - test show 1"));
  log = host_.Log();
  // The log started afresh with the hand-off: the current product was not shown again.
  EXPECT_EQ(CountOf(log, "Test Busy - test show"), 0u) << log;
  EXPECT_EQ(CountOf(log, "Test Busy - test hide"), 1u);
  EXPECT_EQ(Chosen(), 2);
  Choose(3);
  EXPECT_TRUE(WaitUntil([&] { return Chosen() == 2; })) << Chosen();  // "Bottom" undone

  // Home leaves the list with nothing chosen: -1, not the frame's -2.
  Click(main_, kHomeButton);
  ASSERT_TRUE(WaitForLog(host_, "Test Absent - test hide"));
  EXPECT_TRUE(WaitUntil([&] { return Chosen() == -1; })) << Chosen();
}

}  // namespace
