// The Livery Manager page (dialog 5101): a variant's liveries with filter,
// thumbnail and description, the install and remove buttons, and the list's
// context menu with export, remove and sort.
#pragma once

#include <windows.h>

#include <memory>

#include "Gdi.h"
#include "LiveryThumbnail.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "VariantSelector.h"

namespace zelva::module {

class LiveryManagerPage : public Page, public ui::ObjectWindow<LiveryManagerPage> {
 public:
  // The page's factory for the page table: dialog 5101 inside area.
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~LiveryManagerPage() override;
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<LiveryManagerPage>;
  LiveryManagerPage() = default;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitialise();
  void OnCommand(int id, int code);
  void OnVariantChosen();
  void OnFilterChanged();
  void OnSelectionChanged();
  void OnInstall();
  void OnRemove();
  void OnSort();
  void OnContextMenu(HWND from, LPARAM where);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void AddTooltips();
  void ShowEntryZero();
  HWND Item(int id) const { return GetDlgItem(window(), id); }

  int variant_ = -1;
  VariantSelector selector_;
  LiveryThumbnail thumbnail_;
  images::PngImage install_, remove_, header_, face_, highlight_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
  win::BrushHandle white_{CreateSolidBrush(RGB(255, 255, 255))};
};

}  // namespace zelva::module
