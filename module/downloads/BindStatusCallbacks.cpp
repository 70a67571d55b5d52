#include "BindStatusCallbacks.h"

#include <string>

#include "DownloadText.h"
#include "ModuleContext.h"

namespace zelva::module {
namespace {

constexpr size_t kDialogLineChars = 499;

const wchar_t* OrEmpty(const wchar_t* text) { return text != nullptr ? text : L""; }

}  // namespace

HRESULT CMyBindStatusCallback::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid != IID_IUnknown && iid != IID_IBindStatusCallback) return E_NOINTERFACE;
  *object = static_cast<IBindStatusCallback*>(this);
  AddRef();
  return S_OK;
}

ULONG CMyBindStatusCallback::AddRef() { return ULONG(InterlockedIncrement(&references_)); }
ULONG CMyBindStatusCallback::Release() { return ULONG(InterlockedDecrement(&references_)); }
HRESULT CMyBindStatusCallback::OnStartBinding(DWORD, IBinding*) { return E_NOTIMPL; }
HRESULT CMyBindStatusCallback::GetPriority(LONG*) { return E_NOTIMPL; }
HRESULT CMyBindStatusCallback::OnLowResource(DWORD) { return S_OK; }
HRESULT CMyBindStatusCallback::OnStopBinding(HRESULT, LPCWSTR) { return E_NOTIMPL; }
HRESULT CMyBindStatusCallback::GetBindInfo(DWORD*, BINDINFO*) { return E_NOTIMPL; }
HRESULT CMyBindStatusCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }
HRESULT CMyBindStatusCallback::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

HRESULT CMyBindStatusCallback::OnProgress(ULONG progress, ULONG maximum, ULONG status, LPCWSTR) {
  std::string text = downloads::StatusReportText(uint32_t(status), uint32_t(progress), uint32_t(maximum),
                                                 downloads::TextStyle::kModuleDialog);
  HostContext* host = Host();
  if (text.empty() || host == nullptr || host->setWorkingDialogText == nullptr) return S_OK;
  if (text.size() > kDialogLineChars) text.resize(kDialogLineChars);
  host->setWorkingDialogText(2, text.c_str());
  return S_OK;
}

HRESULT CMyDebugBindStatusCallback::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (iid == IID_IHttpSecurity || iid == IID_IWindowForBindingUI) {
    *object = static_cast<IHttpSecurity*>(this);
  } else if (iid == IID_IHttpNegotiate) {
    *object = static_cast<IHttpNegotiate*>(this);
  } else {
    return CMyBindStatusCallback::QueryInterface(iid, object);
  }
  AddRef();
  return S_OK;
}

HRESULT CMyDebugBindStatusCallback::OnStopBinding(HRESULT result, LPCWSTR text) {
  Log("OnStopBinding: %d\n%ls\n\n", int(result), OrEmpty(text));
  return E_NOTIMPL;
}

HRESULT CMyDebugBindStatusCallback::GetWindow(REFGUID, HWND* window) {
  if (window == nullptr) return E_INVALIDARG;
  HostContext* host = Host();
  *window = host != nullptr ? host->mainWindow : nullptr;
  return S_OK;
}

HRESULT CMyDebugBindStatusCallback::OnSecurityProblem(DWORD problem) {
  Log("OnSecurityProblem: %d\n\n", int(problem));
  return S_FALSE;
}

HRESULT CMyDebugBindStatusCallback::BeginningTransaction(LPCWSTR url, LPCWSTR headers, DWORD, LPWSTR* additional) {
  if (additional != nullptr) *additional = nullptr;
  Log("BeginningTransaction: %ls\n\nHeaders: %ls\n\n", OrEmpty(url), OrEmpty(headers));
  return S_OK;
}

HRESULT CMyDebugBindStatusCallback::OnResponse(DWORD status, LPCWSTR responseHeaders, LPCWSTR requestHeaders,
                                               LPWSTR* additional) {
  if (additional != nullptr) *additional = nullptr;
  Log("OnResponse: %d\n\tSent: %ls\n\tRec: %ls\n\n", int(status), OrEmpty(requestHeaders), OrEmpty(responseHeaders));
  return S_OK;
}

}  // namespace zelva::module
