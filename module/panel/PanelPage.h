// The panel display settings page: which of the four aspect ratios the
// K50-200LR's 2D panel is laid out for, laying it out for another, and the
// ratio of the user's screen.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PanelFile.h"
#include "PngResource.h"

namespace zelva::module {

class PanelPage : public Page, public ui::ObjectWindow<PanelPage> {
 public:
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~PanelPage() override { DestroyWindowNow(); }
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<PanelPage>;
  PanelPage() = default;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitDialog();
  void OnCommand(WORD id, WORD code);
  INT_PTR OnControlColour(HDC dc, HWND control);
  void DrawRatioCard(const DRAWITEMSTRUCT& item);

  void ReadSetting();
  void ChooseRatio(int ratio);
  void ClassifyScreen();
  HWND Item(int id) const { return GetDlgItem(window(), id); }

  std::string path_;
  PanelSetting setting_;
  int screenRatio_ = 255;
  images::PngImage radioOn_, radioOff_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
  win::FontHandle titleFont_, ratioFont_;
};

}  // namespace zelva::module
