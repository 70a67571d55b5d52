// What the product window needs of a page: its window, and the one table
// that says how each page is made. Pages whose content lives elsewhere
// (options, liveries, versions, ...) register a factory in PageTable.cpp and
// keep everything else in their own room.
#pragma once

#include <windows.h>

#include <memory>

namespace zelva::module {

// The light grey behind the product window and its pages.
constexpr COLORREF kPageColour = RGB(241, 241, 241);

constexpr int kPageCount = 10;
constexpr int kNoPage = 255;

// Asks the product window to switch pages after the current message;
// wParam is the page number.
constexpr UINT kShowPageMessage = WM_APP + 20;

class Page {
 public:
  virtual ~Page() = default;
  // The page's top-level window, a child of the product window's page area.
  virtual HWND window() const = 0;
};

// Makes page `page` from `dialogTemplate` inside area; null when it cannot be
// created. productWindow receives kShowPageMessage.
using PageFactory = std::unique_ptr<Page> (*)(int page, int dialogTemplate, HWND area, HWND productWindow);

struct PageEntry {
  int dialogTemplate;
  int headerImage;
  PageFactory create;  // null: the plain page, a header over an empty body
};

// Null for a number that is no page.
const PageEntry* FindPage(int page);

// Creates page `page`; null for a number that is no page or a window that
// cannot be created.
std::unique_ptr<Page> CreatePage(int page, HWND area, HWND productWindow);

}  // namespace zelva::module
