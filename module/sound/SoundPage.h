// Page 8, "Sound Settings": a panel per sound set that offers its package
// for download or, once its files are there, switches between its two
// alternatives. The examination and the installs run under the host's
// working dialog; downloads run in the host's download manager and go on
// when the page closes.
#pragma once

#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "GdiplusInclude.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "SoundPageLayout.h"

namespace zelva::module {

class SoundPage : public Page, public ui::ObjectWindow<SoundPage> {
 public:
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~SoundPage() override;
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<SoundPage>;
  struct PanelControls {
    HWND collapse = nullptr;
    HWND first = nullptr;
    HWND second = nullptr;
    HWND download = nullptr;
  };
  struct Images {
    images::PngImage headerBar, collapse, expand, radioOn, radioOff, button;
    images::PngImage troughLeft, troughCenter, troughRight, fillStart, fillLight, fillDark, fillEnd;
  };

  SoundPage() = default;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitDialog();
  void OnCommand(int id);
  void OnTimer(UINT_PTR id);
  // A download ended, or a package was installed (perhaps after others the
  // host had queued before it).
  void OnSetChanged(int index);
  void LoadImages();
  void CreateControls(int index);

  // Looks at the folders of one set (or of all, -1) under the working dialog;
  // waits while the host's dialog is busy with other work.
  void Examine(int only);
  void Install(int index, int alternative);
  void StartDownload(int index);
  void FollowDownloads();

  void LayOut();
  SoundPanelPlace PanelOf(int index) const;
  RECT ProgressArea(int index) const;

  // In SoundPageDrawing.cpp.
  void Paint(HDC dc);
  void DrawPanel(Gdiplus::Graphics& graphics, int index) const;
  void DrawProgress(Gdiplus::Graphics& graphics, int index, const RECT& body) const;
  void DrawButton(const DRAWITEMSTRUCT& item) const;

  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
  int count_ = 0;
  int pendingExamination_ = -2;  // -2: none; else what Examine waits to look at
  bool collapsed_[kMaxSoundSets] = {};
  PanelControls controls_[kMaxSoundSets];
  Images images_;
};

}  // namespace zelva::module
