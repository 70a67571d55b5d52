// The Livery Downloader page: the maker's liveries for the installed
// variants with their state, download, abort and update. The catalogue loads
// when the page opens; the processing thread fills in dates, thumbnails and
// update states while the page shows, and ends with the page.
#pragma once

#include <windows.h>

#include <memory>

#include "DownloaderList.h"
#include "DownloaderSkin.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "ProcessingThread.h"

namespace zelva::module {

class LiveryDownloaderPage : public Page, public ui::ObjectWindow<LiveryDownloaderPage> {
 public:
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~LiveryDownloaderPage() override;
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<LiveryDownloaderPage>;
  LiveryDownloaderPage() = default;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitialise();
  void OnStart();
  void OnTimer();
  void OnRowButton(int variant, int row);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void ShowStatus();
  void FollowDownloads();

  DownloaderSkin skin_;
  DownloaderList list_;
  ProcessingThread processing_;
  bool timer_ = false;
};

}  // namespace zelva::module
