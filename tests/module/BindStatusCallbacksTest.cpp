// The module's own URL-service callbacks with the real URLMON against nginx
// on loopback: progress on line 2 of the working dialog, the HTTP exchange
// in the log.
#include "BindStatusCallbacks.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "ModuleContext.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

std::vector<std::string> g_lineTwo;
std::string g_log;

void __cdecl RecordText(int32_t line, const char* text) {
  if (line == 2) g_lineTwo.push_back(text);
}

void __cdecl RecordLog(const char* format, ...) {
  char text[4096];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  g_log += text;
}

class ModuleDownloads : public ::testing::Test {
 protected:
  void SetUp() override {
    g_lineTwo.clear();
    g_log.clear();
    context_.setWorkingDialogText = &RecordText;
    context_.log = &RecordLog;
    module::SetHost(&context_);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  }
  void TearDown() override {
    CoUninitialize();
    module::SetHost(nullptr);
  }
  HRESULT Fetch(const std::string& name, IBindStatusCallback& callback) {
    std::string url = ZELVA_HTTP_BASE "/downloads/" + name;
    return URLDownloadToFileA(nullptr, url.c_str(), (folder_ / name).c_str(), 0, &callback);
  }

  HostContext context_ = {};
  TestFolder folder_;
};

TEST_F(ModuleDownloads, ProgressReachesTheWorkingDialogsSecondLine) {
  std::string content(2 * 1024 * 1024, 'k');
  CreateDirectoryA((WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\downloads").c_str(), nullptr);
  WriteWholeFile(WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\downloads\\catalogue.bin", content);
  module::CMyBindStatusCallback callback;
  ASSERT_EQ(Fetch("catalogue.bin", callback), S_OK);
  EXPECT_TRUE(ReadWholeFile(folder_ / "catalogue.bin") == content);
  ASSERT_FALSE(g_lineTwo.empty());
  EXPECT_EQ(g_lineTwo.front(), "Connecting...");
  EXPECT_EQ(g_lineTwo.back(), "Download complete!");
  for (const std::string& text : g_lineTwo) EXPECT_NE(text, "Processing request...");
  EXPECT_TRUE(g_log.empty());
}

TEST_F(ModuleDownloads, TheDebugFormLogsTheExchange) {
  module::CMyDebugBindStatusCallback callback;
  Fetch("not-there.bin", callback);
  EXPECT_NE(g_log.find("BeginningTransaction: " ZELVA_HTTP_BASE "/downloads/not-there.bin\n\nHeaders: "),
            std::string::npos)
      << g_log;
  EXPECT_NE(g_log.find("OnResponse: 404\n\tSent: "), std::string::npos) << g_log;
  EXPECT_NE(g_log.find("\n\tRec: HTTP/1.1 404 Not Found"), std::string::npos) << g_log;
  EXPECT_NE(g_log.find("OnStopBinding: "), std::string::npos) << g_log;
}

}  // namespace
