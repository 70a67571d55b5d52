#include "SkinComboBox.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "HostState.h"
#include "ListSkin.h"
#include "ObjectWindow.h"
#include "SharedDrawing.h"
#include "ZelvaContract.h"

namespace zelva::skin {
namespace {

constexpr LPARAM kFrameItemData = 9999;
constexpr int kFaceHeight = 23;
constexpr int kHeaderHeight = 16;
constexpr int kFooterHeight = 13;
constexpr int kItemHeight = 20;
constexpr int kItemWidth = 156;
constexpr UINT_PTR kSubclassId = 1;

std::unique_ptr<ListSkinImages> g_darkSkin;
std::unique_ptr<ListSkinImages> g_lightSkin;

// Owned by its container window from WM_NCCREATE to WM_NCDESTROY; the slot
// is the class's extra bytes, as modules may give the window user data.
class SkinCombo : public ui::ObjectWindow<SkinCombo, 0> {
 public:
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);

  int32_t style = 0;
  std::string placeholder;
  HWND parent = nullptr;
  HWND combo = nullptr;
  HWND list = nullptr;
  int lastAccepted = -1;  // inner index
  bool droppedDown = false;
  int pendingHeight = kItemHeight;

  const ListSkinImages& skin() const { return (style & kSkinComboBoxDark) ? *g_darkSkin : *g_lightSkin; }
  LRESULT Inner(UINT message, WPARAM w = 0, LPARAM l = 0) const { return SendMessageA(combo, message, w, l); }
  int innerCount() const { return int(Inner(CB_GETCOUNT)); }
  bool IsRealItem(int inner) const { return inner > 0 && inner < innerCount() - 1; }

  LRESULT Insert(int at, const char* text, int height) {
    pendingHeight = height;
    return Inner(CB_INSERTSTRING, WPARAM(at), reinterpret_cast<LPARAM>(text));
  }

 private:
  bool OnCreate(const CREATESTRUCTA& create);
  void OnInnerCommand(int code);
  LRESULT Translate(UINT message, WPARAM w, LPARAM l);
  void OnSelectionEnded();
};

std::string ItemText(HWND combo, int index) {
  LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, WPARAM(index), 0);
  if (length == CB_ERR || length < 0) return std::string();
  std::string text(size_t(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(size_t(length));
  return text;
}

void FillBackground(HDC dc, const RECT& area) {
  Gdiplus::Graphics graphics(dc);
  Gdiplus::SolidBrush background(Gdiplus::Color(0xFFF1F1F1));
  graphics.FillRectangle(&background, Gdiplus::Rect(area.left, area.top, area.right - area.left,
                                                    area.bottom - area.top));
}

void FillClientBackground(HWND window, HDC dc) {
  RECT area;
  GetClientRect(window, &area);
  FillBackground(dc, area);
}

// The face, the frame items and the caller's items each have their height.
void MeasureItem(MEASUREITEMSTRUCT& measure, int pendingHeight) {
  measure.itemHeight = measure.itemID == UINT(-1) ? kFaceHeight : UINT(pendingHeight);
  measure.itemWidth = kItemWidth;
}

void DrawItem(const SkinCombo& self, const DRAWITEMSTRUCT& item) {
  if (item.itemID == UINT(-1) || (item.itemState & ODS_COMBOBOXEDIT)) {
    FillBackground(item.hDC, item.rcItem);
    int selected = int(self.Inner(CB_GETCURSEL));
    std::string text = selected < 0 ? self.placeholder : (selected == 0 ? std::string() : ItemText(self.combo, selected));
    const auto& face = self.skin().face;
    bool dark = (self.style & kSkinComboBoxDark) != 0;
    float width = 0.74f * float(face ? face.width() : item.rcItem.right - item.rcItem.left);
    float height = float(face ? face.height() : kFaceHeight) - 8.0f;
    DrawListFace(item.hDC, item.rcItem, self.skin(), text.c_str(), dark ? 10.0f : 5.0f, dark ? 3.0f : 1.0f, width,
                 height);
    return;
  }
  int count = self.innerCount();
  ListItemKind kind = item.itemID == 0                    ? ListItemKind::kTopCap
                      : int(item.itemID) == count - 1     ? ListItemKind::kBottomCap
                                                          : ListItemKind::kMiddle;
  std::string text = kind == ListItemKind::kMiddle ? ItemText(self.combo, int(item.itemID)) : std::string();
  DrawListItem(item, self.skin(), kind, text.c_str(), false, 0);
}

void SkinCombo::OnSelectionEnded() {
  int selected = int(Inner(CB_GETCURSEL));
  if (!IsRealItem(selected)) {
    Inner(CB_SETCURSEL, WPARAM(lastAccepted));
    InvalidateRect(combo, nullptr, TRUE);
    return;
  }
  lastAccepted = selected;
  SendMessageA(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window()), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(window()));
}

// Keeps the dropped list exactly as tall as its items.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<SkinCombo*>(data);
  if (message == WM_WINDOWPOSCHANGING) {
    auto* position = reinterpret_cast<WINDOWPOS*>(l);
    int wanted = kItemHeight * self->innerCount() - 8;
    if (!(position->flags & SWP_NOSIZE) && position->cy != wanted) position->cy = wanted;
  } else if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(list, &ListProcedure, kSubclassId);
  }
  return DefSubclassProc(list, message, w, l);
}

