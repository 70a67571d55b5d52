#include "RemoteListView.h"

#include <commctrl.h>

namespace zelva::testing {

RemoteListView::RemoteListView(HWND list) : list_(list) {
  DWORD id = 0;
  GetWindowThreadProcessId(list, &id);
  process_.reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id));
  if (process_) remote_ = VirtualAllocEx(process_.get(), nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteListView::~RemoteListView() {
  if (remote_ != nullptr) VirtualFreeEx(process_.get(), remote_, 0, MEM_RELEASE);
}

int RemoteListView::Count() const { return int(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

int RemoteListView::StateImage(int item) const {
  LRESULT state = SendMessageA(list_, LVM_GETITEMSTATE, WPARAM(item), LVIS_STATEIMAGEMASK);
  return int((state & LVIS_STATEIMAGEMASK) >> 12);
}

void RemoteListView::SetCheck(int item, bool checked) {
  LVITEMA change = {};
  change.stateMask = LVIS_STATEIMAGEMASK;
  change.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  WriteProcessMemory(process_.get(), remote_, &change, sizeof(change), nullptr);
  SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(remote_));
}

RECT RemoteListView::CellOnScreen(int item, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  WriteProcessMemory(process_.get(), remote_, &cell, sizeof(cell), nullptr);
  SendMessageA(list_, column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT, WPARAM(item),
               reinterpret_cast<LPARAM>(remote_));
  ReadProcessMemory(process_.get(), remote_, &cell, sizeof(cell), nullptr);
  MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&cell), 2);
  return cell;
}

int CountRedPixels(const RECT& screen) {
  HDC display = GetDC(nullptr);
  int red = 0;
  for (int y = screen.top; y < screen.bottom; ++y)
    for (int x = screen.left; x < screen.right; ++x) {
      COLORREF c = GetPixel(display, x, y);
      red += GetRValue(c) > 200 && GetGValue(c) < 90 && GetBValue(c) < 90;
    }
  ReleaseDC(nullptr, display);
  return red;
}

}  // namespace zelva::testing
