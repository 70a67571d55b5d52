#include "MenuTree.h"

#include <memory>

#include "ModuleContext.h"
#include "PngResource.h"

namespace zelva::module {
namespace {

constexpr int kIconSize = 16;

// In icon-index order.
const char* const kIconNames[] = {
    "Menu Icon Settings",      "Menu Icon Version",          "Menu Icon Expansions",    "Menu Icon Documentation",
    "Menu Icon Liveries",      "Menu Icon Display Settings", "Menu Icon Sound Settings",
};

enum class Shown { kAlways, kFirstVariantInstalled };

struct MenuItem {
  int root;  // index of the root item this one belongs under, or -1 for a root
  const char* text;
  int icon;
  int page;
  Shown shown;
};

const MenuItem kItems[] = {
    {-1, "ZELVA K50-200LR/F", 2, 0, Shown::kAlways},
    {0, "Aircraft Specific Settings", 0, 4, Shown::kFirstVariantInstalled},
    {0, "Sound Settings", 6, 8, Shown::kFirstVariantInstalled},
    {0, "Livery Manager", 4, 1, Shown::kFirstVariantInstalled},
    {0, "Livery Downloader", 4, 6, Shown::kFirstVariantInstalled},
    {0, "Version", 1, 5, Shown::kFirstVariantInstalled},
    {0, "Documentation", 3, 3, Shown::kFirstVariantInstalled},
    {0, "Panel Display Settings", 5, 7, Shown::kFirstVariantInstalled},
    {-1, "Expansions", 2, 9, Shown::kAlways},
    {8, "ZELVA K50-300ER", 2, 9, Shown::kAlways},
};
constexpr int kItemCount = sizeof(kItems) / sizeof(kItems[0]);

// An icon the host cannot give keeps its place empty, so the later indexes hold.
std::unique_ptr<Gdiplus::Bitmap> BlankIcon() {
  return std::make_unique<Gdiplus::Bitmap>(kIconSize, kIconSize, PixelFormat32bppARGB);
}

}  // namespace

void MenuTree::MakeIcons(const HostContext& host) {
  icons_ = ImageList_Create(kIconSize, kIconSize, ILC_COLOR32, int(sizeof(kIconNames) / sizeof(kIconNames[0])), 0);
  if (icons_ == nullptr) return;
  for (const char* name : kIconNames) {
    INT_PTR resource = CallHost(kHostFindImage, name);
    images::PngImage image;
    if (resource > 0) image.Load(int(resource), host.hostInstance);
    std::unique_ptr<Gdiplus::Bitmap> blank;
    Gdiplus::Bitmap* source = image.get();
    if (source == nullptr) {
      blank = BlankIcon();
      source = blank.get();
    }
    HICON icon = nullptr;
    if (source->GetHICON(&icon) == Gdiplus::Ok && icon != nullptr) {
      ImageList_AddIcon(icons_, icon);
      DestroyIcon(icon);
    }
  }
}

void MenuTree::Build(HostContext& host, const ProductInfo& product) {
  Log("\n%s - Creating menu tree\n", product.shortName);
  Clear();
  tree_ = host.menuTree;
  if (tree_ == nullptr) return;
  // A second build must not add the items twice.
  TreeView_DeleteAllItems(tree_);
  MakeIcons(host);
  TreeView_SetImageList(tree_, icons_, TVSIL_NORMAL);

  bool firstVariant = product.variantCount > 0 && product.variants[0].installed != 0;
  HTREEITEM inserted[kItemCount] = {};
  for (int i = 0; i < kItemCount; ++i) {
    const MenuItem& item = kItems[i];
    if (item.shown == Shown::kFirstVariantInstalled && !firstVariant) continue;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = item.root < 0 ? TVI_ROOT : inserted[item.root];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(item.text);
    insert.item.iImage = insert.item.iSelectedImage = item.icon;
    insert.item.lParam = item.page;
    inserted[i] = reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }

  Log("\tProduct Installed: %d\n", int(product.installed));
  if (product.installed) {
    for (int i = 0; i < kItemCount; ++i)
      if (kItems[i].root < 0 && inserted[i] != nullptr) TreeView_Expand(tree_, inserted[i], TVE_EXPAND);
    // Expanding may scroll the product's root out of the short tree view.
    TreeView_SelectSetFirstVisible(tree_, inserted[0]);
    host.currentSimulator = product.simulator;
  }
}

void MenuTree::Clear() {
  if (tree_ != nullptr) {
    TreeView_SetImageList(tree_, nullptr, TVSIL_NORMAL);
    TreeView_DeleteAllItems(tree_);
  }
  if (icons_ != nullptr) ImageList_Destroy(icons_);
  icons_ = nullptr;
  tree_ = nullptr;
}

}  // namespace zelva::module
