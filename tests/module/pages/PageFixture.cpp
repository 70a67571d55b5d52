#include "PageFixture.h"

#include <commctrl.h>

#include "HostState.h"

namespace zelva::testing {

void PageFixture::SetUp() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_USEREX_CLASSES};
  InitCommonControlsEx(&controls);
  main_ = CreateWindowExA(0, "STATIC", "stand-in main window", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 1100, 655,
                          nullptr, nullptr, nullptr, nullptr);
  area_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 263, 66, 819, 568, main_, nullptr,
                          nullptr, nullptr);
  // The content area as the host numbers it, where the document window goes.
  SetWindowLongPtrA(area_, GWLP_ID, 1007);
  host::Context().mainWindow = main_;
}

void PageFixture::TearDown() {
  k50_.Unload();
  DestroyWindow(main_);
}

bool PageFixture::Open(int page) {
  if (!k50_.Load() || k50_.module().show(area_) != 1) return false;
  // The host's menu tree sets this for an installed product; there is no tree here.
  host::Context().currentSimulator = kSimulatorFsx;
  product_ = FindWindowExA(area_, nullptr, "#32770", nullptr);
  return Reopen(page);
}

bool PageFixture::Reopen(int page) {
  k50_.module().menuChange(page);
  PumpMessages();
  page_ = GetWindow(GetDlgItem(product_, 1007), GW_CHILD);
  return page_ != nullptr;
}

std::string PageFixture::Text(int id) const {
  char text[2048] = {};
  GetWindowTextA(Control(id), text, sizeof(text));
  return text;
}

std::string PageFixture::ClickAnswering(int id, const char* caption, int button) {
  DialogAnswerer answerer(caption, button, 5000);
  SendMessageA(Control(id), BM_CLICK, 0, 0);
  return answerer.WaitPumping() ? answerer.text() : std::string("(none)");
}

}  // namespace zelva::testing
