#include "LiveryDownloaderPage.h"

#include "CatalogueLoad.h"
#include "DownloaderStatus.h"
#include "DownloaderText.h"
#include "LiveryDownload.h"
#include "LiveryDownloaderIds.h"
#include "LiveryTables.h"
#include "LiveryUpdater.h"
#include "ModuleContext.h"
#include "WideText.h"

namespace zelva::module {
namespace {

// The catalogue loads once the page shows, not while the product window makes it.
constexpr UINT kStartMessage = WM_APP + 7;
constexpr UINT_PTR kTimer = 1;
constexpr UINT kTimerPeriod = 250;
constexpr wchar_t kLegend[] =
    L"(      - livery has fully accurate and verified airline options configuration included)";

Gdiplus::Color PageColour() {
  return Gdiplus::Color(0xFF, GetRValue(kPageColour), GetGValue(kPageColour), GetBValue(kPageColour));
}

}  // namespace

std::unique_ptr<Page> LiveryDownloaderPage::Create(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<LiveryDownloaderPage> page(new LiveryDownloaderPage());
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area,
                         &LiveryDownloaderPage::DialogProcedure, reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  ShowWindow(page->window(), SW_SHOW);
  return page;
}

LiveryDownloaderPage::~LiveryDownloaderPage() {
  // Abort flag, cancelled read, and a wait: the thread ends by itself.
  SetLiveryList(nullptr);
  processing_.Stop();
  if (timer_ && window() != nullptr) KillTimer(window(), kTimer);
  DestroyWindowNow();
}

void LiveryDownloaderPage::OnInitialise() {
  skin_.Load();
  list_.Create(GetDlgItem(window(), IDC_DOWNLOADER_LIST), skin_);
  PostMessageA(window(), kStartMessage, 0, 0);
}

void LiveryDownloaderPage::OnStart() {
  HostContext* host = Host();
  if (host != nullptr && host->liveriesServer[0] != '\0') LoadCatalogueUnderWorkingDialog();
  list_.Refresh();
  SetLiveryList(list_.window());
  processing_.Start(list_.window());
  FollowDownloads();
}

void LiveryDownloaderPage::FollowDownloads() {
  if (!timer_) timer_ = SetTimer(window(), kTimer, kTimerPeriod, nullptr) != 0;
}

void LiveryDownloaderPage::OnTimer() {
  FinishPendingInstallations();
  if (AnyDownloadOrInstallation()) {
    InvalidateRect(list_.window(), nullptr, FALSE);
    return;
  }
  KillTimer(window(), kTimer);
  timer_ = false;
  list_.Refresh();
}

void LiveryDownloaderPage::ShowStatus() {
  SetDlgItemTextA(window(), IDC_DOWNLOADER_STATUS, DownloaderStatus().c_str());
}

void LiveryDownloaderPage::OnRowButton(int variant, int row) {
  if (variant < 0 || variant >= kMaxVariants) return;
  LiveryTable& table = Tables().variants[size_t(variant)];
  if (row < 0 || size_t(row) >= table.size()) return;
  LiveryCatalogEntry& entry = table[size_t(row)];
  livery::RowState state;
  {
    std::lock_guard<std::mutex> guard(TablesLock());
    state.installed = entry.installed;
    state.updateAvailable = entry.updateAvailable;
    state.downloading = entry.downloading || entry.installPending;
    state.hasDownload = entry.download != nullptr;
  }
  switch (livery::RowButtonAction(state)) {
    case livery::RowAction::kDownload:
      StartLiveryDownload(entry);
      FollowDownloads();
      break;
    case livery::RowAction::kAbort:
      AbortLiveryDownload(entry);
      break;
    case livery::RowAction::kUpdate:
      UpdateLiveryUnderWorkingDialog(entry);
      break;
    case livery::RowAction::kNone:
      break;
  }
  list_.Refresh();
}

void LiveryDownloaderPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const RECT& r = item.rcItem;
  Gdiplus::Graphics graphics(item.hDC);
  graphics.Clear(PageColour());
  graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
  graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
  const float height = float(r.bottom - r.top);
  if (item.CtlID == IDC_DOWNLOADER_TITLE) {
    if (skin_.title) {
      const float scale = height / float(skin_.title.height());
      graphics.DrawImage(skin_.title.get(), Gdiplus::RectF(0, 0, float(skin_.title.width()) * scale, height));
    } else {
      Gdiplus::Font font(L"Arial", height * 0.6f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
      Gdiplus::SolidBrush blue{Gdiplus::Color(0xFF102E5C)};
      graphics.DrawString(L"Livery Downloader", -1, &font, Gdiplus::PointF(6, height * 0.15f), &blue);
    }
    return;
  }
  if (item.CtlID != IDC_DOWNLOADER_LEGEND) return;
  Gdiplus::Font font(L"Arial", height * 0.8f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
  Gdiplus::SolidBrush grey{Gdiplus::Color(0xFF505050)};
  graphics.DrawString(kLegend, -1, &font, Gdiplus::PointF(0, 0), &grey);
  // The icon sits in the gap the blanks leave after the parenthesis.
  Gdiplus::RectF opening;
  graphics.MeasureString(L"(", 1, &font, Gdiplus::PointF(0, 0), &opening);
  if (skin_.configAccurate)
    graphics.DrawImage(skin_.configAccurate.get(), Gdiplus::RectF(opening.Width, 0, height, height));
}

INT_PTR LiveryDownloaderPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitialise();
      return TRUE;
    case kStartMessage:
      OnStart();
      return TRUE;
    case WM_TIMER:
      if (w == kTimer) OnTimer();
      return TRUE;
    case kEntryChangedMessage:
      ShowStatus();
      return TRUE;
    case kRowButtonMessage:
      OnRowButton(int(w), int(l));
      return TRUE;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG: {
      static HBRUSH page = CreateSolidBrush(kPageColour);
      SetBkColor(reinterpret_cast<HDC>(w), kPageColour);
      return reinterpret_cast<INT_PTR>(page);
    }
    default:
      return FALSE;
  }
}

}  // namespace zelva::module
