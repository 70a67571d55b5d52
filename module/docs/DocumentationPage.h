// The Documentation page: the product's manuals in collapsible groups; a
// click on a group's header opens or closes it, a click on a manual opens it.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "Gdi.h"
#include "ManualTable.h"
#include "ObjectWindow.h"
#include "Page.h"
#include "PngResource.h"

namespace zelva::module {

class DocumentationPage : public Page, public ui::ObjectWindow<DocumentationPage> {
 public:
  static std::unique_ptr<Page> Create(int page, int dialogTemplate, HWND area, HWND productWindow);
  ~DocumentationPage() override { DestroyWindowNow(); }
  HWND window() const override { return ObjectWindow::window(); }

 private:
  friend class ui::ObjectWindow<DocumentationPage>;
  DocumentationPage();
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void OnInitDialog();
  INT_PTR OnNotify(const NMHDR& header);
  void OnMeasureItem(MEASUREITEMSTRUCT& item);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void LoadSkin();

  void FillList();
  void Activate(int item);
  void DrawHeader(Gdiplus::Graphics& graphics, const Gdiplus::RectF& box, const manuals::ListLine& line);
  void DrawManual(Gdiplus::Graphics& graphics, const Gdiplus::RectF& box, const manuals::ListLine& line, bool hot);

  manuals::ManualList list_;
  std::vector<manuals::ListLine> lines_;
  HWND view_ = nullptr;
  images::PngImage bullet_, folder_, airplane_, headerBar_, collapse_, expand_;
  win::BrushHandle background_{CreateSolidBrush(kPageColour)};
};

}  // namespace zelva::module
