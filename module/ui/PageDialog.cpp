#include "PageDialog.h"

#include "ModuleContext.h"
#include "ModuleResources.h"

namespace zelva::module {
namespace {

constexpr int kPerformancePage = 2;

const PageEntry kPages[kPageCount] = {
    {IDD_PAGE_HOME, IDP_PAGE_HEADER},         // product home page
    {IDD_PAGE, IDP_PAGE_HEADER},              // Livery Manager
    {IDD_PAGE_PERFORMANCE, IDP_PAGE_HEADER},  // Performance Manager
    {IDD_PAGE, IDP_PAGE_HEADER},              // Documentation
    {IDD_PAGE, IDP_PAGE_HEADER},              // Aircraft Specific Settings
    {IDD_PAGE, IDP_PAGE_HEADER},              // Version
    {IDD_PAGE, IDP_PAGE_HEADER},              // Livery Downloader
    {IDD_PAGE, IDP_PAGE_HEADER},              // panel display settings
    {IDD_PAGE, IDP_PAGE_HEADER},              // Sound Settings
    {IDD_PAGE_EXPANSIONS, IDP_EXPANSIONS_HEADER},
};

}  // namespace

const PageEntry* FindPage(int page) { return page >= 0 && page < kPageCount ? &kPages[page] : nullptr; }

std::unique_ptr<PageDialog> PageDialog::Create(int page, HWND area, HWND productWindow) {
  const PageEntry* entry = FindPage(page);
  if (entry == nullptr) return nullptr;
  std::unique_ptr<PageDialog> dialog(new PageDialog(page, productWindow));
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(entry->dialogTemplate), area, &PageDialog::DialogProcedure,
                         reinterpret_cast<LPARAM>(dialog.get())) == nullptr)
    return nullptr;
  return dialog;
}

void PageDialog::Initialise() {
  if (page_ != kPerformancePage) return;
  captionFont_.reset(CreateFontA(-24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, "Arial"));
  SendDlgItemMessageA(window(), IDC_PAGE_CAPTION, WM_SETFONT, reinterpret_cast<WPARAM>(captionFont_.get()), FALSE);
}

INT_PTR PageDialog::OnMessage(UINT message, WPARAM w, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise();
      return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
      SetBkColor(reinterpret_cast<HDC>(w), kPageColour);
      return reinterpret_cast<INT_PTR>(background_.get());
    case WM_COMMAND:
      // The switch waits for this message to end: it destroys this page.
      if (LOWORD(w) == IDC_BACK_TO_MAIN && HIWORD(w) == BN_CLICKED)
        PostMessageA(productWindow_, kShowPageMessage, 0, 0);
      return TRUE;
  }
  return FALSE;
}

}  // namespace zelva::module
