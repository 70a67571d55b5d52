// Drives a running host from outside for screenshots and demos:
//   hostdriver wait | select INDEX | choose TEXT | menu INDEX | home | close | press CAPTION ID
//              | livery-menu ITEM (a right click on that item of the Livery Manager's list) | close-menu
//              | click-cell ID ITEM COLUMN | click ID | click-at ID X Y | escape CAPTION | scroll ID PAGES
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kCloseButton = 1004;
constexpr int kHomeButton = 1005;
constexpr int kProductList = 1008;
constexpr int kMenuTree = 1010;

HWND WaitForMainWindow() {
  for (int waited = 0; waited < 60000; waited += 50) {
    HWND window = FindWindowA(nullptr, "ZELVA Hangardesk");
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(50);
  }
  return nullptr;
}

// A top-level window by caption, once it is shown.
HWND WaitForWindow(const char* caption) {
  for (int waited = 0; waited < 30000; waited += 50) {
    HWND window = FindWindowA(nullptr, caption);
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(50);
  }
  return nullptr;
}

void Click(HWND main, int button) {
  PostMessageA(main, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(main, button)));
}

// The INDEX-th item of the menu tree as it is shown, expanded items' children included.
bool SelectMenuItem(HWND main, int index) {
  HWND tree = GetDlgItem(main, kMenuTree);
  HTREEITEM item = TreeView_GetRoot(tree);
  for (int i = 0; i < index && item != nullptr; ++i) item = TreeView_GetNextVisible(tree, item);
  if (item == nullptr) return false;
  TreeView_SelectItem(tree, item);
  return true;
}

// The Livery Manager page's list, once the page is shown.
HWND LiveryList(HWND main) {
  for (int waited = 0; waited < 30000; waited += 50, Sleep(50)) {
    HWND product = FindWindowExA(GetDlgItem(main, 1007), nullptr, "#32770", nullptr);
    HWND page = product != nullptr ? GetWindow(GetDlgItem(product, 1007), GW_CHILD) : nullptr;
    HWND list = page != nullptr ? GetDlgItem(page, 1002) : nullptr;
    if (list != nullptr && IsWindowVisible(list)) return list;
  }
  return nullptr;
}

