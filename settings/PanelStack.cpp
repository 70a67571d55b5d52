#include "PanelStack.h"

#include <commctrl.h>

#include <algorithm>

#include "RecordCopy.h"

namespace zelva::settings {
namespace {

constexpr int kPanelGap = 8;
constexpr int kLineStep = 40;
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

PanelStack::PanelStack(const PageStyle& style, const HostLink& host, PanelClassRegistry& classes,
                       PanelStackObserver& observer)
    : style_(style), host_(host), classes_(classes), observer_(observer), scroller_(style.Px(kLineStep)) {}

PanelStack::~PanelStack() {
  for (const Panel& panel : panels_)
    if (panel.window != nullptr) RemoveWindowSubclass(panel.window, &PanelSubclass, kSubclassId);
  DestroyWindowNow();
}

bool PanelStack::Create(HWND page, int id) {
  return CreateWindowFor(WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_CLIPCHILDREN,
                         RECT{0, 0, 100, 100}, page, id) != nullptr;
}

int PanelStack::ContentHeight() const {
  int height = 0;
  for (const Panel& panel : panels_) height += panel.record->panelHeight + style_.Px(kPanelGap);
  return height > 0 ? height - style_.Px(kPanelGap) : 0;
}

bool PanelStack::Add(const PanelRecord& record, INT_PTR handle) {
  const char* className = classes_.ClassFor(record.windowProcedure);
  if (className == nullptr) {
    host_.Log("Panel \"%.101s\" refused: no window procedure", record.title);
    return false;
  }
  auto copy = std::make_unique<PanelRecord>(CopyRecord(record));
  RECT client;
  GetClientRect(window(), &client);
  const int top = ContentHeight() + (panels_.empty() ? 0 : style_.Px(kPanelGap)) - scroller_.position();
  HWND panel = CreateWindowExA(0, className, copy->title, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, top,
                               std::max<int>(client.right, 1), copy->panelHeight, window(),
                               reinterpret_cast<HMENU>(handle & 0xFFFF), win::ThisModule(), copy.get());
  if (panel == nullptr) {
    host_.Log("Panel \"%s\" could not be created: %lu", copy->title, GetLastError());
    return false;
  }
  // Learns when a producer destroys its panel itself, so no gap stays behind.
  SetWindowSubclass(panel, &PanelSubclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  host_.Log("Panel added: %s", copy->title);
  panels_.push_back(Panel{handle, std::move(copy), panel});
  Relayout();
  observer_.OnPanelStackChanged();
  return true;
}

bool PanelStack::Remove(INT_PTR handle) {
  auto found = std::find_if(panels_.begin(), panels_.end(), [&](const Panel& p) { return p.handle == handle; });
  if (found == panels_.end()) return false;
  HWND panel = found->window;
  std::unique_ptr<PanelRecord> record = std::move(found->record);
  panels_.erase(found);
  host_.Log("Panel removed: %s", record->title);
  if (panel != nullptr) {
    RemoveWindowSubclass(panel, &PanelSubclass, kSubclassId);
    DestroyWindow(panel);
  }
  Retire(std::move(record));
  Relayout();
  observer_.OnPanelStackChanged();
  return true;
}

void PanelStack::OnPanelWindowGone(HWND gone) {
  auto found = std::find_if(panels_.begin(), panels_.end(), [&](const Panel& p) { return p.window == gone; });
  if (found == panels_.end()) return;
  std::unique_ptr<PanelRecord> record = std::move(found->record);
  panels_.erase(found);
  Retire(std::move(record));
  // Moving siblings from inside a window's destruction is asking for trouble.
  if (window() != nullptr) PostMessageW(window(), kRelayoutMessage, 0, 0);
}

void PanelStack::Retire(std::unique_ptr<PanelRecord> record) {
  retired_.push_back(std::move(record));
  if (window() != nullptr && retired_.size() == 1) PostMessageW(window(), kPurgeMessage, 0, 0);
}

LRESULT CALLBACK PanelStack::PanelSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR stack) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &PanelSubclass, kSubclassId);
    try {
      reinterpret_cast<PanelStack*>(stack)->OnPanelWindowGone(window);
    } catch (...) {
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void PanelStack::OnWheel(int delta) {
  if (scroller_.OnWheel(window(), delta)) PlacePanels();
}

void PanelStack::ResetView() {
  if (scroller_.ScrollTo(window(), 0)) PlacePanels();
}

void PanelStack::Relayout() {
  if (layingOut_ || window() == nullptr) return;
  layingOut_ = true;
  RECT client;
  GetClientRect(window(), &client);
  scroller_.SetExtent(window(), ContentHeight(), client.bottom);
  layingOut_ = false;
  PlacePanels();
}

void PanelStack::PlacePanels() {
  RECT client;
  GetClientRect(window(), &client);
  int y = -scroller_.position();
  for (const Panel& panel : panels_) {
    SetWindowPos(panel.window, nullptr, 0, y, std::max<int>(client.right, 1), panel.record->panelHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    y += panel.record->panelHeight + style_.Px(kPanelGap);
  }
  InvalidateRect(window(), nullptr, TRUE);
}

LRESULT PanelStack::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      Relayout();
      return 0;
    case WM_VSCROLL:
      if (scroller_.OnScroll(window(), LOWORD(wParam))) PlacePanels();
      return 0;
    case WM_MOUSEWHEEL:
      // Turns the page does not need here go on to the page.
      if (!CanScroll()) return Default(message, wParam, lParam);
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, style_.pageBrush());
      return 1;
    }
    case kPurgeMessage:
      retired_.clear();
      return 0;
    case kRelayoutMessage:
      Relayout();
      observer_.OnPanelStackChanged();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zelva::settings
