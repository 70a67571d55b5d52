#include "ModuleLifecycle.h"

#include <commctrl.h>

#include <memory>

#include "Changelog.h"
#include "GdiplusSession.h"
#include "LiveryDownload.h"
#include "LiveryManager.h"
#include "LiveryTables.h"
#include "MenuTree.h"
#include "ModuleContext.h"
#include "ModuleImages.h"
#include "PngResource.h"
#include "ProductDetection.h"
#include "ProductOptionHook.h"
#include "ProductTemplate.h"
#include "ProductWindow.h"
#include "VersionList.h"

namespace zelva::module {
namespace {

// ICC_WIN95_CLASSES | ICC_USEREX_CLASSES
constexpr DWORD kCommonControls = 767;

struct ModuleState {
  win::GdiplusSession gdiplus;
  std::unique_ptr<ProductWindow> window;
  MenuTree menu;
};

ModuleState& State() {
  static ModuleState state;
  return state;
}

}  // namespace

int32_t LoadModule(HostContext* host) {
  if (host == nullptr) return 0;
  SetHost(host);
  SetProductOptionHook(&K50OptionHook);
  ProductInfo& product = Product();
  FillProductTemplate(product);
  Log("\n%s - Product Module Loading\n", product.shortName);

  ModuleState& state = State();
  state.window.reset();
  ModuleVersionList() = VersionList();

  if (!state.gdiplus.Start()) return 0;
  INITCOMMONCONTROLSEX controls = {sizeof(controls), kCommonControls};
  if (!InitCommonControlsEx(&controls)) {
    state.gdiplus.Stop();
    return 0;
  }
  SharedImages().Load();

  DetectProduct(*host, product);
  if (product.version[0] != '\0') BuildVersionList(product, ModuleVersionList());
  if (product.installed) InitializeLiveryManager();
  return 1;
}

void UnloadModule() {
  HideProductWindow();
  if (Product().installed) ReleaseLiveryManager();
  ReleaseNoticeChangelog();
  ReleaseLiveryDownloads();
  ReleaseLiveryTables();
  SharedImages().Release();
  State().gdiplus.Stop();
}

int32_t ShowProductWindow(HWND parent) {
  Log("\n%s - Showing product\n", Product().shortName);
  ModuleState& state = State();
  state.window.reset();
  state.window = std::make_unique<ProductWindow>();
  if (!state.window->Create(parent)) state.window.reset();
  HostContext* host = Host();
  if (host != nullptr) state.menu.Build(*host, Product());
  return 1;
}

void HideProductWindow() {
  ModuleState& state = State();
  state.menu.Clear();
  state.window.reset();
}

void ChangePage(int page) {
  Log("\n%s - Menu changed to page %d\n", Product().shortName, page);
  if (ProductWindow* window = CurrentProductWindow()) window->ShowPage(page);
}

ProductWindow* CurrentProductWindow() { return State().window.get(); }

}  // namespace zelva::module
