#include "NotificationCard.h"

#include <algorithm>

#include "Drawing.h"
#include "RecordCopy.h"
#include "WideText.h"

namespace zelva::settings {
namespace {

// Design distances of a card, in pixels at 96 dpi.
constexpr int kPadding = 14;
constexpr int kStripe = 4;
constexpr int kIcon = 28;
constexpr int kIconGap = 12;
constexpr int kButtonHeight = 30;
constexpr int kButtonGap = 8;
constexpr int kButtonMinWidth = 84;
constexpr int kButtonTextPadding = 16;
constexpr float kRadius = 6.0f;

std::wstring TimeOfDay() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[64] = L"";
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &now, nullptr, text, 64) == 0) return {};
  return text;
}

}  // namespace

NotificationCard::NotificationCard(const PanelRecord& record, INT_PTR handle, const PageStyle& style,
                                   CardOwner& owner)
    : record_(CopyRecord(record)), handle_(handle), style_(style), owner_(owner) {
  title_ = win::WideFromAnsi(record_.title);
  shortText_ = win::WideFromAnsi(record_.shortText);
  longText_ = win::WideFromAnsi(record_.longText);
  time_ = TimeOfDay();
}

NotificationCard::~NotificationCard() { DestroyWindowNow(); }

bool NotificationCard::Create(HWND list) {
  if (CreateWindowFor(WS_EX_CONTROLPARENT | WS_EX_NOPARENTNOTIFY, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                      RECT{0, 0, 100, 100}, list, 0) == nullptr)
    return false;
  bool anyButton = false;
  for (int i = 0; i < kMaxButtons; ++i) {
    if (record_.buttonText[i][0] == '\0') continue;
    buttons_[i] = CreateButton(win::WideFromAnsi(record_.buttonText[i]), kFirstButton + i);
    anyButton = true;
  }
  if (HasLongText()) toggle_ = CreateButton(L"More", kToggle);
  // Without buttons of its own the notification could never be closed.
  if (!anyButton) dismiss_ = CreateButton(L"Dismiss", kDismiss);
  return true;
}

HWND NotificationCard::CreateButton(const std::wstring& text, int id) {
  HWND button = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"BUTTON", text.c_str(),
                                WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_OWNERDRAW, 0, 0, 10, 10,
                                window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), win::ThisModule(), nullptr);
  if (button != nullptr) SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(style_.controlFont()), FALSE);
  return button;
}

