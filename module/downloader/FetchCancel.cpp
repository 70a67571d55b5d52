#include "FetchCancel.h"

namespace zelva::module {

void FetchCancel::Abort() {
  aborted_.store(true);
  std::lock_guard<std::mutex> guard(lock_);
  if (reader_ != nullptr) reader_->Cancel();
}

FetchCancel::Attachment::Attachment(FetchCancel* cancel, Cabinet::CExtract& reader) : cancel_(cancel) {
  if (cancel_ == nullptr) return;
  std::lock_guard<std::mutex> guard(cancel_->lock_);
  cancel_->reader_ = &reader;
  if (cancel_->aborted()) reader.Cancel();
}

FetchCancel::Attachment::~Attachment() {
  if (cancel_ == nullptr) return;
  std::lock_guard<std::mutex> guard(cancel_->lock_);
  cancel_->reader_ = nullptr;
}

}  // namespace zelva::module
