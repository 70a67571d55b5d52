#include "SettingsModule.h"

#include "NotificationCard.h"
#include "NotificationList.h"
#include "PanelStack.h"
#include "SettingsBox.h"
#include "ThisModule.h"

namespace zelva::settings {
namespace {

// The host's content area at its start-up size: pages made before the first
// Show get a realistic width.
constexpr int kParkingWidth = 820;
constexpr int kParkingHeight = 570;

}  // namespace

PageWindowClasses::PageWindowClasses() {
  registered_ = ui::ObjectWindow<HomePage>::Register(nullptr) != 0 &&
                ui::ObjectWindow<PanelStack>::Register(nullptr) != 0 &&
                ui::ObjectWindow<NotificationList>::Register(nullptr) != 0 &&
                ui::ObjectWindow<NotificationCard>::Register(nullptr) != 0 &&
                ui::ObjectWindow<SettingsBox>::Register(nullptr) != 0;
}

PageWindowClasses::~PageWindowClasses() {
  ui::ObjectWindow<SettingsBox>::Unregister();
  ui::ObjectWindow<NotificationCard>::Unregister();
  ui::ObjectWindow<NotificationList>::Unregister();
  ui::ObjectWindow<PanelStack>::Unregister();
  ui::ObjectWindow<HomePage>::Unregister();
}

SettingsModule::SettingsModule(HostContext& context) : host_(context) {
  host_.Log("Settings Module Loading");
  if (gdiplus_.Start()) style_ = std::make_unique<PageStyle>(context);
}

SettingsModule::~SettingsModule() {
  host_.Log("Settings Module Unloading");
  page_.reset();
  parking_.reset();
  style_.reset();
}

bool SettingsModule::started() const { return gdiplus_.started() && classes_.registered() && style_ != nullptr; }

int32_t SettingsModule::Show(HWND parent) {
  if (parent == nullptr || !IsWindow(parent)) return 0;
  ActivationScope controls(commonControls_);
  if (!EnsurePage()) return 0;
  host_.Log("Showing home page");
  page_->ShowIn(parent);
  return 1;
}

void SettingsModule::Hide() {
  if (page_ != nullptr && page_->window() != nullptr) page_->HideTo(parking_.get());
}

INT_PTR SettingsModule::Execute(int32_t command, INT_PTR first, INT_PTR) {
  switch (command) {
    case kSettingsAddPanel:
      return Add(reinterpret_cast<const PanelRecord*>(first));
    case kSettingsRemovePanel:
      Remove(first);
      return 0;
    case kSettingsHomePressed:
      if (page_ != nullptr && page_->window() != nullptr) page_->ResetView();
      return 0;
    case kSettingsHomeClosesPopup:
      return 0;  // the page opens no pop-ups
    default:
      return kResultUnknown;
  }
}

INT_PTR SettingsModule::Add(const PanelRecord* record) {
  if (record == nullptr) return 0;
  if (record->kind != kPanelNotification && record->kind != kPanelWindow) {
    host_.Log("Record of unknown kind %d refused", record->kind);
    return 0;
  }
  ActivationScope controls(commonControls_);
  if (!EnsurePage()) return 0;
  const INT_PTR handle = NextHandle();
  const bool added = record->kind == kPanelNotification ? page_->notifications().Add(*record, handle)
                                                        : page_->panels().Add(*record, handle);
  return added ? handle : 0;
}

void SettingsModule::Remove(INT_PTR handle) {
  if (handle == 0 || page_ == nullptr || page_->window() == nullptr) return;
  if (!page_->notifications().Remove(handle)) page_->panels().Remove(handle);
}

bool SettingsModule::EnsurePage() {
  if (!started()) return false;
  if (page_ != nullptr && page_->window() != nullptr) return true;
  // A page whose window went down with the host's content area is rebuilt.
  page_.reset();
  if (!parking_ || !IsWindow(parking_.get())) {
    parking_.release();
    parking_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, kParkingWidth, kParkingHeight,
                                   nullptr, nullptr, win::ThisModule(), nullptr));
    if (!parking_) return false;
  }
  auto page = std::make_unique<HomePage>(*style_, host_, panelClasses_);
  if (!page->Create(parking_.get())) return false;
  page_ = std::move(page);
  return true;
}

INT_PTR SettingsModule::NextHandle() {
  // Positive and within 32 bits, as the host's callers store them.
  lastHandle_ = lastHandle_ >= 0x7FFFFFFF ? 1 : lastHandle_ + 1;
  return lastHandle_;
}

}  // namespace zelva::settings
