#include "NotificationList.h"

#include <algorithm>

#include "Drawing.h"

namespace zelva::settings {
namespace {

constexpr int kCardGap = 10;
constexpr int kLineStep = 40;

// Decrements a counter when a scope ends, however it ends.
class CountedScope {
 public:
  explicit CountedScope(int& counter) : counter_(counter) { ++counter_; }
  ~CountedScope() { --counter_; }
  CountedScope(const CountedScope&) = delete;
  CountedScope& operator=(const CountedScope&) = delete;

 private:
  int& counter_;
};

}  // namespace

NotificationList::NotificationList(const PageStyle& style, const HostLink& host, NotificationListObserver& observer)
    : style_(style), host_(host), observer_(observer), scroller_(style.Px(kLineStep)) {}

NotificationList::~NotificationList() {
  DestroyWindowNow();
  cards_.clear();
  retired_.clear();
}

bool NotificationList::Create(HWND page, int id) {
  return CreateWindowFor(WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                         RECT{0, 0, 100, 100}, page, id) != nullptr;
}

bool NotificationList::Add(const PanelRecord& record, INT_PTR handle) {
  auto card = std::make_unique<NotificationCard>(record, handle, style_, static_cast<CardOwner&>(*this));
  if (!card->Create(window())) return false;
  host_.Log("Notification added: %s", card->record().title);
  cards_.insert(cards_.begin(), std::move(card));
  Relayout();
  observer_.OnNotificationCountChanged(count());
  return true;
}

bool NotificationList::Remove(INT_PTR handle) {
  auto found = std::find_if(cards_.begin(), cards_.end(), [&](const auto& card) { return card->handle() == handle; });
  if (found == cards_.end()) return false;
  host_.Log("Notification removed: %s", (*found)->record().title);
  ShowWindow((*found)->window(), SW_HIDE);
  retired_.push_back(std::move(*found));
  cards_.erase(found);
  Relayout();
  SchedulePurge();
  observer_.OnNotificationCountChanged(count());
  return true;
}

NotificationCard* NotificationList::Find(INT_PTR handle) const {
  for (const auto& card : cards_)
    if (card->handle() == handle) return card.get();
  return nullptr;
}

void NotificationList::OnCardButton(INT_PTR handle, int button) {
  NotificationCard* card = Find(handle);
  if (card == nullptr || card->busy()) return;
  int32_t result = 1;  // a notification without a handler only acknowledges
  if (PanelButtonHandler handler = card->record().buttonHandler) {
    card->SetBusy(true);
    {
      CountedScope running(handlersRunning_);
      result = handler(&card->record(), button);
    }
    // The card outlives the call even if the handler removed it (retired
    // cards are not freed while a handler runs).
    card->SetBusy(false);
  }
  host_.Log("Notification button %d of \"%s\" answered %d", button, card->record().title, static_cast<int>(result));
  if (result == 1) Remove(handle);
  if (!retired_.empty()) SchedulePurge();
}

void NotificationList::OnCardDismissed(INT_PTR handle) { Remove(handle); }

void NotificationList::OnCardResized(INT_PTR) { Relayout(); }

void NotificationList::ResetView() {
  for (const auto& card : cards_) card->SetExpanded(false);
  scroller_.ScrollTo(window(), 0);
  Relayout();
}

void NotificationList::OnWheel(int delta) {
  if (scroller_.OnWheel(window(), delta)) PlaceCards();
}

void NotificationList::Relayout() {
  if (layingOut_ || window() == nullptr) return;
  layingOut_ = true;
  RECT outer, client;
  GetWindowRect(window(), &outer);
  GetClientRect(window(), &client);
  // The width leaves room for the scroll bar whether it shows or not, so
  // showing it cannot change the heights that decided to show it.
  const int width = std::max<int>(outer.right - outer.left - GetSystemMetrics(SM_CXVSCROLL) - style_.Px(4), 1);
  int content = 0;
  for (const auto& card : cards_) content += card->LayoutFor(width) + style_.Px(kCardGap);
  if (content > 0) content -= style_.Px(kCardGap);
  scroller_.SetExtent(window(), content, client.bottom);
  layingOut_ = false;
  PlaceCards();
}

void NotificationList::PlaceCards() {
  RECT outer;
  GetWindowRect(window(), &outer);
  const int width = std::max<int>(outer.right - outer.left - GetSystemMetrics(SM_CXVSCROLL) - style_.Px(4), 1);
  HDWP positions = BeginDeferWindowPos(static_cast<int>(cards_.size()));
  int y = -scroller_.position();
  for (const auto& card : cards_) {
    if (positions != nullptr)
      positions = DeferWindowPos(positions, card->window(), nullptr, 0, y, width, card->height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    y += card->height() + style_.Px(kCardGap);
  }
  if (positions != nullptr) EndDeferWindowPos(positions);
  InvalidateRect(window(), nullptr, TRUE);
}

void NotificationList::Paint(HDC dc) {
  RECT client;
  GetClientRect(window(), &client);
  BufferedSurface surface(dc, client);
  Gdiplus::Graphics& g = surface.graphics();
  FillPage(g, client);
  if (!cards_.empty()) return;

  const float width = float(client.right - GetSystemMetrics(SM_CXVSCROLL));
  const Gdiplus::RectF box(0.0f, 0.0f, width, style_.PxF(72.0f));
  Gdiplus::Pen dashed{Gdiplus::Color(palette::kCardBorder), 1.0f};
  dashed.SetDashStyle(Gdiplus::DashStyleDash);
  DrawRoundedRect(g, dashed, Gdiplus::RectF(0.0f, 0.0f, box.Width - 1.0f, box.Height - 1.0f), style_.PxF(6.0f));
  DrawTextBlock(g, L"There are no new notifications.", style_.cardTitle(), palette::kMutedText,
                Gdiplus::RectF(0.0f, style_.PxF(14.0f), width, style_.PxF(20.0f)), TextAlign::kCenter);
  DrawTextBlock(g, L"Updates and questions about your aircraft will appear here.", style_.small(),
                palette::kMutedText, Gdiplus::RectF(0.0f, style_.PxF(38.0f), width, style_.PxF(18.0f)),
                TextAlign::kCenter);
}

void NotificationList::SchedulePurge() {
  if (purgePosted_ || window() == nullptr) return;
  purgePosted_ = PostMessageW(window(), kPurgeMessage, 0, 0) != FALSE;
}

void NotificationList::Purge() {
  purgePosted_ = false;
  if (handlersRunning_ > 0) return;  // the handler's caller schedules again
  retired_.clear();
}

LRESULT NotificationList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandlePaintMessage(message, wParam, painted)) return painted;
  switch (message) {
    case WM_SIZE:
      Relayout();
      return 0;
    case WM_VSCROLL:
      if (scroller_.OnScroll(window(), LOWORD(wParam))) PlaceCards();
      return 0;
    case WM_MOUSEWHEEL:
      OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case kPurgeMessage:
      Purge();
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zelva::settings
