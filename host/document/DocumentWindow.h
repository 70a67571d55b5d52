// The document window (dialog 117 in the content area, 5111 floating): a
// title bar with "Back", and the file below it.
#pragma once

#include <windows.h>

#include <string>

#include "ImageResource.h"
#include "Gdi.h"

namespace zelva::document {

// Sent once after creation; lParam: the wide file path.
constexpr UINT kOpenDocumentMessage = WM_APP + 1;

enum class Renderer { kNone, kBrowser, kText, kViewerLine };

class DocumentWindow {
 public:
  void SetWindow(HWND window) { window_ = window; }
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  Renderer renderer() const { return renderer_; }

 private:
  void Initialise();
  void Open(const wchar_t* path);
  void Layout();
  RECT ContentArea() const;
  void Paint();
  void DrawBackButton(const DRAWITEMSTRUCT& item);
  void RemoveRenderer();

  HWND window_ = nullptr;
  std::wstring path_;
  Renderer renderer_ = Renderer::kNone;
  HWND view_ = nullptr;
  skin::PngImage titleBar_, button_;
  win::BrushHandle brush_;
  win::FontHandle textFont_;
};

}  // namespace zelva::document
