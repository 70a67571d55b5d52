// The kind-2 panels of the home page (downloads), stacked in the order they
// came, each a child window run by its producer's window procedure.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "HostLink.h"
#include "ObjectWindow.h"
#include "PageStyle.h"
#include "PanelClassRegistry.h"
#include "VerticalScroller.h"

namespace zelva::settings {

class PanelStackObserver {
 public:
  virtual void OnPanelStackChanged() = 0;

 protected:
  ~PanelStackObserver() = default;
};

class PanelStack : public ui::ObjectWindow<PanelStack> {
 public:
  static constexpr const wchar_t* kClassName = L"ZelvaPanelStack";

  PanelStack(const PageStyle& style, const HostLink& host, PanelClassRegistry& classes,
             PanelStackObserver& observer);
  ~PanelStack();

  bool Create(HWND page, int id);

  // Creates the panel's window with the address of the module's copy of the
  // record as its creation parameter.
  bool Add(const PanelRecord& record, INT_PTR handle);
  // Destroys the panel's window at once: its producer may free what the
  // record points to right after. False when no panel has that handle.
  bool Remove(INT_PTR handle);

  int count() const { return static_cast<int>(panels_.size()); }
  int ContentHeight() const;
  bool CanScroll() const { return scroller_.needed(); }
  void OnWheel(int delta);
  void ResetView();

 private:
  friend class ui::ObjectWindow<PanelStack>;
  static constexpr UINT kPurgeMessage = WM_APP + 1;
  static constexpr UINT kRelayoutMessage = WM_APP + 2;

  struct Panel {
    INT_PTR handle;
    std::unique_ptr<PanelRecord> record;
    HWND window;
  };

  static LRESULT CALLBACK PanelSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR stack);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPanelWindowGone(HWND window);
  void Retire(std::unique_ptr<PanelRecord> record);
  void Relayout();
  void PlacePanels();

  const PageStyle& style_;
  const HostLink& host_;
  PanelClassRegistry& classes_;
  PanelStackObserver& observer_;
  std::vector<Panel> panels_;
  // Records of removed panels, kept until their procedures can no longer be
  // running (a procedure may ask for its own removal).
  std::vector<std::unique_ptr<PanelRecord>> retired_;
  VerticalScroller scroller_;
  bool layingOut_ = false;
};

}  // namespace zelva::settings
