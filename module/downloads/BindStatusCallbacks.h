// Callbacks of the module's own URLDownloadToFileA calls for small files
// (livery catalogue, sound packages): the transfer's progress goes to line 2
// of the host's working dialog; the debug form also logs the HTTP exchange.
#pragma once

#include <windows.h>
#include <urlmon.h>

namespace zelva::module {

class CMyBindStatusCallback : public IBindStatusCallback {
 public:
  CMyBindStatusCallback() = default;
  virtual ~CMyBindStatusCallback() = default;
  CMyBindStatusCallback(const CMyBindStatusCallback&) = delete;
  CMyBindStatusCallback& operator=(const CMyBindStatusCallback&) = delete;

  // IUnknown: the count only counts; the caller owns the object.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IBindStatusCallback; progress never aborts the transfer.
  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override;
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override;
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override;
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG maximum, ULONG status, LPCWSTR text) override;
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR text) override;
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override;
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override;
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override;

 private:
  LONG references_ = 0;
};

class CMyDebugBindStatusCallback final : public CMyBindStatusCallback, public IHttpSecurity, public IHttpNegotiate {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return CMyBindStatusCallback::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CMyBindStatusCallback::Release(); }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR text) override;
  // IWindowForBindingUI and IHttpSecurity: problems are logged and left to
  // the service's own judgement.
  HRESULT STDMETHODCALLTYPE GetWindow(REFGUID, HWND* window) override;
  HRESULT STDMETHODCALLTYPE OnSecurityProblem(DWORD problem) override;
  // IHttpNegotiate
  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD,
                                                 LPWSTR* additional) override;
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR responseHeaders, LPCWSTR requestHeaders,
                                       LPWSTR* additional) override;
};

}  // namespace zelva::module
