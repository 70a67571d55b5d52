#include "GdiplusSession.h"

#include "GdiplusInclude.h"

namespace zelva::win {

bool GdiplusSession::Start() {
  if (token_ != 0) return true;
  Gdiplus::GdiplusStartupInput input;
  if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok) return true;
  token_ = 0;
  return false;
}

void GdiplusSession::Stop() {
  if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
  token_ = 0;
}

}  // namespace zelva::win
