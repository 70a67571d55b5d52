#include "SoundPage.h"

#include "ModuleContext.h"
#include "SoundDownload.h"
#include "SoundPageIds.h"
#include "SoundRules.h"
#include "SoundWork.h"

namespace zelva::module {
namespace {

constexpr UINT kStartMessage = WM_APP + 40;
// Timers: one per set while its download runs (its index), and the retry of
// an examination that waited for the host's working dialog.
constexpr UINT kProgressTimerMs = 500;
constexpr UINT_PTR kRetryTimer = 100;
constexpr UINT kRetryTimerMs = 250;
constexpr int kNothingPending = -2;
constexpr int kEverySet = -1;

void LoadHostImage(images::PngImage& image, const char* name) {
  HostContext* host = Host();
  INT_PTR resource = CallHost(kHostFindImage, name);
  if (host != nullptr && resource > 0) image.Load(int(resource), host->hostInstance);
}

void Place(HWND control, int x, int y, int width, int height, bool visible) {
  if (control == nullptr) return;
  SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  if (bool(IsWindowVisible(control)) != visible) ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

void PlaceInBody(HWND control, const RECT& body, const SoundButtonPlace& place, bool visible) {
  Place(control, body.left + place.x, body.top + place.y, place.width, place.height, visible);
}

// Another's working dialog, or any modal window of the main window: a
// notification can be dispatched by that dialog's own message loop, even
// after its dialog has been marked closed, and a working dialog run from
// there would nest inside it.
bool WorkingDialogBusy() {
  const HostContext* host = Host();
  if (host != nullptr && host->mainWindow != nullptr && !IsWindowEnabled(host->mainWindow)) return true;
  return CallHost(kHostIsWorkingDialogOpen) == 1;
}

}  // namespace

std::unique_ptr<Page> SoundPage::Create(int, int dialogTemplate, HWND area, HWND) {
  std::unique_ptr<SoundPage> page(new SoundPage);
  if (CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(dialogTemplate), area, &SoundPage::DialogProcedure,
                         reinterpret_cast<LPARAM>(page.get())) == nullptr)
    return nullptr;
  return page;
}

SoundPage::~SoundPage() {
  *alive_ = false;
  ForgetSoundPageWindow(window());
  DestroyWindowNow();
}

INT_PTR SoundPage::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog();
      return FALSE;
    case kStartMessage:
      Examine(kEverySet);
      return TRUE;
    case kSoundSetChangedMessage:
      OnSetChanged(int(w));
      return TRUE;
    case WM_TIMER:
      OnTimer(w);
      return TRUE;
    case WM_COMMAND:
      if (HIWORD(w) == BN_CLICKED) OnCommand(LOWORD(w));
      return TRUE;
    case WM_SIZE:
      LayOut();
      return TRUE;
    case WM_ERASEBKGND:
      return DialogResult(1);
    case WM_PAINT: {
      win::PaintScope paint(window());
      Paint(paint.dc());
      return TRUE;
    }
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_DESTROY:
      ForgetSoundPageWindow(window());
      return FALSE;
  }
  return FALSE;
}

void SoundPage::OnInitDialog() {
  LoadImages();
  RebuildSoundSetRecords();
  count_ = SoundSets().count;
  for (int index = 0; index < count_; ++index) CreateControls(index);
  // Room for every panel open: the product window scrolls the page.
  SetWindowPos(window(), nullptr, 0, 0, kSoundPageWidth, SoundPageHeight(count_),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
  SetSoundPageWindow(window());
  // The folders are examined once the page stands in the product window.
  PostMessageA(window(), kStartMessage, 0, 0);
}

void SoundPage::LoadImages() {
  LoadHostImage(images_.headerBar, "Blue Header Bar");
  LoadHostImage(images_.collapse, "Header Collapse Button");
  LoadHostImage(images_.expand, "Header Expand Button");
  LoadHostImage(images_.radioOn, "Radio Button On");
  LoadHostImage(images_.radioOff, "Radio Button Off");
  LoadHostImage(images_.button, "Large Button");
  LoadHostImage(images_.troughLeft, "Progress Bar Background Left");
  LoadHostImage(images_.troughCenter, "Progress Bar Background Center");
  LoadHostImage(images_.troughRight, "Progress Bar Background Right");
  LoadHostImage(images_.fillStart, "Progress Bar Progress Start");
  LoadHostImage(images_.fillLight, "Progress Bar Progress Light");
  LoadHostImage(images_.fillDark, "Progress Bar Progress Dark");
  LoadHostImage(images_.fillEnd, "Progress Bar Progress End");
}

void SoundPage::CreateControls(int index) {
  const SoundSetRecord& record = SoundSets().records[index];
  const bool exterior = record.kind == SoundKind::kExterior;
  auto make = [&](const char* text, int id) {
    return CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_TABSTOP | BS_OWNERDRAW, 0, 0, 0, 0, window(),
                           reinterpret_cast<HMENU>(INT_PTR(id + index)), ModuleInstance(), nullptr);
  };
  PanelControls& controls = controls_[index];
  controls.collapse = make("Collapse", IDC_SOUND_COLLAPSE);
  controls.first = make(exterior ? "Stereo Sounds" : "Stock Sounds", IDC_SOUND_FIRST);
  controls.second = make(exterior ? "5.1 Surround Sounds" : "22KHz Sounds", IDC_SOUND_SECOND);
  controls.download = make("Download", IDC_SOUND_DOWNLOAD);
}

SoundPanelPlace SoundPage::PanelOf(int index) const {
  RECT client = {};
  GetClientRect(window(), &client);
  int bodyHeights[kMaxSoundSets] = {};
  for (int i = 0; i < count_; ++i)
    bodyHeights[i] = collapsed_[i] ? 0 : SoundBodyHeight(SoundSets().records[i].downloaded);
  return PlaceSoundPanel(index, int(client.right), bodyHeights);
}

