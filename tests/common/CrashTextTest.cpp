#include "CrashText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace zelva::crash;

namespace {

std::string Lines(const StackFrame* frames, size_t count, const ModuleRange* modules, size_t moduleCount) {
  char buffer[4096];
  TextBuilder out(buffer, sizeof(buffer));
  AppendStackLines(out, frames, count, modules, moduleCount);
  return out.text();
}

const ModuleRange kModules[] = {
    {0x00400000, 0x1000, "c:\\program files\\zelva\\zelva hangardesk.exe"},
    {0x10000000, 0x20000, "c:\\program files\\zelva\\ZELVA K50X.dll"},
};

TEST(CrashText, ListedCodesHaveNamesAndTheRestAreUnknown) {
  EXPECT_STREQ(ExceptionName(0xC0000005), "Access Violation");
  EXPECT_STREQ(ExceptionName(0xE06D7363), "Unknown Exception");
}

TEST(CrashText, StackLinesNameModuleOffsetAndArgumentsAndSkipForeignAddresses) {
  const StackFrame frames[] = {
      {0x10001234, true, {0x1, 0xABCDEF, 0x0}},
      {0x7FFE0000, true, {1, 2, 3}},            // in no module: no line
      {0x00400FFF, false, {}},                  // last byte of the program
      {0x00401000, true, {4, 5, 6}},            // one past its end: no line
      {0x10000000, true, {0x123456789A, 0, 0xFFFFFFFF}},
  };
  EXPECT_EQ(Lines(frames, 5, kModules, 2),
            "10000000  c:\\program files\\zelva\\ZELVA K50X.dll  +00001234  (1, ABCDEF, 0)\n"
            "00400000  c:\\program files\\zelva\\zelva hangardesk.exe  +00000FFF\n"
            "10000000  c:\\program files\\zelva\\ZELVA K50X.dll  +00000000  (123456789A, 0, FFFFFFFF)\n");
  // 64-bit addresses are written whole.
  const ModuleRange module = {0x00007FF6A1B20000ull, 0x40000, "c:\\h.exe"};
  const StackFrame frame = {0x00007FF6A1B31A2Bull, false, {}};
  EXPECT_EQ(Lines(&frame, 1, &module, 1), "7FF6A1B20000  c:\\h.exe  +00011A2B\n");
}

TEST(CrashText, AtMostEightFramesAreConsidered) {
  StackFrame frames[12];
  for (size_t i = 0; i < 12; ++i) frames[i] = {0x00400010 + i, false, {}};
  frames[3].address = 0x1;  // an unknown address still counts as a frame
  std::string text = Lines(frames, 12, kModules, 2);
  EXPECT_NE(text.find("+00000017\n"), std::string::npos);
  EXPECT_EQ(text.find("+00000018"), std::string::npos);
}

TEST(CrashText, DialogTextCarriesLogPathTimeNameAddressAndStackWithCrLf) {
  const char stack[] = "00400000  c:\\h.exe  +00000010\n10000000  c:\\k50.dll  +00000020  (1, 2, 3)\n";
  char buffer[70000], date[kClockChars], time[kClockChars];
  FormatCrashDate(2024, 3, 7, date);
  FormatCrashTime(9, 5, 0, time);
  TextBuilder dialog(buffer, sizeof(buffer));
  FormatDialogReport(dialog, "c:\\users\\pilot\\zelva hangardesk.log", date, time, "Access Violation",
                     0x7FF6A1B31A2Bull, stack);
  const std::string text = dialog.text();
  EXPECT_NE(text.find("\r\nc:\\users\\pilot\\zelva hangardesk.log\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("03/07/24 09:05:00     Exception:  Access Violation at 0x7FF6A1B31A2B\r\n"
                      "00400000  c:\\h.exe  +00000010\r\n10000000  c:\\k50.dll  +00000020  (1, 2, 3)\r\n"),
            std::string::npos) << text;
  EXPECT_FALSE(dialog.truncated());
}

TEST(CrashText, BuilderNeverWritesPastItsArray) {
  char buffer[40];
  std::memset(buffer, '#', sizeof(buffer));
  TextBuilder out(buffer, 32);
  out.Append("0123456789");
  out.Format("%s|%d", "abcdefghij", 12345);
  EXPECT_FALSE(out.truncated());
  out.AppendWithCrLf("x\ny\nzzzzzzzzzzzzzz");
  EXPECT_TRUE(out.truncated());
  EXPECT_EQ(std::string(out.text()), "0123456789abcdefghij|12345x\r\ny\r");
  for (size_t i = 32; i < sizeof(buffer); ++i) EXPECT_EQ(buffer[i], '#');

  TextBuilder full(buffer, 8);
  full.Format("%s", "far too long for eight");
  EXPECT_TRUE(full.truncated());
  EXPECT_STREQ(full.text(), "far too");
}

}  // namespace
