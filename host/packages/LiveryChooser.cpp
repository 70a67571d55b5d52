#include "LiveryChooser.h"

#include <windows.h>
#include <commctrl.h>

#include "HostResources.h"
#include "HostState.h"
#include "ModuleHandOff.h"
#include "ObjectWindow.h"

namespace zelva::host {
namespace {

constexpr COLORREF kMissingColour = RGB(255, 0, 0);
constexpr int kAircraftColumn = 1;
constexpr int kVariantColumn = 2;

bool Choosable(const LiveryChoice& choice) { return choice.productPresent && choice.variantInstalled; }

void FindProductAndVariant(LiveryChoice& choice) {
  ProductModule* module = FindProductModule(choice.aircraft);
  choice.productPresent = module != nullptr;
  choice.variantInstalled =
      module != nullptr && module->command != nullptr &&
      module->command(kModuleVariantInstalled, reinterpret_cast<INT_PTR>(choice.variant), 0) != 0;
}

class LiveryChooser : public ui::ObjectWindow<LiveryChooser> {
 public:
  explicit LiveryChooser(std::vector<LiveryChoice>& choices) : choices_(choices) {}

  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
      case WM_INITDIALOG:
        Fill();
        return TRUE;
      case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(l);
        if (header->idFrom == IDC_LIVERY_LIST && header->code == NM_CUSTOMDRAW) {
          return DialogResult(CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(l)));
        }
        return FALSE;
      }
      case WM_COMMAND:
        if (LOWORD(w) == IDOK) {
          TakeChecks();
          EndDialog(window(), IDOK);
        } else if (LOWORD(w) == IDCANCEL) {
          EndDialog(window(), IDCANCEL);
        }
        return TRUE;
    }
    return FALSE;
  }

 private:
  HWND List() const { return GetDlgItem(window(), IDC_LIVERY_LIST); }

  void AddColumn(int index, const char* title, int width) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(title);
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(List(), LVM_INSERTCOLUMNA, WPARAM(index), reinterpret_cast<LPARAM>(&column));
  }

  void SetCell(int item, int column, char* text) {
    LVITEMA cell = {};
    cell.iSubItem = column;
    cell.pszText = text;
    SendMessageA(List(), LVM_SETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&cell));
  }

  void Fill() {
    HWND list = List();
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    AddColumn(0, "Livery Name", 230);
    AddColumn(kAircraftColumn, "Aircraft", 120);
    AddColumn(kVariantColumn, "Variant", 170);
    for (size_t i = 0; i < choices_.size(); ++i) {
      LiveryChoice& choice = choices_[i];
      FindProductAndVariant(choice);
      LVITEMA item = {};
      item.mask = LVIF_TEXT;
      item.iItem = int(i);
      item.pszText = choice.name;
      int index = int(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      if (index < 0) continue;
      SetCell(index, kAircraftColumn, choice.aircraft);
      SetCell(index, kVariantColumn, choice.variant);
      if (Choosable(choice)) {
        ListView_SetCheckState(list, index, choice.install);
      } else {
        ListView_SetItemState(list, index, INDEXTOSTATEIMAGEMASK(0), LVIS_STATEIMAGEMASK);
      }
    }
  }

  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) {
    const size_t item = size_t(draw.nmcd.dwItemSpec);
    switch (draw.nmcd.dwDrawStage) {
      case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
      case CDDS_ITEMPREPAINT:
        // A box given back by a click or a message goes again before it is seen.
        if (item < choices_.size() && !Choosable(choices_[item]) &&
            (ListView_GetItemState(List(), int(item), LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK) != 0)
          ListView_SetItemState(List(), int(item), INDEXTOSTATEIMAGEMASK(0), LVIS_STATEIMAGEMASK);
        return CDRF_NOTIFYSUBITEMDRAW;
      case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
        bool missing = false;
        if (item < choices_.size()) {
          const LiveryChoice& choice = choices_[item];
          missing = (draw.iSubItem == kAircraftColumn && !choice.productPresent) ||
                    (draw.iSubItem == kVariantColumn && !choice.variantInstalled);
        }
        draw.clrText = missing ? kMissingColour : GetSysColor(COLOR_WINDOWTEXT);
        return CDRF_NEWFONT;
      }
    }
    return CDRF_DODEFAULT;
  }

  void TakeChecks() {
    HWND list = List();
    for (size_t i = 0; i < choices_.size(); ++i) choices_[i].install = ListView_GetCheckState(list, int(i)) != FALSE;
  }

  std::vector<LiveryChoice>& choices_;
};

}  // namespace

bool ChooseLiveries(std::vector<LiveryChoice>& choices) {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  LiveryChooser chooser(choices);
  INT_PTR result = DialogBoxParamA(Context().hostInstance, MAKEINTRESOURCEA(IDD_LIVERY_CHOOSER), Context().mainWindow,
                                   &LiveryChooser::DialogProcedure, reinterpret_cast<LPARAM>(&chooser));
  return result == IDOK;
}

}  // namespace zelva::host
