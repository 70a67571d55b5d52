#include "CrashDialog.h"

#include "HostResources.h"
#include "ObjectWindow.h"

namespace zelva::crash {
namespace {

constexpr WPARAM kReportLimit = 70000;

class CrashDialog : public ui::ObjectWindow<CrashDialog> {
 public:
  explicit CrashDialog(const char* report) : report_(report) {}

  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM) {
    switch (message) {
      case WM_INITDIALOG:
        MessageBeep(MB_ICONEXCLAMATION);
        SendDlgItemMessageA(window(), IDC_CRASH_REPORT, EM_SETLIMITTEXT, kReportLimit, 0);
        SetDlgItemTextA(window(), IDC_CRASH_REPORT, report_);
        // Focus on "Exit" rather than the report, which would come up all selected.
        SetFocus(GetDlgItem(window(), IDOK));
        return FALSE;
      case WM_COMMAND:
        switch (LOWORD(w)) {
          case IDC_CRASH_COPY:
            CopyReport();
            return TRUE;
          case IDOK:
          case IDCANCEL:
            EndDialog(window(), IDOK);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
  }

 private:
  void CopyReport() {
    HWND edit = GetDlgItem(window(), IDC_CRASH_REPORT);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, WM_COPY, 0, 0);
    SendMessageA(edit, EM_SETSEL, WPARAM(-1), 0);
  }

  const char* report_;
};

}  // namespace

void ShowCrashDialog(HINSTANCE instance, HWND owner, const char* report) {
  CrashDialog dialog(report);
  DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CRASH), owner, &CrashDialog::DialogProcedure,
                  reinterpret_cast<LPARAM>(&dialog));
}

}  // namespace zelva::crash
