// A crash in a product module's code, in the real program: the report in the
// log and in the crash window, copied to the clipboard, and the exit.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

const int kReportEdit = 1019;
const int kCopyButton = 1020;

std::string Built(const char* name) { return WindowsPathOf(TEST_MODULE_DIR) + "\\" + name; }

struct CrashWindow {
  bool found = false;
  std::string report;
  std::string clipboard;
};

std::string ClipboardText() {
  for (int attempt = 0; attempt < 50; ++attempt, Sleep(100)) {
    if (!OpenClipboard(nullptr)) continue;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* chars = static_cast<const char*>(GlobalLock(data))) text = chars;
      GlobalUnlock(data);
    }
    CloseClipboard();
    if (!text.empty()) return text;
  }
  return std::string();
}

// Reads the crash window of the process, copies its report, presses "Exit".
CrashWindow AnswerCrashWindow(DWORD process) {
  CrashWindow seen;
  HWND window = WaitForWindow("Error", process);
  if (window == nullptr) return seen;
  seen.found = true;
  std::vector<char> text(80000);
  SendDlgItemMessageA(window, kReportEdit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  seen.report = text.data();
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(kCopyButton, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, kCopyButton)));
  seen.clipboard = ClipboardText();
  Click(window, IDOK);
  return seen;
}

class CrashReportTest : public ::testing::Test {
 protected:
  // Starts the host with one test module and chooses its product.
  void StartAndChoose(const char* module, const char* asName) {
    host_.AddLibrary(Built(module), asName);
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    HWND main = WaitForMainWindow(process_->id());
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WaitForLog(host_, "Load complete."));
    ChooseProduct(main, 1);
  }

  HostInstallation host_;
  std::unique_ptr<Process> process_;
};

TEST_F(CrashReportTest, DivisionByZeroInAModuleIsReportedInLogWindowAndClipboard) {
  StartAndChoose("test_divider.dll", "divider.dll");
  CrashWindow crash = AnswerCrashWindow(process_->id());
  ASSERT_TRUE(crash.found);
  EXPECT_EQ(process_->Wait(), 0u);

  std::string log = host_.Log();
  EXPECT_NE(log.find("Test Divider - test dividing"), std::string::npos);
  EXPECT_EQ(log.find("Test Divider - test result"), std::string::npos);
  std::smatch found;
  ASSERT_TRUE(std::regex_search(
      log, found, std::regex("\r\n[0-9:.]{12}   An exception has occured!\r\n[0-9:.]{12}   \r\n[0-9:.]{12}   \r\n"
                             "[0-9:.]{12}   Exception:  Integer Divide By Zero at 0x([0-9A-F]+)\r\n")))
      << log;
  const std::string address = found[1];
  const std::string exceptionLine = "Exception:  Integer Divide By Zero at 0x" + address;

  // The window shows the log's report, for the user to send.
  std::string logPath = host_.dataFolder();  // the data folder is kept in lower case
  for (char& c : logPath) c = char(tolower(static_cast<unsigned char>(c)));
  logPath += "ZELVA Hangardesk.log";
  const std::string head =
      "An exception has occured!\r\n\r\nPlease contact ZELVA support by submitting a ticket at "
      "https://support.zelva-sim.com for help with resolving this issue.\r\nPress \"Copy to clipboard\" below and "
      "then paste the information into your support ticket.\r\nAdditionally, a log file has been created at:\r\n" +
      logPath + "\r\nPlease attach this file to better help us fix this issue.\r\n\r\nThe application will now exit.\r\n\r\n";
  ASSERT_EQ(crash.report.compare(0, head.size(), head), 0) << crash.report;
  EXPECT_EQ(crash.clipboard, crash.report);
  std::string rest = crash.report.substr(head.size());
  EXPECT_TRUE(std::regex_match(rest.substr(0, rest.find("\r\n")),
                               std::regex("\\d\\d/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d     " + exceptionLine)))
      << rest;
  std::vector<std::string> stack;
  size_t inLog = log.find(exceptionLine);
  for (size_t at = rest.find("\r\n") + 2, end; (end = rest.find("\r\n", at)) != std::string::npos; at = end + 2) {
    stack.push_back(rest.substr(at, end - at));
    EXPECT_NE(inLog = log.find("   " + stack.back() + "\r\n", inLog), std::string::npos) << stack.back() << log;
  }

  // The first stack line is the faulting instruction, inside the module; the host called it.
  ASSERT_GE(stack.size(), 2u) << log;
  EXPECT_LE(stack.size(), 8u);
  std::smatch first;
  ASSERT_TRUE(std::regex_match(stack[0], first, std::regex("([0-9A-F]{8,16})  (.+)  \\+([0-9A-F]{8}).*"))) << stack[0];
  EXPECT_NE(first[2].str().find("divider.dll"), std::string::npos) << stack[0];
  EXPECT_EQ(std::stoull(first[1], nullptr, 16) + std::stoull(first[3], nullptr, 16), std::stoull(address, nullptr, 16));
  bool hostSeen = false;
  for (const std::string& line : stack) hostSeen |= line.find("ZELVA Hangardesk.exe") != std::string::npos;
  EXPECT_TRUE(hostSeen) << log;
}

TEST_F(CrashReportTest, LibraryCannotReplaceTheHostsFilter) {
  StartAndChoose("test_filter_claimer.dll", "claimer.dll");
  CrashWindow crash = AnswerCrashWindow(process_->id());
  ASSERT_TRUE(crash.found);
  EXPECT_EQ(process_->Wait(), 0u);
  std::string log = host_.Log();
  EXPECT_NE(log.find("Test Claimer - test filter answers null null"), std::string::npos) << log;
  EXPECT_EQ(log.find("test module filter ran"), std::string::npos);
  EXPECT_NE(log.find("Exception:  Integer Divide By Zero at 0x"), std::string::npos);
  EXPECT_NE(crash.report.find("Exception:  Integer Divide By Zero at 0x"), std::string::npos);
}

}  // namespace
