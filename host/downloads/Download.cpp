#include "Download.h"

#include <cstddef>
#include <cstring>

#include "DownloadText.h"
#include "ExtractUrl.h"
#include "FixedText.h"
#include "HostState.h"
#include "NamedImages.h"
#include "PngResource.h"
#include "RateEstimate.h"

namespace zelva::downloads {
namespace {

constexpr const char* kImageNames[8] = {
    "Progress Bar Background Left", "Progress Bar Background Center", "Progress Bar Background Right",
    "Progress Bar Progress Start",  "Progress Bar Progress Light",    "Progress Bar Progress Dark",
    "Progress Bar Progress End",    "Large Button"};

// A request filled to the brim stays a request whose texts end inside it.
void TerminateTexts(DownloadRequest& request) {
  request.title[sizeof(request.title) - 1] = '\0';
  request.url[sizeof(request.url) - 1] = '\0';
  request.destination[sizeof(request.destination) - 1] = '\0';
}

}  // namespace

CDownload::CDownload(const DownloadRequest& request) {
  // Modules read the object through DownloadObjectView (its 32-bit offsets
  // are asserted with the contract): the data must follow the one interface
  // pointer exactly.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
  static_assert(offsetof(CDownload, data_) == offsetof(DownloadObjectView, data),
                "the download's fixed fields must follow its interface pointer");
#pragma GCC diagnostic pop
  std::memset(&data_, 0, sizeof(data_));
  data_.request = request;
  TerminateTexts(data_.request);
  data_.state = kDownloadNew;
  data_.rate = -1.0f;
  HINSTANCE host = host::Context().hostInstance;
  for (int i = 0; i < 8; ++i) {
    int resource = skin::FindNamedImage(kImageNames[i]);
    if (resource > 0) images::LoadImageResource(data_.images[i], resource, host);
  }
}

CDownload::~CDownload() {
  for (ImageResourceRecord& image : data_.images) images::ReleaseImageResource(image);
  if (binding_ != nullptr) binding_->Release();
}

HRESULT CDownload::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IUnknown || iid == IID_IBindStatusCallback) {
    *object = static_cast<IBindStatusCallback*>(this);
  } else if (iid == IID_IHttpNegotiate) {
    *object = static_cast<IHttpNegotiate*>(&response_);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG CDownload::AddRef() { return ULONG(InterlockedIncrement(&data_.referenceCount)); }
ULONG CDownload::Release() { return ULONG(InterlockedDecrement(&data_.referenceCount)); }

// The binding is kept so that Cancel can stop a transfer that sends nothing:
// progress reports, where a cancel otherwise takes effect, come only with data.
HRESULT CDownload::OnStartBinding(DWORD, IBinding* binding) {
  std::lock_guard<std::mutex> guard(lock_);
  if (binding != nullptr) binding->AddRef();
  if (binding_ != nullptr) binding_->Release();
  binding_ = binding;
  if (binding_ != nullptr && cancelled()) binding_->Abort();
  return E_NOTIMPL;
}

HRESULT CDownload::OnStopBinding(HRESULT, LPCWSTR) {
  std::lock_guard<std::mutex> guard(lock_);
  if (binding_ != nullptr) binding_->Release();
  binding_ = nullptr;
  return E_NOTIMPL;
}

HRESULT CDownload::GetPriority(LONG*) { return E_NOTIMPL; }
HRESULT CDownload::OnLowResource(DWORD) { return S_OK; }
HRESULT CDownload::GetBindInfo(DWORD*, BINDINFO*) { return E_NOTIMPL; }
HRESULT CDownload::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
HRESULT CDownload::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

HRESULT CDownload::OnProgress(ULONG progress, ULONG maximum, ULONG status, LPCWSTR text) {
  if (cancelled()) {
    SetState(kDownloadAborted);
    return E_ABORT;
  }
  switch (status) {
    case BINDSTATUS_BEGINDOWNLOADDATA:
    case BINDSTATUS_DOWNLOADINGDATA:
      // Wine's service may report the data only at its beginning and end.
      if (status == BINDSTATUS_DOWNLOADINGDATA) dataReported_ = true;
      SetState(kDownloadRunning);
      SetCounts(uint32_t(progress), uint32_t(maximum));
      FeedRate(uint32_t(progress));
      SetStatus(StatusReportText(status, uint32_t(progress), uint32_t(maximum), TextStyle::kHostPanel));
      break;
    case BINDSTATUS_ENDDOWNLOADDATA:
      // Not complete yet: the result, and the file at its destination, decide.
      dataReported_ = true;
      SetCounts(uint32_t(progress), uint32_t(maximum));
      break;
    case BINDSTATUS_CACHEFILENAMEAVAILABLE: {
      std::lock_guard<std::mutex> guard(lock_);
      cacheFile_ = text != nullptr ? text : L"";
    }
      [[fallthrough]];
    default:
      SetStatus(StatusReportText(status, data_.bytesReceived, data_.bytesExpected, TextStyle::kHostPanel));
      break;
  }
  return S_OK;
}

void CDownload::CatchUpWithCacheFile() {
  if (dataReported_ || state() != kDownloadRunning) return;
  std::wstring file;
  {
    std::lock_guard<std::mutex> guard(lock_);
    file = cacheFile_;
  }
  WIN32_FILE_ATTRIBUTE_DATA facts;
  if (file.empty() || !GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &facts)) return;
  std::lock_guard<std::mutex> guard(lock_);
  // The last report may have come meanwhile; its count is the true one.
  const uint32_t expected = data_.bytesExpected;
  const uint32_t cached = facts.nFileSizeHigh != 0 ? expected : facts.nFileSizeLow;
  if (dataReported_ || cached <= data_.bytesReceived || (expected > 0 && cached > expected)) return;
  data_.bytesReceived = cached;
  text::CopyBounded(data_.status, ProgressText(cached, expected, TextStyle::kHostPanel).c_str());
}

