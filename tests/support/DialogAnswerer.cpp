#include "DialogAnswerer.h"

#include <mutex>
#include <set>

namespace zelva::testing {
namespace {

// A box that was clicked may still be on screen for a while, above all on a
// busy machine; the next answerer for the same caption must wait for the next
// box rather than take the old one and leave the new one unanswered.
std::mutex answeredLock;
std::set<std::pair<HWND, int>> answeredButtons;

bool Answered(HWND box, int button) {
  std::lock_guard<std::mutex> hold(answeredLock);
  return answeredButtons.count({box, button}) != 0;
}

bool Claim(HWND box, int button) {
  std::lock_guard<std::mutex> hold(answeredLock);
  return answeredButtons.insert({box, button}).second;
}

constexpr int kAnyWindow = -1;

struct Search {
  const char* caption;
  DWORD process;
  int unansweredButton;  // kAnyWindow: answered or not
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char caption[256];
  if (process == search->process && IsWindowVisible(window) && GetWindowTextA(window, caption, sizeof(caption)) &&
      lstrcmpA(caption, search->caption) == 0 &&
      (search->unansweredButton == kAnyWindow || !Answered(window, search->unansweredButton))) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindWindowOf(const char* caption, DWORD process, int unansweredButton) {
  Search search{caption, process != 0 ? process : GetCurrentProcessId(), unansweredButton, nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

HWND FindProcessWindow(const char* caption, DWORD process) { return FindWindowOf(caption, process, kAnyWindow); }

DialogAnswerer::DialogAnswerer(std::string caption, int buttonId, DWORD timeoutMs, DWORD process)
    : caption_(std::move(caption)), buttonId_(buttonId), timeoutMs_(timeoutMs), process_(process),
      thread_([this] { Run(); }) {}

DialogAnswerer::~DialogAnswerer() {
  if (thread_.joinable()) thread_.join();
}

bool DialogAnswerer::Wait() {
  if (thread_.joinable()) thread_.join();
  return answered_;
}

bool DialogAnswerer::WaitPumping() {
  std::atomic<bool> done{false};
  std::thread waiter([&] {
    if (thread_.joinable()) thread_.join();
    done = true;
  });
  while (!done) {
    PumpMessages();
    Sleep(10);
  }
  waiter.join();
  return answered_;
}

void PumpMessages() {
  for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageA(&message);
}

void DialogAnswerer::Run() {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs_;
  while (GetTickCount64() < deadline) {
    HWND box = FindWindowOf(caption_.c_str(), process_, buttonId_);
    HWND button = box ? GetDlgItem(box, buttonId_) : nullptr;
    if (button != nullptr && Claim(box, buttonId_)) {
      // Message boxes keep their text in a static control with id 0xFFFF.
      char text[2048] = {};
      GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
      text_ = text;
      answered_ = true;
      PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId_, BN_CLICKED), reinterpret_cast<LPARAM>(button));
      return;
    }
    Sleep(20);
  }
}

}  // namespace zelva::testing
