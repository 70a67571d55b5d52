#include "DocumentationPage.h"
#include "DocumentationResources.h"
#include "LiveryDownloaderIds.h"
#include "LiveryDownloaderPage.h"
#include "LiveryManagerIds.h"
#include "LiveryManagerPage.h"
#include "ModuleResources.h"
#include "OptionsPage.h"
#include "OptionsResources.h"
#include "Page.h"
#include "PageDialog.h"
#include "PanelPage.h"
#include "PanelResources.h"
#include "ProductPage.h"
#include "SoundPage.h"
#include "SoundPageIds.h"
#include "VersionPage.h"
#include "VersionPageIds.h"

namespace zelva::module {
namespace {

// One row per page; a page's own room adds its factory here.
const PageEntry kPages[kPageCount] = {
    {IDD_PAGE_HOME, IDP_PAGE_HEADER, &ProductPage::CreateHome},  // product home page
    {IDD_LIVERY_MANAGER, IDP_PAGE_HEADER, &LiveryManagerPage::Create},  // Livery Manager
    {IDD_PAGE_PERFORMANCE, IDP_PAGE_HEADER, nullptr},  // second options view
    {IDD_DOCS_PAGE, IDP_PAGE_HEADER, &DocumentationPage::Create},  // Documentation
    {IDD_OPTIONS_PAGE, IDP_PAGE_HEADER, &OptionsPage::Create},  // Aircraft Specific Settings
    {IDD_PAGE_VERSION, IDP_PAGE_HEADER, &CreateVersionPage},  // Version
    {IDD_LIVERY_DOWNLOADER, IDP_PAGE_HEADER, &LiveryDownloaderPage::Create},  // Livery Downloader
    {IDD_PANEL_PAGE, IDP_PAGE_HEADER, &PanelPage::Create},  // panel display settings
    {IDD_SOUND_PAGE, IDP_PAGE_HEADER, &SoundPage::Create},  // Sound Settings
    {IDD_PAGE_EXPANSIONS, IDP_EXPANSIONS_HEADER, &ProductPage::CreateExpansions},
};

}  // namespace

const PageEntry* FindPage(int page) { return page >= 0 && page < kPageCount ? &kPages[page] : nullptr; }

std::unique_ptr<Page> CreatePage(int page, HWND area, HWND productWindow) {
  const PageEntry* entry = FindPage(page);
  if (entry == nullptr) return nullptr;
  PageFactory create = entry->create != nullptr ? entry->create : &PageDialog::Create;
  return create(page, entry->dialogTemplate, area, productWindow);
}

}  // namespace zelva::module
