// The download manager of the real program: a test module submits the
// downloads listed in its program folder and logs each completion; nginx
// and the fault-injecting server serve the files on loopback.
#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "DialogAnswerer.h"
#include "HostProcess.h"

using namespace zelva::testing;

namespace {

const int kCancelButton = 1001;

std::string Samples() { return WindowsPathOf(ZELVA_ARCHIVE_SAMPLES) + "\\downloads\\"; }

// A file of the servers' download folder with content of its own.
std::string MakeSample(const std::string& name, size_t size, uint32_t seed) {
  std::string content(size, '\0');
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1664525u + 1013904223u;
    content[i] = char(seed >> 24);
  }
  CreateDirectoryA(Samples().c_str(), nullptr);
  WriteWholeFile(Samples() + name, content);
  return content;
}

struct Found {
  std::string caption;
  HWND window;
};

BOOL CALLBACK MatchCaption(HWND window, LPARAM parameter) {
  auto* found = reinterpret_cast<Found*>(parameter);
  char caption[256] = {};
  GetWindowTextA(window, caption, sizeof(caption));
  if (found->caption == caption) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

class Downloads : public ::testing::Test {
 protected:
  // Lines of "downloads.txt": title|url|destination|options.
  void Start(const std::vector<std::string>& lines) {
    host_.AddLibrary(WindowsPathOf(TEST_MODULE_DIR) + "\\test_downloads.dll", "downloads.dll");
    std::string list;
    for (const std::string& line : lines) list += line + "\r\n";
    WriteWholeFile(host_.programFolder() + "downloads.txt", list);
    process_ = std::make_unique<Process>(host_.programPath(), "", host_.programFolder());
    main_ = WaitForMainWindow(process_->id());
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    if (main_) CloseHost(main_, host_);
    if (process_) {
      EXPECT_EQ(process_->Wait(), 0u);
    }
    if (HasFailure()) std::printf("%s\n", host_.Log().c_str());
    // Every working folder a download took is gone, whatever became of it.
    std::string log = host_.Log();
    std::regex folder("Working folder: ([^\r\n]+)");
    int folders = 0;
    for (std::sregex_iterator it(log.begin(), log.end(), folder), end; it != end; ++it, ++folders)
      EXPECT_FALSE(Exists((*it)[1].str())) << (*it)[1].str();
    EXPECT_EQ(size_t(folders), CountOf(log, "Download started: "));
  }

  HWND Panel(const std::string& title) {
    Found found{title, nullptr};
    EnumChildWindows(main_, &MatchCaption, reinterpret_cast<LPARAM>(&found));
    return found.window;
  }
  // The completion line the test module logs for a title.
  std::string Completion(const std::string& title) {
    std::string log = host_.Log();
    size_t at = log.find("test download " + title + " state");
    return at == std::string::npos ? std::string() : log.substr(at, log.find_first_of("\r\n", at) - at);
  }
  bool WaitForCompletion(const std::string& title, DWORD timeoutMs = 60000) {
    return WaitUntil([&] { return !Completion(title).empty(); }, timeoutMs);
  }
  std::string Destination(const std::string& name) { return destination_ / name; }

  HostInstallation host_;
  TestFolder destination_;
  std::unique_ptr<Process> process_;
  HWND main_ = nullptr;
};

std::string Line(const std::string& title, const std::string& url, const std::string& destination,
                 const std::string& options = "") {
  return title + "|" + url + "|" + destination + "|" + options;
}

// Three at once: one runs, two wait their turn in order; cancelling a waiting
// one answers once; a download the platform cannot fetch comes through the
// host's reader; a callback's submit on its worker thread gets its panel on
// the UI thread.
TEST_F(Downloads, QueueOrderCancelOnceFallbackAndCallbackSubmits) {
  const std::string first = MakeSample("first.bin", 3000000, 1), third = MakeSample("third.bin", 3000000, 3),
                    fourth = MakeSample("fourth.bin", 900000, 4);
  MakeSample("second.bin", 1000, 2);
  Start({Line("First", ZELVA_FAULT_BASE "/slow/first.bin", Destination("first.bin")),
         Line("Second", ZELVA_HTTP_BASE "/downloads/second.bin", Destination("second.bin")),
         Line("Third", ZELVA_FAULT_BASE "/platform-fails/third.bin", Destination("third.bin"), "then=3"),
         Line("Fourth", ZELVA_FAULT_BASE "/slow/fourth.bin", Destination("fourth.bin"), "updater")});
  ASSERT_TRUE(WaitForLog(host_, "test submitted Third"));
  std::string log = host_.Log();
  EXPECT_NE(log.find("test submitted First state 0"), std::string::npos) << log;
  EXPECT_NE(log.find("test submitted Second state 1 status [Queued...]"), std::string::npos) << log;
  EXPECT_NE(log.find("test submitted Third state 1 status [Queued...]"), std::string::npos) << log;

  // Cancel pressed twice on the waiting one, as a double click does.
  HWND second = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (second = Panel("Second")) != nullptr; }));
  Click(second, kCancelButton);
  Click(second, kCancelButton);
  ASSERT_TRUE(WaitForCompletion("Second"));
  EXPECT_NE(Completion("Second").find("state 5 missing size 0 thread ui view 5"), std::string::npos)
      << Completion("Second");
  EXPECT_TRUE(WaitUntil([&] { return Panel("Second") == nullptr; }));
  EXPECT_TRUE(Completion("First").empty());  // the running one is not touched

  ASSERT_TRUE(WaitForCompletion("Third"));
  EXPECT_EQ(Completion("Third"), "test download Third state 3 present size 3000000 thread worker view 3");
  EXPECT_TRUE(ReadWholeFile(Destination("third.bin")) == third);
  EXPECT_TRUE(ReadWholeFile(Destination("first.bin")) == first);
  EXPECT_NE(Completion("First").find("state 3 present size 3000000 thread worker"), std::string::npos);

  // Submitted from Third's worker thread; the panel belongs to the UI thread.
  HWND fourthPanel = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (fourthPanel = Panel("Fourth")) != nullptr || !Completion("Fourth").empty(); }));
  ASSERT_NE(fourthPanel, nullptr) << "Fourth ended before its panel was seen";
  EXPECT_EQ(GetWindowThreadProcessId(fourthPanel, nullptr), GetWindowThreadProcessId(main_, nullptr));
  ASSERT_TRUE(WaitForCompletion("Fourth"));
  EXPECT_TRUE(ReadWholeFile(Destination("fourth.bin")) == fourth);

  log = host_.Log();
  size_t startedFirst = log.find("Download started: First"), startedThird = log.find("Download started: Third"),
         startedFourth = log.find("Download started: Fourth"),
         fellBack = log.find("the host's reader takes over", startedThird);
  EXPECT_LT(startedFirst, startedThird);
  EXPECT_LT(startedThird, fellBack);
  EXPECT_LT(fellBack, startedFourth);
  EXPECT_EQ(log.find("Download started: Second"), std::string::npos);
  EXPECT_EQ(CountOf(log, "test download Second"), 1u);
  // A waiting download's panel is the one it runs with.
  EXPECT_EQ(CountOf(log, "Panel added: Third"), 1u);
  // The last panel goes when the finish message has come, after the callback.
  EXPECT_TRUE(WaitUntil([&] { return CountOf(host_.Log(), "Panel removed: ") == 4u; })) << host_.Log();
}

