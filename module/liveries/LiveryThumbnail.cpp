#include "LiveryThumbnail.h"

#include "ComPointer.h"
#include "LiveryFiles.h"

namespace zelva::module {
namespace {

// Larger is no thumbnail; reading it would only cost memory.
constexpr size_t kLargestThumbnail = size_t(16) << 20;

}  // namespace

std::unique_ptr<Gdiplus::Bitmap> DecodeThumbnail(const std::string& bytes) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (block == nullptr) return nullptr;
  void* memory = GlobalLock(block);
  if (memory == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  CopyMemory(memory, bytes.data(), bytes.size());
  GlobalUnlock(block);
  win::ComPointer<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, stream.receive()))) {
    GlobalFree(block);
    return nullptr;
  }
  Gdiplus::Bitmap decoded(stream.get());
  if (decoded.GetLastStatus() != Gdiplus::Ok || decoded.GetWidth() == 0 || decoded.GetHeight() == 0) return nullptr;
  auto copy = std::make_unique<Gdiplus::Bitmap>(int(decoded.GetWidth()), int(decoded.GetHeight()),
                                                PixelFormat32bppPARGB);
  if (copy->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics graphics(copy.get());
  graphics.DrawImage(&decoded, 0, 0, int(decoded.GetWidth()), int(decoded.GetHeight()));
  return copy;
}

void LiveryThumbnail::Show(const std::string& path) {
  if (path == path_ && (bitmap_ || path.empty())) return;
  Clear();
  path_ = path;
  std::string bytes;
  if (!path.empty() && ReadFileUpTo(path.c_str(), kLargestThumbnail + 1, bytes) && !bytes.empty() &&
      bytes.size() <= kLargestThumbnail)
    bitmap_ = DecodeThumbnail(bytes);
}

void LiveryThumbnail::Clear() {
  bitmap_.reset();
  path_.clear();
}

void DrawThumbnail(HDC dc, const RECT& box, Gdiplus::Bitmap* picture) {
  Gdiplus::Graphics graphics(dc);
  graphics.Clear(Gdiplus::Color(0xFF254069));
  if (picture == nullptr) return;
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.DrawImage(picture, Gdiplus::Rect(box.left + 1, box.top + 1, box.right - box.left - 2,
                                            box.bottom - box.top - 2));
}

}  // namespace zelva::module