RECT SoundPage::ProgressArea(int index) const {
  const RECT body = PanelOf(index).body;
  return {body.left + kBarLeft, body.top + kBarTop, body.right, body.top + kStatusTop + kSoundTextHeight};
}

void SoundPage::LayOut() {
  for (int index = 0; index < count_; ++index) {
    const SoundSetRecord& record = SoundSets().records[index];
    const PanelControls& controls = controls_[index];
    const SoundPanelPlace place = PanelOf(index);
    const bool open = !collapsed_[index];
    Place(controls.collapse, place.header.right - kCollapsePlace.x, place.header.top + kCollapsePlace.y,
          kCollapsePlace.width, kCollapsePlace.height, true);
    SetWindowTextA(controls.collapse, open ? "Collapse" : "Expand");
    // Each option button carries whether it shows as on.
    SetWindowLongPtrA(controls.first, GWLP_USERDATA, record.active == sound::kFirstAlternative);
    SetWindowLongPtrA(controls.second, GWLP_USERDATA, record.active == sound::kSecondAlternative);
    PlaceInBody(controls.first, place.body, kFirstOption, open && record.downloaded);
    PlaceInBody(controls.second, place.body, kSecondOption, open && record.downloaded);
    SetWindowTextA(controls.download, SoundDownloadRunning(index) ? "Abort" : "Download");
    PlaceInBody(controls.download, place.body, kDownloadPlace, open && !record.downloaded);
    InvalidateRect(controls.first, nullptr, FALSE);
    InvalidateRect(controls.second, nullptr, FALSE);
    InvalidateRect(controls.download, nullptr, FALSE);
  }
  InvalidateRect(window(), nullptr, FALSE);
}

void SoundPage::OnCommand(int id) {
  auto indexFrom = [](int id, int base) { return id >= base && id < base + kMaxSoundSets ? id - base : -1; };
  int index;
  if ((index = indexFrom(id, IDC_SOUND_COLLAPSE)) >= 0 && index < count_) {
    collapsed_[index] = !collapsed_[index];
    LayOut();
  } else if ((index = indexFrom(id, IDC_SOUND_FIRST)) >= 0 && index < count_) {
    Install(index, sound::kFirstAlternative);
  } else if ((index = indexFrom(id, IDC_SOUND_SECOND)) >= 0 && index < count_) {
    Install(index, sound::kSecondAlternative);
  } else if ((index = indexFrom(id, IDC_SOUND_DOWNLOAD)) >= 0 && index < count_) {
    if (SoundDownloadRunning(index))
      AbortSoundDownload(index);
    else
      StartDownload(index);
  }
}

void SoundPage::Examine(int only) {
  if (WorkingDialogBusy()) {
    // Another examination waiting as well widens this one to every set.
    pendingExamination_ = pendingExamination_ == kNothingPending || pendingExamination_ == only ? only : kEverySet;
    SetTimer(window(), kRetryTimer, kRetryTimerMs, nullptr);
    return;
  }
  KillTimer(window(), kRetryTimer);
  pendingExamination_ = kNothingPending;
  SoundSetTable& table = SoundSets();
  SoundSetState states[kMaxSoundSets];
  const int count = count_;
  // The page may be gone when the dialog's own message loop returns.
  std::shared_ptr<bool> alive = alive_;
  RunUnderWorkingDialog([&] {
    for (int index = 0; index < count; ++index)
      if (only == kEverySet || only == index) states[index] = ExamineSoundSet(table.records[index]);
  });
  if (!*alive) return;
  Log("\n%s - Sound sets examined\n", Product().shortName);
  for (int index = 0; index < count; ++index) {
    if (only != kEverySet && only != index) continue;
    table.records[index].downloaded = states[index].downloaded;
    table.records[index].active = states[index].active;
    Log("\t%s: downloaded %d, active set %d\n", table.records[index].name, int(states[index].downloaded),
        states[index].active);
  }
  LayOut();
  if (only == kEverySet) FollowDownloads();
}

void SoundPage::Install(int index, int alternative) {
  if (WorkingDialogBusy()) return;
  std::shared_ptr<bool> alive = alive_;
  SoundSetRecord& record = SoundSets().records[index];
  SoundSetState state;
  RunUnderWorkingDialog([&] { state = InstallSoundSet(record, alternative); });
  if (!*alive) return;
  record.downloaded = state.downloaded;
  record.active = state.active;
  LayOut();
}

void SoundPage::StartDownload(int index) {
  if (!StartSoundDownload(index)) return;
  SetTimer(window(), UINT_PTR(index), kProgressTimerMs, nullptr);
  LayOut();
}

// Downloads that run since before the page opened go on showing their progress.
void SoundPage::FollowDownloads() {
  for (int index = 0; index < count_; ++index)
    if (SoundDownloadRunning(index)) SetTimer(window(), UINT_PTR(index), kProgressTimerMs, nullptr);
}

void SoundPage::OnTimer(UINT_PTR id) {
  if (id == kRetryTimer) {
    if (pendingExamination_ != kNothingPending) Examine(pendingExamination_);
    return;
  }
  if (id >= UINT_PTR(count_)) return;
  if (!SoundDownloadRunning(int(id))) {
    KillTimer(window(), id);
    return;
  }
  RECT area = ProgressArea(int(id));
  InvalidateRect(window(), &area, FALSE);
}

void SoundPage::OnSetChanged(int index) {
  if (index < 0 || index >= count_) return;
  KillTimer(window(), UINT_PTR(index));
  LayOut();
  Examine(index);
}

}  // namespace zelva::module
