#include "ValueEditors.h"

#include <commctrl.h>

#include "ControlText.h"
#include "ModuleContext.h"
#include "OptionValues.h"
#include "OptionsResources.h"

namespace zelva::module {
namespace {

constexpr UINT_PTR kKeySubclass = 1420;
constexpr int kSelectionFieldHeight = 14;
constexpr int kDropItemHeight = 20;

using options::AircraftOption;
using options::OptionKind;

// Puts the caret (or the list) where the user's click that opened the editor
// is, when the pointer is over the editor at all.
void ClickUnderPointer(HWND target) {
  POINT pointer = {};
  RECT client = {};
  if (!GetCursorPos(&pointer) || !ScreenToClient(target, &pointer) || !GetClientRect(target, &client)) return;
  if (!PtInRect(&client, pointer)) return;
  LPARAM at = MAKELPARAM(pointer.x, pointer.y);
  SendMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(target, WM_LBUTTONUP, 0, at);
}

LRESULT CALLBACK KeyProcedure(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* editor = reinterpret_cast<ValueEditor*>(data);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Escape belong to the editor, not to the dialogs around it.
      const MSG* key = reinterpret_cast<const MSG*>(l);
      if (key != nullptr && key->message == WM_KEYDOWN && (key->wParam == VK_RETURN || key->wParam == VK_ESCAPE))
        return DLGC_WANTMESSAGE | DefSubclassProc(window, message, w, l);
      break;
    }
    case WM_KEYDOWN:
      try {
        // The editor may be gone once OnKey returns.
        if (editor->OnKey(w)) return 0;
      } catch (...) {
        return 0;
      }
      break;
    case WM_CHAR:
      if (w == '\r' || w == 27) return 0;  // no beep for the keys acted on
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &KeyProcedure, kKeySubclass);
      break;
  }
  return DefSubclassProc(window, message, w, l);
}

// Edit box: text options, numbers in a range, and entries the catalogue does not know.
class TextEditor : public ValueEditor {
 public:
  TextEditor(EditorEvents& events, const std::string& stored, HWND list, const RECT& cell) : ValueEditor(events) {
    if (!Create("EDIT", ES_AUTOHSCROLL, stored.c_str(), list, cell)) return;
    SendMessageA(window(), WM_SETFONT, SendMessageA(list, WM_GETFONT, 0, 0), FALSE);
    SetFocus(window());
    SendMessageA(window(), EM_SETSEL, WPARAM(stored.size()), LPARAM(stored.size()));
    ClickUnderPointer(window());
  }
  std::string Read() const override { return ControlText(window()); }
  void OnNotification(WORD code) override {
    if (code == EN_CHANGE) edited_ = true;
  }
  bool OnKey(WPARAM key) override { return CommitOrCancel(key); }
};

