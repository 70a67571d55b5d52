#include "DialogAnswerer.h"

namespace zelva::testing {
namespace {

struct Search {
  const char* caption;
  DWORD process;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char caption[256];
  if (process == search->process && IsWindowVisible(window) && GetWindowTextA(window, caption, sizeof(caption)) &&
      lstrcmpA(caption, search->caption) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(const char* caption, DWORD process) {
  Search search{caption, process != 0 ? process : GetCurrentProcessId(), nullptr};
  EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

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

void DialogAnswerer::Run() {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs_;
  while (GetTickCount64() < deadline) {
    HWND box = FindProcessWindow(caption_.c_str(), process_);
    HWND button = box ? GetDlgItem(box, buttonId_) : nullptr;
    if (button != nullptr) {
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
