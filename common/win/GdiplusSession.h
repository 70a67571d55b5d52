// GDI+ started for as long as the owner lives (or until Stop).
#pragma once

#include <windows.h>

namespace zelva::win {

class GdiplusSession {
 public:
  GdiplusSession() = default;
  ~GdiplusSession() { Stop(); }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  // True when started, now or before.
  bool Start();
  void Stop();
  bool started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

}  // namespace zelva::win