LRESULT CALLBACK ComboProcedure(HWND combo, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
  if (IsSwallowedListInput(message)) return 0;
  switch (message) {
    case WM_ERASEBKGND:
      FillClientBackground(combo, reinterpret_cast<HDC>(w));
      return 1;
    case WM_NCDESTROY:
      RemoveWindowSubclass(combo, &ComboProcedure, kSubclassId);
      break;
  }
  return DefSubclassProc(combo, message, w, l);
}

bool SkinCombo::OnCreate(const CREATESTRUCTA& create) {
  const auto* parameters = static_cast<const SkinComboBoxParameters*>(create.lpCreateParams);
  if (parameters != nullptr) {
    style = parameters->style;
    if (parameters->placeholder != nullptr) placeholder = parameters->placeholder;
  }
  parent = create.hwndParent;

  combo = CreateWindowExA(0, "COMBOBOX", "",
                          WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS,
                          0, 0, create.cx, create.cy, window(), nullptr, create.hInstance, nullptr);
  if (combo == nullptr) return false;
  SetWindowSubclass(combo, &ComboProcedure, kSubclassId, 0);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) && info.hwndList) {
    list = info.hwndList;
    SetWindowSubclass(list, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    LONG_PTR listStyle = GetWindowLongPtrA(list, GWL_STYLE);
    SetWindowLongPtrA(list, GWL_STYLE, listStyle & ~LONG_PTR(WS_BORDER | WS_CLIPSIBLINGS));
    ULONG_PTR classStyle = GetClassLongPtrA(list, GCL_STYLE);
    SetClassLongPtrA(list, GCL_STYLE, LONG_PTR(classStyle & ~ULONG_PTR(CS_DROPSHADOW)));
  }
  Insert(0, "Header", kHeaderHeight);
  Inner(CB_SETITEMDATA, 0, kFrameItemData);
  Insert(1, "Footer", kFooterHeight);
  Inner(CB_SETITEMDATA, 1, kFrameItemData);
  return true;
}

// Messages of callers address their own items; the frame items are hidden.
LRESULT SkinCombo::Translate(UINT message, WPARAM w, LPARAM l) {
  if (combo == nullptr) return -1;
  switch (message) {
    case CB_ADDSTRING:
      return Insert(innerCount() - 1, reinterpret_cast<const char*>(l), kItemHeight);
    case CB_GETCOUNT:
      return innerCount() - 2;
    case CB_GETCURSEL: {
      // "Nothing selected" stays -1 rather than becoming -2.
      LRESULT selected = Inner(CB_GETCURSEL);
      return selected < 0 ? -1 : selected - 1;
    }
    case CB_SETCURSEL: {
      int index = int(w);
      LRESULT result = Inner(CB_SETCURSEL, WPARAM(index < 0 ? -1 : index + 1));
      int selected = int(Inner(CB_GETCURSEL));
      lastAccepted = IsRealItem(selected) ? selected : -1;
      return result;
    }
    case CB_GETITEMDATA:
    case CB_SETITEMDATA:
      return Inner(message, w + 1, l);
    default:
      return Inner(message, w, l);
  }
}

void SkinCombo::OnInnerCommand(int code) {
  switch (code) {
    case CBN_SELENDOK:
      OnSelectionEnded();
      break;
    case CBN_DROPDOWN:
      droppedDown = true;
      break;
    case CBN_SELCHANGE:
      droppedDown = false;
      break;
    case CBN_CLOSEUP:
      if (host::Context().isWindowsXp) {
        ShowWindow(combo, SW_HIDE);
        ShowWindow(combo, SW_SHOW);
      }
      break;
  }
}

LRESULT SkinCombo::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(l)) ? 0 : -1;
    case WM_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(l), pendingHeight);
      return TRUE;
    case WM_DRAWITEM:
      DrawItem(*this, *reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(l) == combo) OnInnerCommand(HIWORD(w));
      return 0;
    case WM_ERASEBKGND:
      FillClientBackground(window(), reinterpret_cast<HDC>(w));
      return 1;
  }
  if (message >= CB_GETEDITSEL && message <= CB_MSGMAX) return Translate(message, w, l);
  return Default(message, w, l);
}

}  // namespace

bool RegisterSkinComboBox(HINSTANCE instance) {
  if (g_darkSkin == nullptr) {
    g_darkSkin = std::make_unique<ListSkinImages>();
    g_darkSkin->Load({107, 108, 109, 110, 115}, instance);
    g_lightSkin = std::make_unique<ListSkinImages>();
    g_lightSkin->Load({132, 136, 133, 134, 135}, instance);
  }
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_GLOBALCLASS | CS_OWNDC | CS_DBLCLKS;
  windowClass.lpfnWndProc = &SkinCombo::OwningProcedure;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kSkinComboBoxClass;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterSkinComboBox(HINSTANCE instance) {
  UnregisterClassA(kSkinComboBoxClass, instance);
  g_darkSkin.reset();
  g_lightSkin.reset();
}

}  // namespace zelva::skin
