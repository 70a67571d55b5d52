// Everything the settings module holds between its load and its unload, and
// its answers to the host's calls.
#pragma once

#include <windows.h>

#include <memory>

#include "ActivationContext.h"
#include "GdiplusSession.h"
#include "Handles.h"
#include "HomePage.h"
#include "HostLink.h"
#include "PageStyle.h"
#include "PanelClassRegistry.h"
#include "ZelvaContract.h"

namespace zelva::settings {

// The module's own window classes, registered for its lifetime.
class PageWindowClasses {
 public:
  PageWindowClasses();
  ~PageWindowClasses();
  PageWindowClasses(const PageWindowClasses&) = delete;
  PageWindowClasses& operator=(const PageWindowClasses&) = delete;
  bool registered() const { return registered_; }

 private:
  bool registered_ = false;
};

class SettingsModule {
 public:
  explicit SettingsModule(HostContext& context);
  ~SettingsModule();
  SettingsModule(const SettingsModule&) = delete;
  SettingsModule& operator=(const SettingsModule&) = delete;

  // False when GDI+ or the window classes are unavailable.
  bool started() const;

  int32_t Show(HWND parent);
  void Hide();
  INT_PTR Execute(int32_t command, INT_PTR first, INT_PTR second);

 private:
  INT_PTR Add(const PanelRecord* record);
  void Remove(INT_PTR handle);
  bool EnsurePage();
  INT_PTR NextHandle();

  // Declaration order is teardown order, reversed: windows go before their
  // classes, fonts and GDI+.
  HostLink host_;
  win::GdiplusSession gdiplus_;
  ActivationContext commonControls_;
  PageWindowClasses classes_;
  PanelClassRegistry panelClasses_;
  std::unique_ptr<PageStyle> style_;
  win::WindowHandle parking_;
  std::unique_ptr<HomePage> page_;
  INT_PTR lastHandle_ = 0;
};

}  // namespace zelva::settings
