#include "HomePage.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "Drawing.h"
#include "WideText.h"

namespace zelva::settings {
namespace {

// Design distances of the page, in pixels at 96 dpi.
constexpr int kHeader = 78;
constexpr int kMargin = 18;
constexpr int kSettingsWidth = 270;
constexpr int kMinimumFeedWidth = 300;
constexpr int kCaption = 30;
constexpr int kMinimumListHeight = 90;
constexpr UINT_PTR kSubclassId = 1;

const wchar_t kHeadline[] = L"Welcome to ZELVA Hangardesk";
const wchar_t kLead[] =
    L"Choose an aircraft in the product list to configure it. News about updates and your liveries arrives below.";

}  // namespace

HomePage::HomePage(const PageStyle& style, const HostLink& host, PanelClassRegistry& panelClasses)
    : style_(style), host_(host), panelClasses_(panelClasses) {}

HomePage::~HomePage() {
  StopFollowing();
  DestroyWindowNow();
}

bool HomePage::Create(HWND parking) {
  RECT place;
  GetClientRect(parking, &place);
  if (CreateWindowFor(WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, place, parking, 0) == nullptr) return false;
  // The host's artwork when it has it; the page's own colours otherwise.
  headerImage_.Load(host_, "Blue Header Bar");
  panels_ = std::make_unique<PanelStack>(style_, host_, panelClasses_, static_cast<PanelStackObserver&>(*this));
  notifications_ = std::make_unique<NotificationList>(style_, host_, static_cast<NotificationListObserver&>(*this));
  settingsBox_ = std::make_unique<SettingsBox>(style_, host_);
  if (!panels_->Create(window(), kPanelsId) || !notifications_->Create(window(), kNotificationsId) ||
      !settingsBox_->Create(window(), kSettingsId))
    return false;
  Relayout();
  return true;
}

void HomePage::ShowIn(HWND parent) {
  if (GetParent(window()) != parent) SetParent(window(), parent);
  FollowParent(parent);
  FitToParent();
  settingsBox_->Refresh();
  SetWindowPos(window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void HomePage::HideTo(HWND parking) {
  ShowWindow(window(), SW_HIDE);
  StopFollowing();
  if (parking != nullptr && GetParent(window()) != parking) SetParent(window(), parking);
}

void HomePage::ResetView() {
  notifications_->ResetView();
  panels_->ResetView();
}

void HomePage::FollowParent(HWND parent) {
  if (followed_ == parent) return;
  StopFollowing();
  if (SetWindowSubclass(parent, &ParentSubclass, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) followed_ = parent;
}

void HomePage::StopFollowing() {
  if (followed_ == nullptr) return;
  RemoveWindowSubclass(followed_, &ParentSubclass, kSubclassId);
  followed_ = nullptr;
}

// The host resizes its content area without telling the home page.
LRESULT CALLBACK HomePage::ParentSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                          DWORD_PTR page) {
  auto* self = reinterpret_cast<HomePage*>(page);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &ParentSubclass, kSubclassId);
    self->followed_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (message == WM_SIZE) {
    try {
      self->FitToParent();
    } catch (...) {
    }
  }
  return result;
}

void HomePage::FitToParent() {
  HWND parent = GetParent(window());
  RECT client;
  if (parent == nullptr || !GetClientRect(parent, &client)) return;
  SetWindowPos(window(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
}

void HomePage::Relayout() {
  if (!panels_ || !notifications_ || !settingsBox_) return;
  RECT client;
  GetClientRect(window(), &client);
  const int margin = style_.Px(kMargin);
  const int top = style_.Px(kHeader) + margin;
  int settingsWidth = style_.Px(kSettingsWidth);
  int feedWidth = client.right - 3 * margin - settingsWidth;
  if (feedWidth < style_.Px(kMinimumFeedWidth)) {
    settingsWidth = std::max<int>(style_.Px(200), client.right - 3 * margin - style_.Px(kMinimumFeedWidth));
    feedWidth = client.right - 3 * margin - settingsWidth;
  }
  feedWidth = std::max(feedWidth, 1);
  const int bottom = client.bottom - margin;
  const int caption = style_.Px(kCaption);

  int y = top;
  if (panels_->count() > 0) {
    downloadsCaption_ = RECT{margin, y, margin + feedWidth, y + caption};
    y += caption;
    // Downloads may take half of what is left; they scroll beyond that.
    const int room = std::max(bottom - y - caption - style_.Px(kMinimumListHeight) - margin, 0);
    const int height = std::min(panels_->ContentHeight(), std::max(room, (bottom - y) / 2));
    SetWindowPos(panels_->window(), nullptr, margin, y, feedWidth, std::max(height, 1),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    y += height + margin;
  } else {
    downloadsCaption_ = RECT{};
    ShowWindow(panels_->window(), SW_HIDE);
  }
  notificationsCaption_ = RECT{margin, y, margin + feedWidth, y + caption};
  y += caption;
  SetWindowPos(notifications_->window(), nullptr, margin, y, feedWidth, std::max(bottom - y, 1),
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(settingsBox_->window(), nullptr, client.right - margin - settingsWidth, top, settingsWidth,
               settingsBox_->PreferredHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window(), nullptr, FALSE);
}

void HomePage::Paint(HDC dc) {
  RECT client;
  GetClientRect(window(), &client);
  BufferedSurface surface(dc, client);
  Gdiplus::Graphics& g = surface.graphics();
  const float w = float(client.right);
  FillPage(g, client);

  const float header = style_.PxF(kHeader);
  if (Gdiplus::Bitmap* image = headerImage_.bitmap()) {
    // Tiling the source's edges keeps a stretched bar from fading at its borders.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    g.DrawImage(image, Gdiplus::RectF(0.0f, 0.0f, w, header), 0.0f, 0.0f, float(image->GetWidth()),
                float(image->GetHeight()), Gdiplus::UnitPixel, &edges);
  } else {
    Gdiplus::SolidBrush accent{Gdiplus::Color(palette::kAccent)};
    g.FillRectangle(&accent, 0.0f, 0.0f, w, header);
  }
  const float margin = style_.PxF(kMargin);
  std::wstring version;
  if (host_.context().versionText != nullptr) version = L"Version " + win::WideFromAnsi(host_.context().versionText);
  const float versionWidth = float(MeasureTextWidth(g, version, style_.small()));
  DrawTextBlock(g, version, style_.small(), palette::kOnAccentMuted,
                Gdiplus::RectF(w - margin - versionWidth, style_.PxF(20.0f), versionWidth + 1.0f, style_.PxF(18.0f)),
                TextAlign::kFar);
  const float textWidth = std::max(w - 3 * margin - versionWidth, 1.0f);
  DrawTextBlock(g, kHeadline, style_.headline(), palette::kOnAccent,
                Gdiplus::RectF(margin, style_.PxF(14.0f), textWidth, style_.PxF(30.0f)));
  DrawTextBlock(g, kLead, style_.lead(), palette::kOnAccentMuted,
                Gdiplus::RectF(margin, style_.PxF(46.0f), std::max(w - 2 * margin, 1.0f), style_.PxF(20.0f)));

  auto drawCaption = [&](const RECT& box, const wchar_t* text, int count) {
    if (box.right <= box.left) return;
    const float x = float(box.left), y = float(box.top);
    const float height = float(box.bottom - box.top);
    DrawTextBlock(g, text, style_.caption(), palette::kText,
                  Gdiplus::RectF(x, y, float(box.right - box.left), height), TextAlign::kNear, true);
    if (count <= 0) return;
    wchar_t number[16];
    std::swprintf(number, 16, L"%d", count);
    const float pillHeight = style_.PxF(18.0f);
    const float pillWidth = std::max(float(MeasureTextWidth(g, number, style_.small())) + style_.PxF(12.0f), pillHeight);
    const Gdiplus::RectF pill(x + float(MeasureTextWidth(g, text, style_.caption())) + style_.PxF(8.0f),
                              y + (height - pillHeight) / 2.0f, pillWidth, pillHeight);
    Gdiplus::SolidBrush accent{Gdiplus::Color(palette::kAccent)};
    FillRoundedRect(g, accent, pill, pillHeight / 2.0f);
    DrawTextBlock(g, number, style_.small(), palette::kOnAccent, pill, TextAlign::kCenter, true);
  };
  drawCaption(downloadsCaption_, L"Downloads", panels_ ? panels_->count() : 0);
  drawCaption(notificationsCaption_, L"Notifications", notifications_ ? notifications_->count() : 0);
}

void HomePage::OnNotificationCountChanged(int count) {
  host_.ReportNotificationCount(count);
  InvalidateRect(window(), &notificationsCaption_, FALSE);
}

void HomePage::OnPanelStackChanged() { Relayout(); }

void HomePage::RouteWheel(WPARAM wParam, LPARAM lParam) {
  const POINT cursor{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const int delta = GET_WHEEL_DELTA_WPARAM(wParam);
  RECT panels;
  if (panels_->CanScroll() && GetWindowRect(panels_->window(), &panels) && PtInRect(&panels, cursor))
    panels_->OnWheel(delta);
  else
    notifications_->OnWheel(delta);
}

LRESULT HomePage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT painted = 0;
  if (HandlePaintMessage(message, wParam, painted)) return painted;
  switch (message) {
    case WM_SIZE:
      Relayout();
      return 0;
    case WM_MOUSEWHEEL:
      // Wheel turns over the header, the settings or a panel that has nothing
      // to scroll move the notifications.
      if (notifications_) RouteWheel(wParam, lParam);
      return 0;
    default:
      return Default(message, wParam, lParam);
  }
}

}  // namespace zelva::settings
