// One download of the host's download manager: the platform's bind-status
// callback, and the object modules receive from host command 21 and read at
// fixed offsets (DownloadObjectView). The fixed fields come first, right
// after the interface pointer; what only the host uses follows them.
#pragma once

#include <windows.h>
#include <urlmon.h>

#include <atomic>
#include <mutex>
#include <string>

#include "ZelvaContract.h"

namespace Cabinet {
class CExtractUrl;
}

namespace zelva::downloads {

class CDownload;

// The HTTP answer as the platform hands it on: Wine's URL service reports
// success for error pages and cut-off bodies, so the status is kept to judge
// the result by.
class HttpResponseWatch final : public IHttpNegotiate {
 public:
  explicit HttpResponseWatch(CDownload& owner) : owner_(owner) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD, LPWSTR* additional) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR, LPCWSTR, LPWSTR* additional) override;

  // The last status code; -1 while no response came.
  long status() const { return status_.load(); }

 private:
  CDownload& owner_;
  std::atomic<long> status_{-1};
};

class CDownload final : public IBindStatusCallback {
 public:
  // Copies the request with every text terminated inside its field and loads
  // the panel's images; state 0, no rate yet.
  explicit CDownload(const DownloadRequest& request);
  ~CDownload();
  CDownload(const CDownload&) = delete;
  CDownload& operator=(const CDownload&) = delete;

  // IUnknown: the count only counts, the manager owns the object.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IBindStatusCallback
  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding* binding) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override;
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override;
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG maximum, ULONG status, LPCWSTR text) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override;
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override;
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override;

  DownloadObjectData& data() { return data_; }
  DownloadRequest& request() { return data_.request; }
  const DownloadRequest& request() const { return data_.request; }

  DownloadState state() const { return DownloadState(data_.state); }
  void SetState(DownloadState state) { data_.state = state; }
  bool cancelled() const { return data_.cancel != 0; }
  // Sets the cancel flag; true only for the call that set it.
  bool MarkCancelled() { return InterlockedExchange(&data_.cancel, 1) == 0; }
  bool IsProductUpdater() const { return (data_.request.flags & kDownloadProductUpdater) != 0; }

  // Fields that the worker, its progress thread and the panel share.
  void SetStatus(const std::string& text);
  std::string Status() const;
  void SetCounts(uint32_t received, uint32_t expected);
  void FeedRate(uint32_t bytes);
  float Rate() const;

  // Where the service sends no data reports between the first and the last
  // (Wine's, on a fast line), the count is read off the cache file it fills;
  // the panel's timer asks.
  void CatchUpWithCacheFile();

  // The fallback reader while state 6 lasts; Cancel reaches it under the lock.
  void SetFallbackReader(Cabinet::CExtractUrl* reader);
  // Stops whatever transfer runs: the platform's binding or the fallback reader.
  void StopTransfer();

  const HttpResponseWatch& response() const { return response_; }

 private:
  DownloadObjectData data_;    // the first member: modules read it at fixed offsets
  mutable std::mutex lock_;    // the rate ring, the status text, the binding and the reader
  IBinding* binding_ = nullptr;
  HttpResponseWatch response_{*this};
  std::wstring cacheFile_;
  std::atomic<bool> dataReported_{false};

 public:
  // Bookkeeping of the manager (UI thread), after the fixed fields.
  bool started = false;        // counted as running
};

}  // namespace zelva::downloads
