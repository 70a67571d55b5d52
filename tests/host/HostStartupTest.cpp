// The host's start inside this process, taken as a second start: it hands its
// package to the first and gives back what it took on the way.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>

#include "HostProcess.h"
#include "HostStartup.h"
#include "HostState.h"
#include "SharedDrawing.h"
#include "TestFolder.h"

using namespace zelva;
using namespace zelva::testing;

namespace {

std::string g_handedOver;

// Stands in for the first instance's main window.
LRESULT CALLBACK FirstInstance(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_COPYDATA) {
    const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(l);
    g_handedOver.assign(static_cast<const char*>(data.lpData), data.cbData);
    return TRUE;
  }
  return DefWindowProcA(window, message, w, l);
}

TEST(HostStartup, SecondStartGivesBackOleAndTheSharedDrawingBeforeItEnds) {
  TestFolder profile;
  AppDataOverride appData(profile / "Roaming");
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA type = {};
  type.lpfnWndProc = &FirstInstance;
  type.hInstance = instance;
  type.lpszClassName = "ZelvaTestFirstInstance";
  ASSERT_NE(RegisterClassA(&type), 0);
  HWND first = CreateWindowA("ZelvaTestFirstInstance", "ZELVA Hangardesk", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             instance, nullptr);
  ASSERT_NE(first, nullptr);
  HANDLE mutex = CreateMutexA(nullptr, TRUE, "ZELVA Hangardesk");
  ASSERT_NE(mutex, nullptr);

  char commandLine[] = "e:\\queued.zlp";
  EXPECT_EQ(host::RunHost(instance, commandLine), 0);
  EXPECT_EQ(g_handedOver, std::string("Open ZLP\ne:\\queued.zlp") + '\0');

  // OLE was given back: this thread starts it afresh rather than again.
  HRESULT ole = OleInitialize(nullptr);
  EXPECT_EQ(ole, S_OK);
  if (SUCCEEDED(ole)) OleUninitialize();
  EXPECT_EQ(skin::Drawing().white, nullptr);
  EXPECT_EQ(skin::Drawing().family, nullptr);
  EXPECT_FALSE(skin::Drawing().background);
  EXPECT_EQ(host::Context().backgroundImage, nullptr);
  EXPECT_EQ(host::Context().fontFamily, nullptr);

  CloseHandle(mutex);
  DestroyWindow(first);
}

}  // namespace
