// The home page: a welcome header, the download panels, the notifications and
// the settings box. It lives from the first need to the module's unload; while
// another module is shown it waits hidden under a parking window.
#pragma once

#include <windows.h>

#include <memory>

#include "HostImage.h"
#include "HostLink.h"
#include "NotificationList.h"
#include "ObjectWindow.h"
#include "PageStyle.h"
#include "PanelStack.h"
#include "SettingsBox.h"

namespace zelva::settings {

class HomePage : public ui::ObjectWindow<HomePage>, private NotificationListObserver, private PanelStackObserver {
 public:
  static constexpr const wchar_t* kClassName = L"ZelvaHomePage";

  HomePage(const PageStyle& style, const HostLink& host, PanelClassRegistry& panelClasses);
  ~HomePage();

  bool Create(HWND parking);
  // Fills the parent and follows its size until hidden again.
  void ShowIn(HWND parent);
  void HideTo(HWND parking);

  NotificationList& notifications() { return *notifications_; }
  PanelStack& panels() { return *panels_; }

  // The home button: first notification and first panel in view, texts folded.
  void ResetView();

 private:
  friend class ui::ObjectWindow<HomePage>;
  enum ChildId : int { kPanelsId = 1, kNotificationsId = 2, kSettingsId = 3 };

  static LRESULT CALLBACK ParentSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR page);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnNotificationCountChanged(int count) override;
  void OnPanelStackChanged() override;
  void FollowParent(HWND parent);
  void StopFollowing();
  void FitToParent();
  void Relayout();
  void Paint(HDC dc);
  void RouteWheel(WPARAM wParam, LPARAM lParam);

  const PageStyle& style_;
  const HostLink& host_;
  PanelClassRegistry& panelClasses_;
  std::unique_ptr<PanelStack> panels_;
  std::unique_ptr<NotificationList> notifications_;
  std::unique_ptr<SettingsBox> settingsBox_;
  HostImage headerImage_;
  HWND followed_ = nullptr;
  RECT downloadsCaption_{};
  RECT notificationsCaption_{};
};

}  // namespace zelva::settings
