// The answerer that tests rely on for every question a program asks.
#include <gtest/gtest.h>

#include "DialogAnswerer.h"
#include "Handles.h"

using namespace zelva::testing;

namespace {

constexpr int kMessageText = 0xFFFF;

// A question that stays on screen after its button was pressed, as a box does
// for a while on a busy machine.
zelva::win::WindowHandle SlowQuestion(const char* text, bool onTop) {
  HWND box = CreateWindowExA(onTop ? WS_EX_TOPMOST : 0, "STATIC", "Question", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100,
                             nullptr, nullptr, nullptr, nullptr);
  CreateWindowExA(0, "STATIC", text, WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, box, HMENU(INT_PTR(kMessageText)), nullptr,
                  nullptr);
  CreateWindowExA(0, "BUTTON", "OK", WS_CHILD | WS_VISIBLE, 0, 40, 80, 24, box, HMENU(INT_PTR(IDOK)), nullptr,
                  nullptr);
  return zelva::win::WindowHandle(box);
}

TEST(DialogAnswererTest, TheNextAnswererWaitsForTheNextQuestionInsteadOfTheOneStillClosing) {
  zelva::win::WindowHandle first = SlowQuestion("first", true);
  {
    DialogAnswerer answer("Question", IDOK, 10000);
    ASSERT_TRUE(answer.WaitPumping());
    EXPECT_EQ(answer.text(), "first");
  }
  ASSERT_TRUE(IsWindowVisible(first.get()));  // the first is still there, ahead of any other
  DialogAnswerer answer("Question", IDOK, 10000);
  zelva::win::WindowHandle second = SlowQuestion("second", false);
  ASSERT_TRUE(answer.WaitPumping());
  EXPECT_EQ(answer.text(), "second");
}

}  // namespace