struct ChildSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchChild(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  if (GetDlgCtrlID(window) != search->id || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible window anywhere inside main with the control id, once it is there.
HWND WaitForControl(HWND main, int id) {
  for (int waited = 0; waited < 10000; waited += 50) {
    ChildSearch search = {id, nullptr};
    EnumChildWindows(main, &MatchChild, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) return search.found;
    Sleep(50);
  }
  return nullptr;
}

bool RightClickLivery(HWND main, int item) {
  HWND list = LiveryList(main);
  if (list == nullptr || item >= SendMessageA(list, LB_GETCOUNT, 0, 0)) return false;
  int height = int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  POINT point = {40, (item - int(SendMessageA(list, LB_GETTOPINDEX, 0, 0))) * height + height / 2};
  ClientToScreen(list, &point);
  PostMessageA(GetParent(list), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(point.x, point.y));
  return true;
}

// A real click, as the user's mouse gives it, at a point of the screen.
bool ClickAt(HWND main, POINT at) {
  SetForegroundWindow(main);
  SetCursorPos(at.x, at.y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  return SendInput(2, clicks, sizeof(INPUT)) == 2;
}

// A click on a cell of a list view in the host's process: the cell's
// rectangle is asked for through that process's memory.
bool ClickCell(HWND main, int id, int item, int column) {
  HWND list = WaitForControl(main, id);
  if (list == nullptr) return false;
  DWORD processId = 0;
  GetWindowThreadProcessId(list, &processId);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
  if (process == nullptr) return false;
  RECT cell = {LVIR_BOUNDS, column, 0, 0};
  void* remote = VirtualAllocEx(process, nullptr, sizeof(cell), MEM_COMMIT, PAGE_READWRITE);
  bool found = remote != nullptr && WriteProcessMemory(process, remote, &cell, sizeof(cell), nullptr) &&
               SendMessageA(list, LVM_GETSUBITEMRECT, WPARAM(item), reinterpret_cast<LPARAM>(remote)) &&
               ReadProcessMemory(process, remote, &cell, sizeof(cell), nullptr);
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  if (!found) return false;
  POINT at = {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
  ClientToScreen(list, &at);
  return ClickAt(main, at);
}

bool ClickControl(HWND main, int id) {
  HWND control = WaitForControl(main, id);
  if (control == nullptr) return false;
  RECT r = {};
  GetClientRect(control, &r);
  POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ClientToScreen(control, &at);
  return ClickAt(main, at);
}

// A click at a point of a control; a negative x counts from its right edge.
bool ClickControlAt(HWND main, int id, int x, int y) {
  HWND control = WaitForControl(main, id);
  if (control == nullptr) return false;
  RECT r = {};
  GetClientRect(control, &r);
  POINT at = {x < 0 ? r.right + x : x, y};
  ClientToScreen(control, &at);
  return ClickAt(main, at);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr,
                 "usage: hostdriver wait | select INDEX | choose TEXT | menu INDEX | livery-menu ITEM | close-menu | "
                 "home | close | press CAPTION ID | click-cell ID ITEM COLUMN | click ID | click-at ID X Y | escape CAPTION"
                 " | scroll ID PAGES\n");
    return 2;
  }
  HWND main = WaitForMainWindow();
  if (main == nullptr) {
    std::fprintf(stderr, "hostdriver: no main window\n");
    return 1;
  }
  if (std::strcmp(argv[1], "select") == 0 && argc > 2) {
    HWND list = GetDlgItem(main, kProductList);
    SendMessageA(list, CB_SETCURSEL, WPARAM(std::atoi(argv[2])), 0);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
  } else if (std::strcmp(argv[1], "choose") == 0 && argc > 2) {
    HWND list = GetDlgItem(main, kProductList);
    LRESULT index = SendMessageA(list, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(argv[2]));
    if (index < 0) {
      std::fprintf(stderr, "hostdriver: no product %s\n", argv[2]);
      return 1;
    }
    SendMessageA(list, CB_SETCURSEL, WPARAM(index), 0);
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kProductList, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
  } else if (std::strcmp(argv[1], "menu") == 0 && argc > 2) {
    if (!SelectMenuItem(main, std::atoi(argv[2]))) {
      std::fprintf(stderr, "hostdriver: no menu item %s\n", argv[2]);
      return 1;
    }
  } else if (std::strcmp(argv[1], "livery-menu") == 0 && argc > 2) {
    if (!RightClickLivery(main, std::atoi(argv[2]))) {
      std::fprintf(stderr, "hostdriver: no livery %s\n", argv[2]);
      return 1;
    }
  } else if (std::strcmp(argv[1], "close-menu") == 0) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu != nullptr) PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (std::strcmp(argv[1], "home") == 0) {
    Click(main, kHomeButton);
  } else if (std::strcmp(argv[1], "close") == 0) {
    Click(main, kCloseButton);
  } else if (std::strcmp(argv[1], "press") == 0 && argc > 3) {
    HWND window = WaitForWindow(argv[2]);
    if (window == nullptr) {
      std::fprintf(stderr, "hostdriver: no window %s\n", argv[2]);
      return 1;
    }
    Click(window, std::atoi(argv[3]));
  } else if (std::strcmp(argv[1], "click-cell") == 0 && argc > 4) {
    if (!ClickCell(main, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]))) {
      std::fprintf(stderr, "hostdriver: no cell %s %s in list %s\n", argv[3], argv[4], argv[2]);
      return 1;
    }
  } else if (std::strcmp(argv[1], "click") == 0 && argc > 2) {
    if (!ClickControl(main, std::atoi(argv[2]))) {
      std::fprintf(stderr, "hostdriver: no control %s\n", argv[2]);
      return 1;
    }
  } else if (std::strcmp(argv[1], "scroll") == 0 && argc > 3) {
    // Clicks below the scroll bar's thumb, as its owner hears of them.
    HWND bar = WaitForControl(main, std::atoi(argv[2]));
    if (bar == nullptr) {
      std::fprintf(stderr, "hostdriver: no scroll bar %s\n", argv[2]);
      return 1;
    }
    for (int page = 0; page < std::atoi(argv[3]); ++page)
      SendMessageA(GetParent(bar), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), reinterpret_cast<LPARAM>(bar));
  } else if (std::strcmp(argv[1], "escape") == 0 && argc > 2) {
    HWND window = WaitForWindow(argv[2]);
    if (window == nullptr) {
      std::fprintf(stderr, "hostdriver: no window %s\n", argv[2]);
      return 1;
    }
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (std::strcmp(argv[1], "click-at") == 0 && argc > 4) {
    if (!ClickControlAt(main, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]))) {
      std::fprintf(stderr, "hostdriver: no control %s\n", argv[2]);
      return 1;
    }
  } else if (std::strcmp(argv[1], "wait") != 0) {
    std::fprintf(stderr, "hostdriver: unknown command %s\n", argv[1]);
    return 2;
  }
  return 0;
}
