#include "PropertyList.h"

#include <windowsx.h>

#include <algorithm>

#include "FixedText.h"
#include "OptionValues.h"
#include "ProductOptionHook.h"
#include "WideText.h"

namespace zelva::module {
namespace {

constexpr UINT_PTR kListSubclass = 1405;
constexpr UINT kFocusListMessage = WM_APP + 41;
constexpr int kRowHeight = 20;
constexpr int kPropertyWidth = 195;
constexpr int kValueWidth = 147;
constexpr int kCellGap = 2;

using options::AircraftOption;
using options::OptionKind;
using options::SettingsEntry;

LPARAM ItemData(size_t section, size_t entry) { return LPARAM(section) * 65536 + LPARAM(entry); }
size_t SectionOf(LPARAM data) { return size_t(data) / 65536; }
size_t EntryIndexOf(LPARAM data) { return size_t(data) % 65536; }

void AddColumn(HWND list, int index, const char* title, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(title);
  column.cx = width;
  column.iSubItem = index;
  SendMessageA(list, LVM_INSERTCOLUMNA, WPARAM(index), reinterpret_cast<LPARAM>(&column));
}

}  // namespace

PropertyList::PropertyList(HWND list, options::AirframeSettings& model, PropertyListEvents& events)
    : list_(list), model_(model), events_(events) {
  dropDownFont_.reset(CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, "Arial"));
  ListView_SetExtendedListViewStyle(list_, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  // Rows take the height of the small images; the list frees the list with itself.
  HIMAGELIST rows = ImageList_Create(1, kRowHeight, ILC_COLOR32, 1, 0);
  if (rows != nullptr) ListView_SetImageList(list_, rows, LVSIL_SMALL);
  AddColumn(list_, 0, "Property", kPropertyWidth);
  AddColumn(list_, 1, "Value", kValueWidth);
  SetWindowSubclass(list_, &SubclassProcedure, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
}

PropertyList::~PropertyList() {
  editor_.reset();
  RemoveWindowSubclass(list_, &SubclassProcedure, kListSubclass);
}

void PropertyList::Fill() {
  CloseEditor();
  SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  ListView_DeleteAllItems(list_);
  ListView_RemoveAllGroups(list_);
  ListView_EnableGroupView(list_, TRUE);
  const auto& sections = model_.sections();
  int index = 0;
  for (size_t s = 0; s < sections.size(); ++s) {
    if (!sections[s].shown) continue;
    std::wstring header = win::WideFromAnsi(sections[s].name.c_str());
    LVGROUP group = {};
    group.cbSize = sizeof(group);
    group.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_STATE;
    group.pszHeader = header.data();
    group.iGroupId = int(s);
    group.stateMask = LVGS_COLLAPSIBLE;
    group.state = LVGS_COLLAPSIBLE;
    ListView_InsertGroup(list_, -1, &group);
    for (size_t e = 0; e < sections[s].entries.size(); ++e) {
      LVITEMA item = {};
      item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_GROUPID;
      item.iItem = index++;
      item.pszText = LPSTR_TEXTCALLBACKA;
      item.lParam = ItemData(s, e);
      item.iGroupId = int(s);
      SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
  SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list_, nullptr, TRUE);
}

bool PropertyList::CommitAndClose() {
  if (!editor_) return true;
  if (!TakeEditorValue(false)) return false;
  CloseEditor();
  return true;
}

void PropertyList::CloseEditor() {
  if (!editor_) return;
  // The focus must not be left on a window that is going away.
  HWND focus = GetFocus();
  if (focus != nullptr && (focus == editor_->window() || IsChild(editor_->window(), focus))) SetFocus(list_);
  editor_.reset();
  editedItem_ = -1;
}

const SettingsEntry* PropertyList::EntryOf(LPARAM data) const {
  return model_.Find(SectionOf(data), EntryIndexOf(data));
}

std::string PropertyList::CellText(LPARAM data, int column) const {
  const SettingsEntry* entry = EntryOf(data);
  if (entry == nullptr) return std::string();
  const AircraftOption* option = options::OptionAt(entry->row);
  if (column == 0) return option != nullptr ? option->displayName : entry->key;
  return options::ShownValue(option, entry->value);
}

void PropertyList::FillDisplayInfo(NMLVDISPINFOA& info) const {
  if (!(info.item.mask & LVIF_TEXT) || info.item.pszText == nullptr || info.item.cchTextMax <= 0) return;
  text::CopyBounded(info.item.pszText, size_t(info.item.cchTextMax), CellText(info.item.lParam, info.item.iSubItem).c_str());
}

void PropertyList::FillDisplayInfo(NMLVDISPINFOW& info) const {
  if (!(info.item.mask & LVIF_TEXT) || info.item.pszText == nullptr || info.item.cchTextMax <= 0) return;
  std::wstring text = win::WideFromAnsi(CellText(info.item.lParam, info.item.iSubItem).c_str());
  size_t length = std::min(text.size(), size_t(info.item.cchTextMax) - 1);
  text.copy(info.item.pszText, length);
  info.item.pszText[length] = L'\0';
}

LRESULT CALLBACK PropertyList::SubclassProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                                 DWORD_PTR self) {
  try {
    return reinterpret_cast<PropertyList*>(self)->OnMessage(message, w, l);
  } catch (...) {
    return DefSubclassProc(window, message, w, l);
  }
}

LRESULT PropertyList::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return OnLeftButtonDown(w, l);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
      // Scrolling drops what an editor holds.
      CloseEditor();
      break;
    case WM_PAINT: {
      LRESULT result = DefSubclassProc(list_, message, w, l);
      FollowEditedRow();
      return result;
    }
    case WM_COMMAND:
      if (editor_ && reinterpret_cast<HWND>(l) == editor_->window()) {
        OnEditorCommand(w, l);
        return 0;
      }
      break;
    case kFocusListMessage:
      SetFocus(list_);
      return 0;
    case WM_NCDESTROY:
      editor_.reset();
      RemoveWindowSubclass(list_, &SubclassProcedure, kListSubclass);
      break;
  }
  return DefSubclassProc(list_, message, w, l);
}

