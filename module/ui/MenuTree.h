// The product's entries in the host's menu tree: two roots with their pages,
// icons from the host's named images.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ZelvaContract.h"

namespace zelva::module {

class MenuTree {
 public:
  MenuTree() = default;
  ~MenuTree() { Clear(); }
  MenuTree(const MenuTree&) = delete;
  MenuTree& operator=(const MenuTree&) = delete;

  // Fills the host's tree view; expands the roots of an installed product
  // and makes its simulator the current one.
  void Build(HostContext& host, const ProductInfo& product);
  // Takes the items and the icons out of the tree view.
  void Clear();

 private:
  void MakeIcons(const HostContext& host);

  HWND tree_ = nullptr;
  HIMAGELIST icons_ = nullptr;
};

}  // namespace zelva::module
