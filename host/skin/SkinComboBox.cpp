#include "SkinComboBox.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "HostState.h"
#include "ListSkin.h"
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

ListSkinImages* g_darkSkin = nullptr;
ListSkinImages* g_lightSkin = nullptr;

struct SkinCombo {
  int32_t style = 0;
  std::string placeholder;
  HWND container = nullptr;
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
};

SkinCombo* From(HWND container) { return reinterpret_cast<SkinCombo*>(GetWindowLongPtrA(container, 0)); }

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

void OnSelectionEnded(SkinCombo& self) {
  int selected = int(self.Inner(CB_GETCURSEL));
  if (!self.IsRealItem(selected)) {
    self.Inner(CB_SETCURSEL, WPARAM(self.lastAccepted));
    InvalidateRect(self.combo, nullptr, TRUE);
    return;
  }
  self.lastAccepted = selected;
  SendMessageA(self.parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(self.container), CBN_SELENDOK),
               reinterpret_cast<LPARAM>(self.container));
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
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(combo, &area);
      FillBackground(reinterpret_cast<HDC>(w), area);
      return 1;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(combo, &ComboProcedure, kSubclassId);
      break;
  }
  return DefSubclassProc(combo, message, w, l);
}

bool Create(HWND container, const CREATESTRUCTA& create) {
  auto self = std::make_unique<SkinCombo>();
  const auto* parameters = static_cast<const SkinComboBoxParameters*>(create.lpCreateParams);
  if (parameters != nullptr) {
    self->style = parameters->style;
    if (parameters->placeholder != nullptr) self->placeholder = parameters->placeholder;
  }
  self->container = container;
  self->parent = create.hwndParent;
  SetWindowLongPtrA(container, 0, reinterpret_cast<LONG_PTR>(self.get()));

  self->combo = CreateWindowExA(0, "COMBOBOX", "",
                                WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE |
                                    CBS_HASSTRINGS,
                                0, 0, create.cx, create.cy, container, nullptr, create.hInstance, nullptr);
  if (self->combo == nullptr) return false;
  SetWindowSubclass(self->combo, &ComboProcedure, kSubclassId, 0);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  if (SendMessageA(self->combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) && info.hwndList) {
    self->list = info.hwndList;
    SetWindowSubclass(self->list, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(self.get()));
    LONG_PTR style = GetWindowLongPtrA(self->list, GWL_STYLE);
    SetWindowLongPtrA(self->list, GWL_STYLE, style & ~LONG_PTR(WS_BORDER | WS_CLIPSIBLINGS));
    ULONG_PTR classStyle = GetClassLongPtrA(self->list, GCL_STYLE);
    SetClassLongPtrA(self->list, GCL_STYLE, LONG_PTR(classStyle & ~ULONG_PTR(CS_DROPSHADOW)));
  }
  self->Insert(0, "Header", kHeaderHeight);
  self->Inner(CB_SETITEMDATA, 0, kFrameItemData);
  self->Insert(1, "Footer", kFooterHeight);
  self->Inner(CB_SETITEMDATA, 1, kFrameItemData);
  self.release();
  return true;
}

// Messages of callers address their own items; the frame items are hidden.
LRESULT Translate(SkinCombo& self, UINT message, WPARAM w, LPARAM l) {
  if (self.combo == nullptr) return -1;
  switch (message) {
    case CB_ADDSTRING:
      return self.Insert(self.innerCount() - 1, reinterpret_cast<const char*>(l), kItemHeight);
    case CB_GETCOUNT:
      return self.innerCount() - 2;
    case CB_GETCURSEL: {
      // "Nothing selected" stays -1 rather than becoming -2.
      LRESULT selected = self.Inner(CB_GETCURSEL);
      return selected < 0 ? -1 : selected - 1;
    }
    case CB_SETCURSEL: {
      int index = int(w);
      LRESULT result = self.Inner(CB_SETCURSEL, WPARAM(index < 0 ? -1 : index + 1));
      int selected = int(self.Inner(CB_GETCURSEL));
      self.lastAccepted = self.IsRealItem(selected) ? selected : -1;
      return result;
    }
    case CB_GETITEMDATA:
    case CB_SETITEMDATA:
      return self.Inner(message, w + 1, l);
    default:
      return self.Inner(message, w, l);
  }
}

LRESULT CALLBACK ContainerProcedure(HWND container, UINT message, WPARAM w, LPARAM l) {
  SkinCombo* self = From(container);
  switch (message) {
    case WM_CREATE:
      return Create(container, *reinterpret_cast<CREATESTRUCTA*>(l)) ? 0 : -1;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      measure->itemHeight = measure->itemID == UINT(-1) ? kFaceHeight : UINT(self ? self->pendingHeight : kItemHeight);
      measure->itemWidth = kItemWidth;
      return TRUE;
    }
    case WM_DRAWITEM:
      if (self) DrawItem(*self, *reinterpret_cast<DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_COMMAND:
      if (self && reinterpret_cast<HWND>(l) == self->combo) {
        switch (HIWORD(w)) {
          case CBN_SELENDOK:
            OnSelectionEnded(*self);
            break;
          case CBN_DROPDOWN:
            self->droppedDown = true;
            break;
          case CBN_SELCHANGE:
            self->droppedDown = false;
            break;
          case CBN_CLOSEUP:
            if (host::Context().isWindowsXp) {
              ShowWindow(self->combo, SW_HIDE);
              ShowWindow(self->combo, SW_SHOW);
            }
            break;
        }
      }
      return 0;
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(container, &area);
      FillBackground(reinterpret_cast<HDC>(w), area);
      return 1;
    }
    case WM_NCDESTROY:
      delete self;
      SetWindowLongPtrA(container, 0, 0);
      break;
    default:
      if (message >= CB_GETEDITSEL && message <= CB_MSGMAX) {
        return self ? Translate(*self, message, w, l) : -1;
      }
  }
  return DefWindowProcA(container, message, w, l);
}

LRESULT CALLBACK SafeContainerProcedure(HWND container, UINT message, WPARAM w, LPARAM l) {
  try {
    return ContainerProcedure(container, message, w, l);
  } catch (...) {
    return DefWindowProcA(container, message, w, l);
  }
}

}  // namespace

bool RegisterSkinComboBox(HINSTANCE instance) {
  if (g_darkSkin == nullptr) {
    g_darkSkin = new ListSkinImages;
    g_darkSkin->Load({107, 108, 109, 110, 115}, instance);
    g_lightSkin = new ListSkinImages;
    g_lightSkin->Load({132, 136, 133, 134, 135}, instance);
  }
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_GLOBALCLASS | CS_OWNDC | CS_DBLCLKS;
  windowClass.lpfnWndProc = &SafeContainerProcedure;
  windowClass.cbWndExtra = sizeof(LONG_PTR);
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kSkinComboBoxClass;
  return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterSkinComboBox(HINSTANCE instance) {
  UnregisterClassA(kSkinComboBoxClass, instance);
  delete g_darkSkin;
  delete g_lightSkin;
  g_darkSkin = g_lightSkin = nullptr;
}

}  // namespace zelva::skin
