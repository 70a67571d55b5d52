#include "PageDialog.h"

#include "ModuleContext.h"
#include "ModuleResources.h"

namespace zelva::module {
namespace {

constexpr int kPerformancePage = 2;

}  // namespace

std::unique_ptr<Page> PageDialog::Create(int page, int dialogTemplate, HWND area, HWND productWindow) {
  std::unique_ptr<PageDialog> dialog(new PageDialog(page, productWindow));
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &PageDialog::DialogProcedure,
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