// Drop-down list of the on/off labels or of a row's choices; a completed
// selection is taken at once.
class ListEditor : public ValueEditor {
 public:
  ListEditor(EditorEvents& events, const AircraftOption& option, const std::string& stored, HWND list,
             const RECT& cell, HFONT font)
      : ValueEditor(events), option_(option) {
    int count = 2;
    if (const char* const* labels = options::TwoLabels(option.kind)) {
      twoLabels_ = true;
      dropHeight_ = 3 * kDropItemHeight;
      if (!Create("COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, "", list, cell)) return;
      for (int i = 0; i < 2; ++i) Add(labels[i], i);
      Select(options::TwoLabelIndex(stored));
    } else {
      count = options::ChoiceCount(option);
      dropHeight_ = (count + 1) * kDropItemHeight;
      if (!Create("COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, "", list, cell)) return;
      for (int i = 0; i < count; ++i) Add(option.choices[i].label, i);
      int match = options::MatchingChoice(option, stored);
      Select(match >= 0 ? match : 0);
    }
    SendMessageA(window(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(window(), CB_SETITEMHEIGHT, WPARAM(-1), kSelectionFieldHeight);
    Place(cell);
    SetFocus(window());
  }
  std::string Read() const override {
    LRESULT index = SelectedData();
    if (index < 0) return std::string();
    if (twoLabels_) return index == 0 ? "0" : "1";
    return index < options::ChoiceCount(option_) ? option_.choices[index].stored : std::string();
  }
  void OnNotification(WORD code) override {
    switch (code) {
      case CBN_SELCHANGE:
        edited_ = true;
        break;
      case CBN_SELENDOK:
        edited_ = true;
        events_.CommitFromEditor(false);
        break;
      case CBN_SELENDCANCEL:
        events_.ReturnFocusFromEditor();
        break;
    }
  }
  bool OnKey(WPARAM key) override {
    if (key != VK_ESCAPE || IsDroppedDown()) return false;
    events_.CancelFromEditor();
    return true;
  }

 private:
  void Add(const char* label, int data) {
    LRESULT index = SendMessageA(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    if (index >= 0) SendMessageA(window(), CB_SETITEMDATA, WPARAM(index), LPARAM(data));
  }
  void Select(int index) { SendMessageA(window(), CB_SETCURSEL, WPARAM(index), 0); }

  const AircraftOption& option_;
  bool twoLabels_ = false;
};

// Editable drop-down: a label picked puts its stored value into the field,
// anything else may be typed.
class ComboEditor : public ValueEditor {
 public:
  ComboEditor(EditorEvents& events, const AircraftOption& option, const std::string& stored, HWND list,
              const RECT& cell, HFONT font)
      : ValueEditor(events), option_(option) {
    int count = options::ChoiceCount(option);
    dropHeight_ = (count + 1) * kDropItemHeight;
    if (!Create("COMBOBOX", WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, "", list, cell)) return;
    for (int i = 0; i < count; ++i) {
      LRESULT index = SendMessageA(window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(option.choices[i].label));
      if (index >= 0) SendMessageA(window(), CB_SETITEMDATA, WPARAM(index), LPARAM(i));
    }
    SendMessageA(window(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(window(), CB_SETITEMHEIGHT, WPARAM(-1), kSelectionFieldHeight);
    Place(cell);
    int match = options::MatchingChoice(option, stored);
    if (match >= 0) {
      SendMessageA(window(), CB_SETCURSEL, WPARAM(match), 0);
    } else {
      SetWindowTextA(window(), stored.c_str());
    }
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(window(), &info) && info.hwndItem != nullptr) {
      field_ = info.hwndItem;
      Subclass(field_);
      SetFocus(field_);
      ClickUnderPointer(field_);
    }
    edited_ = false;  // what the set-up itself changed
  }
  std::string Read() const override { return ControlText(window()); }
  void OnNotification(WORD code) override {
    switch (code) {
      case CBN_EDITCHANGE:
        edited_ = true;
        break;
      case CBN_SELENDOK:
        TakeChosenValue();
        edited_ = true;
        events_.CommitFromEditor(false);
        break;
      case CBN_SELENDCANCEL:
        events_.ReturnFocusFromEditor();
        break;
    }
  }
  // While the list is down, its own keys close it.
  bool OnKey(WPARAM key) override { return !IsDroppedDown() && CommitOrCancel(key); }

 private:
  void TakeChosenValue() {
    LRESULT index = SelectedData();
    if (index >= 0 && index < options::ChoiceCount(option_)) SetWindowTextA(window(), option_.choices[index].stored);
  }

  const AircraftOption& option_;
  HWND field_ = nullptr;
};

}  // namespace

bool ValueEditor::Create(const char* className, DWORD style, const char* text, HWND list, const RECT& cell,
                         HWND keyWindow) {
  window_.reset(CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, cell.left,
                                cell.top, cell.right - cell.left, cell.bottom - cell.top + dropHeight_, list,
                                reinterpret_cast<HMENU>(INT_PTR(IDC_OPTIONS_EDITOR)), ModuleInstance(), nullptr));
  if (!window_) return false;
  Subclass(keyWindow != nullptr ? keyWindow : window());
  return true;
}

void ValueEditor::Subclass(HWND keyWindow) {
  SetWindowSubclass(keyWindow, &KeyProcedure, kKeySubclass, reinterpret_cast<DWORD_PTR>(this));
}

bool ValueEditor::CommitOrCancel(WPARAM key) {
  if (key == VK_RETURN) {
    events_.CommitFromEditor(true);
    return true;
  }
  if (key == VK_ESCAPE) {
    events_.CancelFromEditor();
    return true;
  }
  return false;
}

LRESULT ValueEditor::SelectedData() const {
  LRESULT selected = SendMessageA(window(), CB_GETCURSEL, 0, 0);
  return selected < 0 ? -1 : SendMessageA(window(), CB_GETITEMDATA, WPARAM(selected), 0);
}

bool ValueEditor::IsDroppedDown() const { return SendMessageA(window(), CB_GETDROPPEDSTATE, 0, 0) != 0; }

void ValueEditor::Place(const RECT& cell) {
  SetWindowPos(window(), HWND_TOP, cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top + dropHeight_,
               SWP_NOACTIVATE);
}

std::unique_ptr<ValueEditor> OpenValueEditor(const AircraftOption* option, const std::string& stored, HWND list,
                                             const RECT& cell, HFONT dropDownFont, EditorEvents& events) {
  std::unique_ptr<ValueEditor> editor;
  OptionKind kind = option != nullptr ? option->kind : OptionKind::kText;
  if (options::IsTwoLabelKind(kind) || kind == OptionKind::kChoice) {
    editor = std::make_unique<ListEditor>(events, *option, stored, list, cell, dropDownFont);
  } else if (kind == OptionKind::kChoiceOrNumber) {
    editor = std::make_unique<ComboEditor>(events, *option, stored, list, cell, dropDownFont);
  } else {
    editor = std::make_unique<TextEditor>(events, stored, list, cell);
  }
  if (editor->window() == nullptr) return nullptr;
  return editor;
}

}  // namespace zelva::module
