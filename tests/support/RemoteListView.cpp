#include "RemoteListView.h"

#include <commctrl.h>

#include <cstdint>

namespace zelva::testing {
namespace {

constexpr SIZE_T kRemoteBytes = 4096;

}  // namespace

RemoteListView::RemoteListView(HWND list) : list_(list) {
  DWORD id = 0;
  GetWindowThreadProcessId(list, &id);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  if (process_ != nullptr)
    remote_ = VirtualAllocEx(process_, nullptr, kRemoteBytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteListView::~RemoteListView() {
  if (remote_ != nullptr) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_ != nullptr) CloseHandle(process_);
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
  WriteProcessMemory(process_, remote_, &change, sizeof(change), nullptr);
  SendMessageA(list_, LVM_SETITEMSTATE, WPARAM(item), reinterpret_cast<LPARAM>(remote_));
}

RECT RemoteListView::CellOnScreen(int item, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_BOUNDS;
  WriteProcessMemory(process_, remote_, &cell, sizeof(cell), nullptr);
  SendMessageA(list_, column == 0 ? LVM_GETITEMRECT : LVM_GETSUBITEMRECT, WPARAM(item),
               reinterpret_cast<LPARAM>(remote_));
  ReadProcessMemory(process_, remote_, &cell, sizeof(cell), nullptr);
  MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&cell), 2);
  return cell;
}

int CountRedPixels(const RECT& screen) {
  int width = screen.right - screen.left, height = screen.bottom - screen.top;
  if (width <= 0 || height <= 0) return 0;
  HDC display = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(display);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, display, screen.left, screen.top, SRCCOPY);
  GdiFlush();
  int red = 0;
  const auto* pixels = static_cast<const uint8_t*>(bits);  // blue, green, red, unused
  for (int i = 0; bits != nullptr && i < width * height; ++i) {
    const uint8_t* p = pixels + size_t(i) * 4;
    if (p[2] > 200 && p[1] < 90 && p[0] < 90) ++red;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, display);
  return red;
}

}  // namespace zelva::testing
