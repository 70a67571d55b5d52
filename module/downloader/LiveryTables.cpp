#include "LiveryTables.h"

#include "ModuleContext.h"

namespace zelva::module {

LiveryTables& Tables() {
  static LiveryTables tables;
  return tables;
}

std::mutex& TablesLock() {
  static std::mutex lock;
  return lock;
}

void ReplaceThumbnail(LiveryCatalogEntry& entry, std::unique_ptr<Gdiplus::Bitmap> picture) {
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    entry.thumbnail.swap(picture);
  }
  picture.reset();  // the old one, outside the lock
}

void ReleaseLiveryTables() {
  LiveryTables released;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    std::swap(released, Tables());
  }
}

bool IsCatalogueVariant(int variant) {
  const ProductInfo& product = Product();
  if (variant < 0 || variant >= product.variantCount || variant >= kMaxVariants) return false;
  return product.variants[0].installed && product.variants[variant].installed;
}

}  // namespace zelva::module
