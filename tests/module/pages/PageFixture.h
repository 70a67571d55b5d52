// A page of the real K50 module in windows of this process that stand in for
// the host's: its main window (owner of the page's message boxes) and content
// area, on a simulated FSX with the product registered.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DialogAnswerer.h"
#include "K50Setup.h"

namespace zelva::testing {

class PageFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads the module (detection runs now) and shows page; false when it did not appear.
  bool Open(int page);
  // The page again, as a second click on its menu item makes it.
  bool Reopen(int page);

  HWND Control(int id) const { return GetDlgItem(page_, id); }
  std::string Text(int id) const;
  // Clicks a button as the user does and answers the message box with the
  // caption that it brings up; the box's text, or "(none)" when none came.
  std::string ClickAnswering(int id, const char* caption, int button);

  K50Setup k50_;
  HWND main_ = nullptr, area_ = nullptr, product_ = nullptr, page_ = nullptr;
};

}  // namespace zelva::testing