int NotificationCard::LayoutFor(int width) {
  MeasuringContext measuring;
  Gdiplus::Graphics& g = measuring.graphics();
  const int pad = style_.Px(kPadding);
  const int textLeft = style_.Px(kStripe + kPadding + kIcon + kIconGap);
  const int textWidth = std::max(width - textLeft - pad, style_.Px(40));

  const int timeWidth = MeasureTextWidth(g, time_, style_.small());
  const int titleWidth = std::max(textWidth - timeWidth - style_.Px(8), style_.Px(40));
  int y = pad;
  const int titleHeight = std::max(MeasureTextHeight(g, title_, style_.cardTitle(), titleWidth), style_.Px(18));
  titleBox_ = Gdiplus::RectF(float(textLeft), float(y), float(titleWidth), float(titleHeight));
  timeBox_ = Gdiplus::RectF(float(textLeft + textWidth - timeWidth), float(y + style_.Px(2)), float(timeWidth),
                            float(titleHeight));
  y += titleHeight + style_.Px(4);

  const int shortHeight = MeasureTextHeight(g, shortText_, style_.body(), textWidth);
  shortBox_ = Gdiplus::RectF(float(textLeft), float(y), float(textWidth), float(shortHeight));
  y += shortHeight;

  longBox_ = Gdiplus::RectF();
  if (expanded_ && HasLongText()) {
    y += style_.Px(8);
    const int longHeight = MeasureTextHeight(g, longText_, style_.body(), textWidth);
    longBox_ = Gdiplus::RectF(float(textLeft), float(y), float(textWidth), float(longHeight));
    y += longHeight;
  }

  // Buttons flow left to right and wrap; the More/Less link closes the last row.
  y += style_.Px(12);
  const int rowHeight = style_.Px(kButtonHeight);
  const int gap = style_.Px(kButtonGap);
  const int right = textLeft + textWidth;
  int x = textLeft;
  bool rowUsed = false;
  auto place = [&](HWND control, int controlWidth) {
    if (control == nullptr) return;
    if (rowUsed && x + controlWidth > right) {
      x = textLeft;
      y += rowHeight + gap;
    }
    SetWindowPos(control, nullptr, x, y, controlWidth, rowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    x += controlWidth + gap;
    rowUsed = true;
  };
  auto buttonWidth = [&](const wchar_t* text) {
    return std::max(MeasureTextWidth(g, text, style_.button()) + 2 * style_.Px(kButtonTextPadding),
                    style_.Px(kButtonMinWidth));
  };
  for (int i = 0; i < kMaxButtons; ++i)
    if (buttons_[i] != nullptr) place(buttons_[i], buttonWidth(win::WideFromAnsi(record_.buttonText[i]).c_str()));
  place(dismiss_, buttonWidth(L"Dismiss"));
  if (toggle_ != nullptr) {
    const int toggleWidth = std::max(MeasureTextWidth(g, L"More", style_.body()),
                                     MeasureTextWidth(g, L"Less", style_.body())) + style_.Px(8);
    if (rowUsed && x + toggleWidth > right) {
      x = textLeft;
      y += rowHeight + gap;
    }
    SetWindowPos(toggle_, nullptr, right - toggleWidth, y, toggleWidth, rowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    rowUsed = true;
  }
  if (rowUsed) y += rowHeight;
  y += pad;

  width_ = width;
  height_ = std::max(y, style_.Px(kIcon) + 2 * pad);
  return height_;
}

void NotificationCard::SetExpanded(bool expanded) {
  if (expanded_ == expanded || toggle_ == nullptr) return;
  expanded_ = expanded;
  SetWindowTextW(toggle_, expanded_ ? L"Less" : L"More");
  InvalidateRect(window(), nullptr, FALSE);
}

void NotificationCard::SetBusy(bool busy) {
  busy_ = busy;
  for (HWND button : buttons_)
    if (button != nullptr) EnableWindow(button, !busy);
  if (dismiss_ != nullptr) EnableWindow(dismiss_, !busy);
}

void NotificationCard::OnCommand(int id) {
  if (id >= kFirstButton && id < kFirstButton + kMaxButtons) {
    owner_.OnCardButton(handle_, id - kFirstButton);
  } else if (id == kToggle) {
    SetExpanded(!expanded_);
    owner_.OnCardResized(handle_);
  } else if (id == kDismiss) {
    owner_.OnCardDismissed(handle_);
  }
}

void NotificationCard::Paint(HDC dc) {
  RECT client;
  GetClientRect(window(), &client);
  BufferedSurface surface(dc, client);
  Gdiplus::Graphics& g = surface.graphics();
  const float radius = style_.PxF(kRadius);
  const Gdiplus::RectF card = FillCard(g, client, radius);
  const bool question = record_.producerMark == kPanelMarkLiveryQuestion;
  const Gdiplus::ARGB mark = question ? palette::kQuestion : palette::kAccent;
  FinishCard(g, card, radius, mark, Gdiplus::RectF(0.0f, 0.0f, style_.PxF(kStripe), float(client.bottom)));

  const float iconSize = style_.PxF(kIcon);
  const Gdiplus::RectF icon(style_.PxF(kStripe + kPadding), style_.PxF(kPadding), iconSize, iconSize);
  Gdiplus::SolidBrush iconBrush{Gdiplus::Color(mark)};
  g.FillEllipse(&iconBrush, icon);
  DrawTextBlock(g, question ? L"?" : L"i", style_.glyph(), palette::kOnAccent, icon, TextAlign::kCenter, true);

  DrawTextBlock(g, title_, style_.cardTitle(), palette::kText, titleBox_);
  DrawTextBlock(g, time_, style_.small(), palette::kMutedText, timeBox_, TextAlign::kFar);
  DrawTextBlock(g, shortText_, style_.body(), palette::kText, shortBox_);
  if (expanded_) DrawTextBlock(g, longText_, style_.body(), palette::kMutedText, longBox_);
}

LRESULT NotificationCard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandlePaintMessage(message, wParam, painted)) return painted;
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) OnCommand(LOWORD(wParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      ButtonLook look = ButtonLook::kSecondary;
      if (item.CtlID == kToggle) look = ButtonLook::kLink;
      else if (item.CtlID == kFirstButton) look = ButtonLook::kPrimary;
      DrawButton(item, style_, look, palette::kCard);
      return TRUE;
    }
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zelva::settings
