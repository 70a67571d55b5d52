#include "HoverButton.h"

#include <commctrl.h>

namespace zelva::skin {
namespace {

constexpr UINT_PTR kSubclassId = 22;

void Repaint(const HoverButtonRecord& record) {
  if (record.repaintParent) {
    InvalidateRect(GetParent(record.window), nullptr, FALSE);
  } else {
    InvalidateRect(record.window, nullptr, FALSE);
  }
}

LRESULT CALLBACK HoverProcedure(HWND button, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  auto* record = reinterpret_cast<HoverButtonRecord*>(data);
  switch (message) {
    case WM_MOUSEMOVE:
      if (!record->hovered) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
        record->hovered = 1;
        Repaint(*record);
      }
      break;
    case WM_MOUSELEAVE:
      record->hovered = 0;
      Repaint(*record);
      break;
    case kForwardToParentMessage:
      return SendMessageA(GetParent(button), message, w, l);
    case WM_NCDESTROY:
      RemoveWindowSubclass(button, &HoverProcedure, kSubclassId);
      break;
  }
  return DefSubclassProc(button, message, w, l);
}

}  // namespace

bool CreateHoverButton(const HoverButtonDescription& description, HoverButtonRecord& record) {
  record.hovered = 0;
  record.window = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW | SS_NOTIFY, description.x,
                                  description.y, description.width, description.height, description.parent,
                                  reinterpret_cast<HMENU>(description.controlId),
                                  reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(description.parent, GWLP_HINSTANCE)),
                                  nullptr);
  if (record.window == nullptr) return false;
  return SetWindowSubclass(record.window, &HoverProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(&record)) != 0;
}

}  // namespace zelva::skin