// The host's reader carries what the platform cannot, and a file reaches its
// destination whole or not at all.
TEST_F(Downloads, ResumeStartOverAndNothingHalfWrittenAtTheDestination) {
  const std::string big = MakeSample("big50.bin", 50 * 1024 * 1024, 50),
                    restart = MakeSample("restart.bin", 4 * 1024 * 1024, 7);
  MakeSample("broken.bin", 1024 * 1024, 8);
  MakeSample("small.bin", 5000, 9);
  WriteWholeFile(Destination("broken.bin"), "the copy from last week");
  const std::string token = std::to_string(GetTickCount());
  Start({Line("Big", ZELVA_FAULT_BASE "/platform-fails-drop/60/big50.bin", Destination("big50.bin")),
         Line("Restart", ZELVA_FAULT_BASE "/platform-fails-norange/60/restart.bin?" + token, Destination("restart.bin")),
         Line("Nowhere", ZELVA_HTTP_BASE "/downloads/small.bin", Destination("no such folder\\small.bin")),
         Line("Broken", ZELVA_FAULT_BASE "/always-drop/50/broken.bin", Destination("broken.bin")),
         Line("Missing", ZELVA_HTTP_BASE "/downloads/nothing.bin", Destination("nothing.bin"))});
  ASSERT_TRUE(WaitForCompletion("Missing", 240000));

  EXPECT_NE(Completion("Big").find("state 3 present size 52428800"), std::string::npos) << Completion("Big");
  EXPECT_TRUE(ReadWholeFile(Destination("big50.bin")) == big);
  EXPECT_NE(Completion("Restart").find("state 3 present"), std::string::npos) << Completion("Restart");
  EXPECT_TRUE(ReadWholeFile(Destination("restart.bin")) == restart);
  const std::string log = host_.Log();
  const size_t bigStart = log.find("Download started: Big"), restartStart = log.find("Download started: Restart");
  EXPECT_NE(log.find("resumed the transfer 1 times\r", bigStart), std::string::npos);
  EXPECT_NE(log.find("resumed the transfer 1 times and started over once", restartStart), std::string::npos);

  EXPECT_NE(Completion("Nowhere").find("state 4 missing"), std::string::npos) << Completion("Nowhere");
  EXPECT_FALSE(Exists(Destination("no such folder")));
  // Cut off every time: three resumes, then a failure that leaves last week's copy alone.
  EXPECT_NE(Completion("Broken").find("state 4"), std::string::npos) << Completion("Broken");
  EXPECT_NE(log.find("resumed the transfer 3 times", log.find("Download started: Broken")), std::string::npos);
  EXPECT_EQ(ReadWholeFile(Destination("broken.bin")), "the copy from last week");
  EXPECT_FALSE(Exists(Destination("broken.bin.part")));
  // Wine's service calls an error page a success; it is not one.
  EXPECT_NE(Completion("Missing").find("state 4 missing"), std::string::npos) << Completion("Missing");
}

