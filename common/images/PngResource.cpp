#include "PngResource.h"

#include <cstring>
#include <memory>

#include "ComPointer.h"
#include "Handles.h"

namespace zelva::images {

bool LoadImageResource(ImageResourceRecord& record, int resource, HINSTANCE instance, const char* type) {
  record = {};
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resource), type);
  if (found == nullptr) return false;
  DWORD size = SizeofResource(instance, found);
  const void* data = LockResource(LoadResource(instance, found));
  if (data == nullptr || size == 0) return false;

  win::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return false;
  void* copy = GlobalLock(block.get());
  if (copy == nullptr) return false;
  std::memcpy(copy, data, size);
  GlobalUnlock(block.get());

  std::unique_ptr<Gdiplus::Bitmap> bitmap;
  {
    win::ComPointer<IStream> stream;
    if (CreateStreamOnHGlobal(block.get(), FALSE, stream.receive()) != S_OK) return false;
    bitmap.reset(Gdiplus::Bitmap::FromStream(stream.get()));
  }
  if (bitmap == nullptr || bitmap->GetLastStatus() != Gdiplus::Ok) return false;
  // The record crosses to modules as plain pointers; ReleaseImageResource takes them back.
  record.block = block.release();
  record.bitmap = bitmap.release();
  return true;
}

void ReleaseImageResource(ImageResourceRecord& record) {
  std::unique_ptr<Gdiplus::Bitmap> bitmap(BitmapOf(record));
  win::GlobalBlock block(record.block);
  record = {};
  bitmap.reset();  // before the block it reads from
}

}  // namespace zelva::images
