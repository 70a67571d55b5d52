// Owners of kernel, file and window handles, and the file search built on them.
#pragma once

#include <windows.h>

#include "Owned.h"

namespace zelva::win {

namespace release {
inline void Handle(HANDLE handle) { CloseHandle(handle); }
inline void Find(HANDLE handle) { FindClose(handle); }
inline void Global(HGLOBAL block) { GlobalFree(block); }
inline void Window(HWND window) { DestroyWindow(window); }
inline void Hook(HHOOK hook) { UnhookWindowsHookEx(hook); }
inline void Menu(HMENU menu) { DestroyMenu(menu); }
}  // namespace release

// Handles whose failure value is INVALID_HANDLE_VALUE rather than null.
template <void (*Free)(HANDLE)>
struct InvalidValueIsInvalid {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) { Free(handle); }
};

// Mutexes, events, threads, processes: null when there is none.
using KernelHandle = Owned<NullIsInvalid<HANDLE, &release::Handle>>;
// CreateFile and tool-help snapshots: INVALID_HANDLE_VALUE when there is none.
using FileHandle = Owned<InvalidValueIsInvalid<&release::Handle>>;
using FindHandle = Owned<InvalidValueIsInvalid<&release::Find>>;
using GlobalBlock = Owned<NullIsInvalid<HGLOBAL, &release::Global>>;
using WindowHandle = Owned<NullIsInvalid<HWND, &release::Window>>;
using HookHandle = Owned<NullIsInvalid<HHOOK, &release::Hook>>;
using MenuHandle = Owned<NullIsInvalid<HMENU, &release::Menu>>;

// A FindFirstFile search over one pattern; found() tells whether entry holds
// a first match. Narrow or wide, after the pattern's characters.
class FileSearch {
 public:
  FileSearch(const char* pattern, WIN32_FIND_DATAA& entry) : handle_(FindFirstFileA(pattern, &entry)) {}
  FileSearch(const wchar_t* pattern, WIN32_FIND_DATAW& entry) : handle_(FindFirstFileW(pattern, &entry)) {}
  bool found() const { return handle_.valid(); }
  bool Next(WIN32_FIND_DATAA& entry) { return FindNextFileA(handle_.get(), &entry) != FALSE; }
  bool Next(WIN32_FIND_DATAW& entry) { return FindNextFileW(handle_.get(), &entry) != FALSE; }

 private:
  FindHandle handle_;
};

}  // namespace zelva::win
