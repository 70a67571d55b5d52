// OLE started on the calling thread for as long as the owner lives.
#pragma once

#include <ole2.h>

namespace zelva::win {

class OleSession {
 public:
  OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (started_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool started() const { return started_; }

 private:
  bool started_;
};

}  // namespace zelva::win
