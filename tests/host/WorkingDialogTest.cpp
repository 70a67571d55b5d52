// The working dialog in this process, driven by a worker thread as modules do.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "HostState.h"
#include "WorkingDialog.h"

using namespace zelva;

namespace {

constexpr DWORD kDeadlineMs = 10000;

std::thread g_worker;
std::atomic<bool> g_workerDone{false};
bool g_closedDuringCreation = false;

// As the dialog is being created, a worker closes it: the close must wait
// for the dialog to exist instead of finding nothing to close.
LRESULT CALLBACK CloseWhileCreating(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_CREATEWND && !g_closedDuringCreation) {
    const CREATESTRUCTA& create = *reinterpret_cast<CBT_CREATEWNDA*>(l)->lpcs;
    if (create.hwndParent == nullptr || !(create.style & WS_CHILD)) {
      g_closedDuringCreation = true;
      g_worker = std::thread([] {
        ui::CloseWorkingDialog();
        g_workerDone = true;
      });
      // Long enough for a close that does not wait to have come and gone.
      for (DWORD waited = 0; waited < 200 && !g_workerDone; waited += 10) Sleep(10);
    }
  }
  return CallNextHookEx(nullptr, code, w, l);
}

TEST(WorkingDialog, CloseWhileTheDialogIsBeingCreatedEndsItOnceItExists) {
  host::ResetContext(GetModuleHandleA(nullptr));
  ui::CreateWorkMutex();
  HHOOK hook = SetWindowsHookExA(WH_CBT, &CloseWhileCreating, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);

  // Ends a dialog the worker failed to close, so a failure cannot hang the run.
  std::atomic<bool> ran{false}, rescued{false};
  std::thread watchdog([&] {
    for (DWORD waited = 0; waited < kDeadlineMs && !ran; waited += 50) Sleep(50);
    if (!ran && ui::IsWorkingDialogOpen()) {
      rescued = true;
      ui::CloseWorkingDialog();
    }
  });
  ui::RunWorkingDialog();
  ran = true;
  watchdog.join();
  UnhookWindowsHookEx(hook);
  if (g_worker.joinable()) g_worker.join();

  EXPECT_TRUE(g_closedDuringCreation);
  EXPECT_FALSE(rescued);
  EXPECT_FALSE(ui::IsWorkingDialogOpen());
  ui::CloseWorkMutex();
}

}  // namespace
