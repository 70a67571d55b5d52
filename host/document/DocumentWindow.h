// The document window (dialog 117 in the content area, 5111 floating): a
// title bar with "Back", and the file below it.
#pragma once

#include <windows.h>

#include <string>

#include "Gdi.h"
#include "ObjectWindow.h"
#include "PngResource.h"

namespace zelva::document {

// Sent once after creation; lParam: the wide file path.
constexpr UINT kOpenDocumentMessage = WM_APP + 1;

enum class Renderer { kNone, kBrowser, kText, kViewerLine };

// Owned by its window (CreateOwnedDialog).
class DocumentWindow : public ui::ObjectWindow<DocumentWindow> {
 public:
  Renderer renderer() const { return renderer_; }

 private:
  friend class ui::ObjectWindow<DocumentWindow>;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void Initialise();
  void Open(const wchar_t* path);
  void Layout();
  RECT ContentArea() const;
  void Paint();
  void DrawBackButton(const DRAWITEMSTRUCT& item);
  void RemoveRenderer();

  std::wstring path_;
  Renderer renderer_ = Renderer::kNone;
  HWND view_ = nullptr;
  images::PngImage titleBar_, button_;
  win::BrushHandle brush_;
  win::FontHandle textFont_;
};

}  // namespace zelva::document
