// A list view of another process, read and changed through a block of that
// process's memory, as a user's tools would.
#pragma once

#include <windows.h>

#include "Handles.h"

namespace zelva::testing {

class RemoteListView {
 public:
  explicit RemoteListView(HWND list);
  ~RemoteListView();
  RemoteListView(const RemoteListView&) = delete;
  RemoteListView& operator=(const RemoteListView&) = delete;

  bool valid() const { return remote_ != nullptr; }
  int Count() const;
  // 0: no check box, 1: unchecked, 2: checked.
  int StateImage(int item) const;
  void SetCheck(int item, bool checked);
  // The cell in screen coordinates; column 0 is the whole row.
  RECT CellOnScreen(int item, int column);

 private:
  HWND list_;
  win::KernelHandle process_;
  void* remote_ = nullptr;
};

// Pixels of a screen rectangle that are plainly red.
int CountRedPixels(const RECT& screen);

}  // namespace zelva::testing
