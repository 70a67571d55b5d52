// The host settings a user changes on the home page, and the state of the
// package file association.
#pragma once

#include <windows.h>

#include "HostLink.h"
#include "ObjectWindow.h"
#include "PageStyle.h"

namespace zelva::settings {

class SettingsBox : public ui::ObjectWindow<SettingsBox> {
 public:
  static constexpr const wchar_t* kClassName = L"ZelvaSettingsBox";

  SettingsBox(const PageStyle& style, const HostLink& host);
  ~SettingsBox();

  bool Create(HWND page, int id);
  // Shows the values HostContext holds now.
  void Refresh();
  int PreferredHeight() const;

 private:
  friend class ui::ObjectWindow<SettingsBox>;
  enum ControlId : int { kOpenPdfExternally = 201, kCheckForUpdates = 202, kAssociation = 203 };

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateControl(const wchar_t* className, const wchar_t* text, DWORD style, int id);
  void Layout();
  void Paint(HDC dc);
  void OnCheckChanged(int id);

  const PageStyle& style_;
  const HostLink& host_;
  HWND openPdfExternally_ = nullptr;
  HWND checkForUpdates_ = nullptr;
  HWND association_ = nullptr;
  bool associated_ = false;
};

}  // namespace zelva::settings
