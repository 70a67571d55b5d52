// One notification of the home page: the module's copy of the producer's
// record, drawn as a card with its title, texts and buttons.
#pragma once

#include <windows.h>
#include "GdiplusInclude.h"

#include <string>

#include "ObjectWindow.h"
#include "PageStyle.h"
#include "ZelvaContract.h"

namespace zelva::settings {

// What a card asks of the list that holds it. Cards are named by handle, so
// the list finds them again after calls that may add or remove cards.
class CardOwner {
 public:
  virtual void OnCardButton(INT_PTR handle, int button) = 0;
  virtual void OnCardDismissed(INT_PTR handle) = 0;
  virtual void OnCardResized(INT_PTR handle) = 0;

 protected:
  ~CardOwner() = default;
};

class NotificationCard : public ui::ObjectWindow<NotificationCard> {
 public:
  static constexpr const wchar_t* kClassName = L"ZelvaNotificationCard";
  static constexpr int kMaxButtons = 3;

  // Copies the record: the producer's may be a local of its caller.
  NotificationCard(const PanelRecord& record, INT_PTR handle, const PageStyle& style, CardOwner& owner);
  ~NotificationCard();

  bool Create(HWND list);

  INT_PTR handle() const { return handle_; }
  // The copy that button handlers receive.
  PanelRecord& record() { return record_; }

  // Measures the card for a width, places its buttons; returns its height.
  int LayoutFor(int width);
  int height() const { return height_; }

  bool expanded() const { return expanded_; }
  void SetExpanded(bool expanded);
  // Disables the buttons while a handler runs, so a modal loop inside the
  // handler cannot call it a second time.
  void SetBusy(bool busy);
  bool busy() const { return busy_; }

 private:
  friend class ui::ObjectWindow<NotificationCard>;
  enum ControlId : int { kFirstButton = 100, kToggle = 110, kDismiss = 111 };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateButton(const std::wstring& text, int id);
  void Paint(HDC dc);
  void OnCommand(int id);
  bool HasLongText() const { return !longText_.empty(); }

  PanelRecord record_;
  const INT_PTR handle_;
  const PageStyle& style_;
  CardOwner& owner_;

  std::wstring title_, shortText_, longText_, time_;
  HWND buttons_[kMaxButtons] = {};
  HWND toggle_ = nullptr;
  HWND dismiss_ = nullptr;
  bool expanded_ = false;
  bool busy_ = false;

  int width_ = 0;
  int height_ = 0;
  Gdiplus::RectF titleBox_, timeBox_, shortBox_, longBox_;
};

}  // namespace zelva::settings
