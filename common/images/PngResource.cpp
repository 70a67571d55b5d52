#include "PngResource.h"

#include <cstring>

namespace zelva::images {

bool LoadImageResource(ImageResourceRecord& record, int resource, HINSTANCE instance, const char* type) {
  record = {};
  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resource), type);
  if (found == nullptr) return false;
  DWORD size = SizeofResource(instance, found);
  const void* data = LockResource(LoadResource(instance, found));
  if (data == nullptr || size == 0) return false;

  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  if (block == nullptr) return false;
  void* copy = GlobalLock(block);
  if (copy == nullptr) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(copy, data, size);

  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(block, FALSE, &stream) != S_OK) {
    GlobalUnlock(block);
    GlobalFree(block);
    return false;
  }
  auto* bitmap = Gdiplus::Bitmap::FromStream(stream);
  stream->Release();
  if (bitmap == nullptr || bitmap->GetLastStatus() != Gdiplus::Ok) {
    delete bitmap;
    GlobalUnlock(block);
    GlobalFree(block);
    return false;
  }
  record.block = block;
  record.bitmap = bitmap;
  return true;
}

void ReleaseImageResource(ImageResourceRecord& record) {
  delete BitmapOf(record);
  record.bitmap = nullptr;
  if (record.block != nullptr) {
    GlobalUnlock(record.block);
    GlobalFree(record.block);
    record.block = nullptr;
  }
}

}  // namespace zelva::images
