#include "CatalogueLoad.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include "BindStatusCallbacks.h"
#include "DownloadText.h"
#include "ExtractUrl.h"
#include "Handles.h"
#include "InstallMessages.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryTables.h"
#include "ModuleContext.h"
#include "ThreadWait.h"
#include "ProfileDocument.h"
#include "WideText.h"
#include "WorkFolders.h"

namespace zelva::module {
namespace {

constexpr size_t kLargestCatalogue = size_t(32) << 20;
constexpr char kTlsMessage[] =
    "TLS 1.2 is disabled in your Windows installation.\n\nPlease enable in Control Panel/Internet Options/Advanced "
    "tab for proper downloading of HDK content.";

// The URL service saves a server's error page as if it were the file asked
// for and reports success: the HTTP status tells.
class CatalogueBinding final : public CMyBindStatusCallback, public IHttpNegotiate {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr || iid != IID_IHttpNegotiate) return CMyBindStatusCallback::QueryInterface(iid, object);
    *object = static_cast<IHttpNegotiate*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return CMyBindStatusCallback::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CMyBindStatusCallback::Release(); }
  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additional) override {
    if (additional != nullptr) *additional = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD status, LPCWSTR, LPCWSTR, LPWSTR* additional) override {
    if (additional != nullptr) *additional = nullptr;
    status_ = status;
    return S_OK;
  }
  // No status (not HTTP) or a 2xx one.
  bool ServedTheFile() const { return status_ == 0 || (status_ >= 200 && status_ < 300); }

 private:
  DWORD status_ = 0;
};

bool Fetch(const std::string& url, const std::string& local) {
  DeleteUrlCacheEntryA(downloads::CacheEntryUrl(url.c_str()).c_str());
  CatalogueBinding binding;
  if (SUCCEEDED(URLDownloadToFileA(nullptr, url.c_str(), local.c_str(), 0, &binding)) && binding.ServedTheFile())
    return true;
  Log("\n%s - The URL service could not fetch %s; trying the package reader\n", Product().shortName, url.c_str());
  Cabinet::CExtractUrl reader;
  if (!reader.OpenDecoder()) return false;
  const std::wstring wideUrl = win::WideFromAnsi(url.c_str());
  const std::wstring wideLocal = win::WideFromAnsi(local.c_str());
  bool fetched = reader.DownloadAndExtract(wideUrl.c_str(), wideLocal.c_str(), 0, nullptr, 0);
  reader.CloseDecoder();
  return fetched;
}

DWORD WINAPI CatalogueThread(void* parameter) {
  HostContext* host = Host();
  // Waits until the working dialog exists, so that closing it below cannot come first.
  if (host != nullptr && host->setWorkingDialogLayout != nullptr) host->setWorkingDialogLayout(2);
  *static_cast<bool*>(parameter) = LoadCatalogue();
  if (host != nullptr && host->closeWorkingDialog != nullptr) host->closeWorkingDialog();
  return 0;
}

}  // namespace

void MergeCatalogue(const std::string& catalogueBytes) {
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    if (!Tables().loaded) {
      for (LiveryTable& table : Tables().variants) table.clear();
      Tables().loaded = true;
    }
  }
  const profile::Document catalogue(catalogueBytes);
  const ProductInfo& product = Product();
  for (int variant = 0; variant < product.variantCount && variant < kMaxVariants; ++variant) {
    if (!IsCatalogueVariant(variant)) continue;
    const std::string section =
        livery::CatalogueSectionName(product.packageAircraftName, product.variants[variant].name);
    livery::CatalogueSection read = livery::ReadCatalogueSection(catalogue, section);
    for (const std::string& refused : read.refused)
      Log("\n%s - Catalogue entry skipped, its file name is no plain name: \"%s\"\n", product.shortName,
          refused.c_str());
    bool full = false;
    for (const livery::CatalogueRecord& record : read.records) {
      const bool installed = IsLiveryInstalled(variant, record.name.c_str());
      std::lock_guard<std::mutex> guard(TablesLock());
      LiveryTable& table = Tables().variants[size_t(variant)];
      size_t index = 0;
      if (livery::MergeCatalogueRecord(table, record, &index) == livery::MergeOutcome::kTableFull) {
        full = true;
        continue;
      }
      table[index].variant = variant;
      table[index].installed = installed;
    }
    if (full)
      Log("\n%s - [%s] offers more than %d liveries; the rest are not shown\n", product.shortName, section.c_str(),
          int(livery::kCatalogueTableLimit));
  }
}

bool LoadCatalogue() {
  HostContext* host = Host();
  if (host == nullptr) return false;
  SetBusyText(1, "Downloading Livery Data...");
  files::WorkFolder work;
  if (!work.ok()) return false;
  const std::string url = std::string(host->liveriesServer) + "/Liveries";
  const std::string local = work.File("Liveries.ini");
  std::string bytes;
  if (!Fetch(url, local) || !ReadFileUpTo(local.c_str(), kLargestCatalogue, bytes)) {
    Log("\n%s - The livery catalogue could not be downloaded: %s\n", Product().shortName, url.c_str());
    MessageBoxA(host->mainWindow, kTlsMessage, "Error", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  MergeCatalogue(bytes);
  return true;
}

bool LoadCatalogueUnderWorkingDialog() {
  bool loaded = false;
  win::KernelHandle thread(CreateThread(nullptr, 0, &CatalogueThread, &loaded, 0, nullptr));
  if (!thread.valid()) return false;
  HostContext* host = Host();
  if (host != nullptr && host->runWorkingDialog != nullptr) host->runWorkingDialog();
  WaitAnsweringSentMessages(thread.get());
  return loaded;
}

}  // namespace zelva::module
