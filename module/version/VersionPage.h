// Page 5, "Version": one entry per version list entry (the product and its
// installed expansions) with the installed and the published version, a
// changelog button and, when an update is available, a download button.
// The list is a list view: one group per entry where the control offers
// groups, else one tall item per entry; the page draws every entry itself.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "Gdi.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"
#include "VersionList.h"
#include "WorkFolders.h"

namespace zelva::module {

// Makes the page (the page table's factory).
std::unique_ptr<Page> CreateVersionPage(int page, int dialogTemplate, HWND area, HWND productWindow);

// Asks an open Version page to show the list anew; safe from any thread.
void RefreshVersionPage();

struct EntryButtons {
  HoverButtonRecord changelog = {};
  HoverButtonRecord download = {};
  HoverButtonRecord collapse = {};
  RECT lastRect = {};
  bool lastCollapsed = false;
  bool placed = false;
};

class VersionPage : public Page, public ui::ObjectWindow<VersionPage> {
 public:
  ~VersionPage() override;
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<VersionPage>;
  friend std::unique_ptr<Page> CreateVersionPage(int, int, HWND, HWND);
  VersionPage() = default;

  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void Initialise();
  void Evaluate();
  void BuildList();
  void CreateButtons(int index);
  void FollowEntries();
  void PlaceButtons(int index, const RECT& entry, bool collapsed);
  bool EntryRect(int index, RECT& rect, bool& collapsed) const;
  int HeaderHeight(int index) const;
  void SetButtonsRedraw(bool on);
  void OnButton(int id);
  void OnDownload(int index);
  void OnRefresh();
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw);

  // Drawing, in VersionPageDrawing.cpp.
  void DrawHeader(HDC dc, const RECT& header, int index) const;
  void DrawBody(HDC dc, const RECT& body, int index) const;
  void DrawButton(const DRAWITEMSTRUCT& item) const;

  static LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR page);

  HWND list_ = nullptr;
  bool groups_ = false;
  files::WorkFolder work_;
  EntryButtons buttons_[kMaxVersionEntries];
  images::PngImage headerBar_, collapseImage_, expandImage_, buttonImage_, changelogIcon_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
};

}  // namespace zelva::module
