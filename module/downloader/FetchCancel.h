// What lets the page end background work at once: an abort flag, and the one
// reader a thread is waiting on, cancelled from the page's thread.
#pragma once

#include <atomic>
#include <mutex>

#include "Extract.h"

namespace zelva::module {

class FetchCancel {
 public:
  void Reset() { aborted_.store(false); }
  // Sets the flag and cancels the attached reader, if any.
  void Abort();
  bool aborted() const { return aborted_.load(); }

  // A reader attached while a thread reads through it; one aborted before
  // or during the attachment is cancelled at once.
  class Attachment {
   public:
    Attachment(FetchCancel* cancel, Cabinet::CExtract& reader);
    ~Attachment();
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;

   private:
    FetchCancel* cancel_;
  };

 private:
  std::atomic<bool> aborted_{false};
  std::mutex lock_;
  Cabinet::CExtract* reader_ = nullptr;
};

}  // namespace zelva::module