LRESULT PropertyList::OnLeftButtonDown(WPARAM w, LPARAM l) {
  if (editor_) {
    if (!TakeEditorValue(false)) return 0;  // the editor stays as it is
    CloseEditor();
  }
  LVHITTESTINFO hit = {};
  hit.pt = {GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  int item = int(SendMessageA(list_, LVM_HITTEST, WPARAM(-1), reinterpret_cast<LPARAM>(&hit)));
  // A group's header only folds through its button.
  if ((hit.flags & LVHT_EX_GROUP_HEADER) && !(hit.flags & LVHT_EX_GROUP_COLLAPSE)) return 0;
  LRESULT result = DefSubclassProc(list_, WM_LBUTTONDOWN, w, l);
  if (item >= 0 && (hit.flags & LVHT_ONITEM)) SelectProperty(item);
  return result;
}

void PropertyList::OnEditorCommand(WPARAM w, LPARAM) { editor_->OnNotification(HIWORD(w)); }

bool PropertyList::ValueCell(int item, RECT& cell) const {
  RECT row = {LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageA(list_, LVM_GETITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&row))) return false;
  RECT value = {LVIR_BOUNDS, 1, 0, 0};  // the Value column
  if (!SendMessageA(list_, LVM_GETSUBITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(&value))) return false;
  cell = {value.left + kCellGap, row.top, row.right, row.bottom};
  return true;
}

void PropertyList::SelectProperty(int item) {
  LVITEMA data = {};
  data.mask = LVIF_PARAM;
  data.iItem = item;
  if (!SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return;
  const SettingsEntry* entry = EntryOf(data.lParam);
  if (entry == nullptr) return;
  const AircraftOption* option = options::OptionAt(entry->row);
  events_.ShowProperty(option, *entry);
  if (editor_ && editedItem_ == item) return;
  CloseEditor();
  RECT cell;
  if (!ValueCell(item, cell)) return;
  editedItem_ = item;
  editedData_ = data.lParam;
  editedCell_ = cell;
  editor_ = OpenValueEditor(option, entry->value, list_, cell, dropDownFont_.get(), *this);
  if (!editor_) editedItem_ = -1;
  InvalidateRect(list_, nullptr, FALSE);
}

bool PropertyList::TakeEditorValue(bool forced) {
  if (!editor_ || (!forced && !editor_->edited())) return true;
  const SettingsEntry* entry = EntryOf(editedData_);
  if (entry == nullptr) return true;
  std::string value = editor_->Read();
  const AircraftOption* option = options::OptionAt(entry->row);
  if (option != nullptr && option->kind == OptionKind::kRange &&
      !options::WithinRange(value, option->minimum, option->maximum)) {
    ShowValidationError(options::RangeMessage(option->minimum, option->maximum).c_str());
    return false;
  }
  ProductOptionHook hook = CurrentProductOptionHook();
  if (option != nullptr && option->hook != 0 && hook != nullptr && hook(kHookCheckValue, entry->row, &value, &model_) == 0)
    return false;
  model_.SetValue(SectionOf(editedData_), EntryIndexOf(editedData_), value);
  events_.ValueTaken();
  InvalidateRect(list_, nullptr, FALSE);
  return true;
}

void PropertyList::FollowEditedRow() {
  if (!editor_ || editedItem_ < 0) return;
  RECT cell;
  bool visible = SendMessageA(list_, LVM_ISITEMVISIBLE, WPARAM(editedItem_), 0) != 0 && ValueCell(editedItem_, cell);
  if (!visible) {
    ShowWindow(editor_->window(), SW_HIDE);
    return;
  }
  if (!EqualRect(&cell, &editedCell_)) {
    editedCell_ = cell;
    editor_->Place(cell);
  }
  if (!IsWindowVisible(editor_->window())) ShowWindow(editor_->window(), SW_SHOWNA);
}

void PropertyList::CommitFromEditor(bool closeAfter) {
  if (!TakeEditorValue(true)) return;
  if (closeAfter) {
    CloseEditor();
  } else {
    // After the drop-down has finished with its own notification.
    PostMessageA(list_, kFocusListMessage, 0, 0);
  }
}

void PropertyList::CancelFromEditor() { CloseEditor(); }

void PropertyList::ReturnFocusFromEditor() { PostMessageA(list_, kFocusListMessage, 0, 0); }

}  // namespace zelva::module