// Cancel stops a transfer that sends nothing for a while, on either path;
// closing the program cancels what still runs before the modules go.
TEST_F(Downloads, CancelStopsEitherTransferAtOnceAndCloseCancelsTheRest) {
  MakeSample("slow-a.bin", 4 * 1024 * 1024, 11);
  MakeSample("slow-b.bin", 4 * 1024 * 1024, 12);
  Start({Line("Platform", ZELVA_FAULT_BASE "/slow/slow-a.bin", Destination("a.bin")),
         Line("Reader", ZELVA_FAULT_BASE "/platform-fails-slow/slow-b.bin", Destination("b.bin")),
         Line("Left", ZELVA_FAULT_BASE "/slow/slow-a.bin", Destination("c.bin"))});
  // Each takes 13 s to arrive whole; a cancel must not wait for that.
  HWND panel = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (panel = Panel("Platform")) != nullptr; }));
  ASSERT_TRUE(WaitForLog(host_, "Download started: Platform"));
  Click(panel, kCancelButton);
  ASSERT_TRUE(WaitForCompletion("Platform", 6000));
  EXPECT_NE(Completion("Platform").find("state 5 missing"), std::string::npos) << Completion("Platform");

  ASSERT_TRUE(WaitForLog(host_, "the host's reader takes over"));
  ASSERT_TRUE(WaitUntil([&] { return (panel = Panel("Reader")) != nullptr; }));
  Click(panel, kCancelButton);
  ASSERT_TRUE(WaitForCompletion("Reader", 6000));
  EXPECT_NE(Completion("Reader").find("state 5 missing"), std::string::npos) << Completion("Reader");

  ASSERT_TRUE(WaitForLog(host_, "Download started: Left"));
  SendMessageA(main_, WM_COMMAND, MAKEWPARAM(1004, BN_CLICKED), 0);
  main_ = nullptr;
  EXPECT_EQ(process_->Wait(30000), 0u);
  const std::string log = host_.Log();
  size_t left = log.find("test download Left state 5 missing"), unloading = log.find("Unloading product modules");
  ASSERT_NE(left, std::string::npos) << log;
  EXPECT_LT(left, unloading);
  EXPECT_FALSE(Exists(Destination("c.bin")));
}

}  // namespace
