#include "TextureFolderDialog.h"

#include <cstring>

#include "FixedText.h"
#include "ModuleContext.h"
#include "ModuleResources.h"
#include "ObjectWindow.h"

namespace zelva::module {
namespace {

constexpr char kPrefix[] = "texture.";
constexpr size_t kPrefixLength = sizeof(kPrefix) - 1;

class TextureFolderDialog : public ui::ObjectWindow<TextureFolderDialog> {
 public:
  explicit TextureFolderDialog(char (&name)[kNameChars]) : name_(name) {}

  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM) {
    switch (message) {
      case WM_INITDIALOG: {
        SetDlgItemTextA(window(), IDC_TEXTURE_FOLDER_NAME, name_);
        HWND edit = GetDlgItem(window(), IDC_TEXTURE_FOLDER_NAME);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
        return FALSE;  // the focus is set
      }
      case WM_COMMAND:
        if (LOWORD(w) == IDOK) {
          Accept();
          return TRUE;
        }
        if (LOWORD(w) == IDCANCEL) {
          EndDialog(window(), IDCANCEL);
          return TRUE;
        }
        return FALSE;
    }
    return FALSE;
  }

 private:
  void Accept() {
    char entered[kNameChars] = {};
    GetDlgItemTextA(window(), IDC_TEXTURE_FOLDER_NAME, entered, sizeof(entered));
    if (_strnicmp(entered, kPrefix, kPrefixLength) != 0) {
      MessageBoxA(window(), "All texture folders must begin with \"Texture.\"", "Formatting Error!", MB_ICONEXCLAMATION);
      return;
    }
    text::CopyBounded(name_, entered);
    EndDialog(window(), IDOK);
  }

  char (&name_)[kNameChars];
};

}  // namespace

bool AskTextureFolderName(char (&name)[kNameChars]) {
  TextureFolderDialog dialog(name);
  HostContext* host = Host();
  INT_PTR result = DialogBoxParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_TEXTURE_FOLDER),
                                   host != nullptr ? host->mainWindow : nullptr,
                                   &TextureFolderDialog::DialogProcedure, reinterpret_cast<LPARAM>(&dialog));
  return result == IDOK;
}

}  // namespace zelva::module
