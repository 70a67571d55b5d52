// The host's main window (dialog 101): frames the current module, lists the
// products, runs the start-up's loading steps and takes package hand-offs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "Gdi.h"
#include "GdiplusInclude.h"
#include "ListSkin.h"
#include "ModuleLoader.h"
#include "ObjectWindow.h"
#include "PngResource.h"

namespace zelva::ui {

constexpr UINT kHoverReportMessage = WM_APP + 1;
constexpr UINT kDownloadFinishedMessage = WM_APP + 3;
constexpr LPARAM kCapItemData = 999;
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;

class MainWindow : public ObjectWindow<MainWindow> {
 public:
  // Makes a module current: a product slot, or the product count for the settings module.
  void ShowModule(int index);
  void SetNotificationCount(INT_PTR count);
  bool IsProductCurrent() const;
  bool IsDragging() const { return dragging_; }
  HWND hoverWindow() const { return hoverWindow_; }

 private:
  friend class ObjectWindow<MainWindow>;
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  bool Initialise();
  void PrepareControls();
  void FillProductList();
  void ComposeBackground();
  void Layout(WPARAM sizeType, LPARAM size);
  void Paint();
  void DrawButton(const DRAWITEMSTRUCT& item);
  void DrawProductListItem(const DRAWITEMSTRUCT& item);
  void DrawBackgroundPiece(Gdiplus::Graphics& graphics, HWND control);
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  void OnCommand(int id, int code);
  void OnProductChosen();
  void OnHome();
  void OnManual();
  void Close();
  void OnTreeSelection(const NMTREEVIEWA& change);
  void OnSizing(WPARAM edge, RECT& bounds);
  void KeepMinimumSize(WINDOWPOS& position);
  void OnSize(WPARAM sizeType, LPARAM size);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  INT_PTR OnStaticColour(HDC dc, HWND control);
  void OnNotify(const NMHDR& header);
  void StartDrag(POINT grab);
  void Drag();
  void EndDrag();
  void OnHoverReport(HWND hovered);
  void OnFirstTick();
  void OnCopyData(const COPYDATASTRUCT& data);

  win::BrushHandle pageBrush_;
  images::PngImage logo_, title_, home_, manual_, close_, notifications_, darkBalloon_;
  skin::ListSkinImages listSkin_;
  std::unique_ptr<Gdiplus::Bitmap> background_;

  host::ProductModule* current_ = nullptr;
  int currentIndex_ = -1;
  int lastAccepted_ = -1;
  bool droppedDown_ = false;
  bool dragging_ = false;
  POINT grab_ = {};
  HWND hoverWindow_ = nullptr;
  int hoverId_ = 0;
  bool firstTickSeen_ = false;
};

// The one main window while it runs.
MainWindow* TheMainWindow();

// Runs dialog 101 modally; returns when it has ended.
void RunMainWindow(HINSTANCE instance);

// Thread-local mouse hook of the UI thread: hover reports and wheel routing.
void InstallMouseHook();
void RemoveMouseHook();

}  // namespace zelva::ui
