// A host for the settings module inside a test: the real library loaded by
// path, a real top-level window with a content area, and a HostContext whose
// host-command service records every call.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Library.h"
#include "ZelvaContract.h"

namespace zelva::testing {

struct HostCall {
  int32_t code;
  INT_PTR text;  // the raw text argument: command 17 passes a number in it
};

class SettingsHost : public ::testing::Test {
 public:
  void SetUp() override;
  void TearDown() override;

  // Loads the library and binds the exports; the context may be prepared first.
  void Load();
  void Unload();
  bool Show();
  void Hide();
  INT_PTR Execute(int32_t command, INT_PTR first = 0, INT_PTR second = 0);
  INT_PTR Add(const PanelRecord& record) { return Execute(kSettingsAddPanel, reinterpret_cast<INT_PTR>(&record)); }
  void Remove(INT_PTR handle) { Execute(kSettingsRemovePanel, handle); }

  // The values reported with host command 17, in order.
  std::vector<INT_PTR> ReportedCounts() const;
  int CallsOf(int32_t code) const;

  // Visible windows below the frame: class name (case-insensitive) and text.
  std::vector<HWND> AllVisible(const char* className, const char* text) const;
  HWND FindVisible(const char* className, const char* text) const {
    std::vector<HWND> found = AllVisible(className, text);
    return found.empty() ? nullptr : found.front();
  }
  HWND Page() const { return GetWindow(content_, GW_CHILD); }

  static INT_PTR __cdecl HostCommand(int32_t code, const char* text, void* object);
  static void __cdecl HostLog(const char* format, ...);
  static void Pump();
  static void Click(HWND button);
  static RECT ScreenRect(HWND window);

  static HostContext context_;
  static std::vector<HostCall> calls_;
  // Resource number command 20 answers for "Blue Header Bar"; -1: unknown.
  static INT_PTR headerImageNumber_;

  HWND frame_ = nullptr;
  HWND content_ = nullptr;
  win::Library library_;

 private:
  LoadProductModuleExport load_ = nullptr;
  ShowProductWindowExport show_ = nullptr;
  HideProductWindowExport hide_ = nullptr;
  ExecuteCommandExport execute_ = nullptr;
  UnloadProductModuleExport unload_ = nullptr;
  bool loaded_ = false;
};

// A kind-1 record as the producers fill it.
PanelRecord MakeNotification(const char* title, const char* shortText, const char* longText,
                             std::vector<const char*> buttons, PanelButtonHandler handler);
// A kind-2 record of a download panel.
PanelRecord MakePanel(const char* title, WNDPROC procedure, uint16_t height, const char* producerData);

}  // namespace zelva::testing