void CDownload::SetStatus(const std::string& text) {
  std::lock_guard<std::mutex> guard(lock_);
  text::CopyBounded(data_.status, text.c_str());
}

std::string CDownload::Status() const {
  std::lock_guard<std::mutex> guard(lock_);
  return std::string(data_.status, strnlen(data_.status, sizeof(data_.status)));
}

void CDownload::SetCounts(uint32_t received, uint32_t expected) {
  std::lock_guard<std::mutex> guard(lock_);
  data_.bytesReceived = received;
  data_.bytesExpected = expected;
}

void CDownload::FeedRate(uint32_t bytes) {
  std::lock_guard<std::mutex> guard(lock_);
  downloads::FeedRate(data_.rate, data_.samples, data_.sampleCount, bytes, GetTickCount());
}

float CDownload::Rate() const {
  std::lock_guard<std::mutex> guard(lock_);
  return data_.rate;
}

void CDownload::SetFallbackReader(Cabinet::CExtractUrl* reader) {
  std::lock_guard<std::mutex> guard(lock_);
  data_.fallbackReader = reader;
}

void CDownload::StopTransfer() {
  IBinding* binding = nullptr;
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (data_.fallbackReader != nullptr) static_cast<Cabinet::CExtractUrl*>(data_.fallbackReader)->Cancel();
    binding = binding_;
    if (binding != nullptr) binding->AddRef();
  }
  // Outside the lock: the service may report the stop on this thread.
  if (binding != nullptr) {
    binding->Abort();
    binding->Release();
  }
}

HRESULT HttpResponseWatch::QueryInterface(REFIID iid, void** object) { return owner_.QueryInterface(iid, object); }
ULONG HttpResponseWatch::AddRef() { return owner_.AddRef(); }
ULONG HttpResponseWatch::Release() { return owner_.Release(); }

HRESULT HttpResponseWatch::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additional) {
  if (additional != nullptr) *additional = nullptr;
  return S_OK;
}

HRESULT HttpResponseWatch::OnResponse(DWORD status, LPCWSTR, LPCWSTR, LPWSTR* additional) {
  if (additional != nullptr) *additional = nullptr;
  status_.store(long(status));
  return S_OK;
}

}  // namespace zelva::downloads
