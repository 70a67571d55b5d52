// The notifications of the home page, newest first, in a scrolling column.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "HostLink.h"
#include "NotificationCard.h"
#include "ObjectWindow.h"
#include "PageStyle.h"
#include "VerticalScroller.h"

namespace zelva::settings {

class NotificationListObserver {
 public:
  virtual void OnNotificationCountChanged(int count) = 0;

 protected:
  ~NotificationListObserver() = default;
};

class NotificationList : public ui::ObjectWindow<NotificationList>, private CardOwner {
 public:
  static constexpr const wchar_t* kClassName = L"ZelvaNotificationList";

  NotificationList(const PageStyle& style, const HostLink& host, NotificationListObserver& observer);
  ~NotificationList();

  bool Create(HWND page, int id);

  bool Add(const PanelRecord& record, INT_PTR handle);
  // False when no notification has that handle.
  bool Remove(INT_PTR handle);
  int count() const { return static_cast<int>(cards_.size()); }

  // Back to the first notification, every long text folded.
  void ResetView();
  void OnWheel(int delta);

 private:
  friend class ui::ObjectWindow<NotificationList>;
  static constexpr UINT kPurgeMessage = WM_APP + 1;

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnCardButton(INT_PTR handle, int button) override;
  void OnCardDismissed(INT_PTR handle) override;
  void OnCardResized(INT_PTR handle) override;

  NotificationCard* Find(INT_PTR handle) const;
  void Relayout();
  void PlaceCards();
  void Paint(HDC dc);
  void SchedulePurge();
  void Purge();

  const PageStyle& style_;
  const HostLink& host_;
  NotificationListObserver& observer_;
  std::vector<std::unique_ptr<NotificationCard>> cards_;
  // Removed cards wait here, hidden, until no handler runs and their window
  // procedures have returned: a handler may remove its own notification.
  std::vector<std::unique_ptr<NotificationCard>> retired_;
  int handlersRunning_ = 0;
  bool purgePosted_ = false;
  bool layingOut_ = false;
  VerticalScroller scroller_;
};

}  // namespace zelva::settings
