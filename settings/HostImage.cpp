#include "HostImage.h"

#include <objidl.h>

#include <cstring>

namespace zelva::settings {

HostImage::~HostImage() { Release(); }

void HostImage::Release() {
  bitmap_.reset();
  block_.reset();
}

bool HostImage::Load(const HostLink& host, const char* name) {
  Release();
  const int number = host.FindImage(name);
  HINSTANCE instance = host.context().hostInstance;
  if (number <= 0 || instance == nullptr) return false;

  HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(number), "PNG");
  if (found == nullptr) return false;
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (data == nullptr || size == 0) return false;

  win::GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, size));
  if (!block) return false;
  void* copy = GlobalLock(block.get());
  if (copy == nullptr) return false;
  std::memcpy(copy, data, size);
  GlobalUnlock(block.get());

  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block.get(), FALSE, &stream))) return false;
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream, FALSE);
  stream->Release();
  if (bitmap->GetLastStatus() != Gdiplus::Ok) return false;

  block_ = std::move(block);
  bitmap_ = std::move(bitmap);
  return true;
}

}  // namespace zelva::settings
