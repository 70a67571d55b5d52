// The Livery Downloader's list: per variant a header bar that collapses or
// expands its group, and per livery a row with thumbnail, name, size, the
// configuration icon, the action button and, while it downloads, a progress
// bar. A window of its own that paints everything itself.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "DownloaderLayout.h"
#include "DownloaderSkin.h"
#include "ObjectWindow.h"
#include "ZelvaContract.h"

namespace zelva::module {

// Sent to the list's parent when a row's button is clicked: wParam the
// variant, lParam the row.
constexpr UINT kRowButtonMessage = WM_APP + 6;

class DownloaderList : public ui::ObjectWindow<DownloaderList> {
 public:
  static constexpr wchar_t kClassName[] = L"ZelvaLiveryDownloaderList";
  static constexpr int kHeaderHeight = 26;
  static constexpr int kRowHeight = 80;

  // Made in place of the placeholder control; the page owns the object.
  bool Create(HWND placeholder, const DownloaderSkin& skin);
  // Takes the tables' current shape.
  void Refresh();
  // The action button of a row, in the list's client coordinates.
  RECT ButtonRect(const livery::LayoutItem& row) const;
  const std::vector<livery::LayoutItem>& items() const { return items_; }

 private:
  friend class ui::ObjectWindow<DownloaderList>;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  void Paint(HDC dc);
  void OnClick(int x, int y);
  void ScrollTo(int position);
  void UpdateScrollBar();
  int ClientWidth() const;
  int ClientHeight() const;

  const DownloaderSkin* skin_ = nullptr;
  std::vector<livery::LayoutItem> items_;
  std::array<bool, kMaxVariants> collapsed_{};
  int scroll_ = 0;
};

}  // namespace zelva::module
