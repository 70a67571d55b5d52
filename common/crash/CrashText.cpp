#include "CrashText.h"

#include <cinttypes>
#include <cstdarg>
#include <cstdio>

namespace zelva::crash {
namespace {

struct NamedCode {
  uint32_t code;
  const char* name;
};

constexpr NamedCode kNames[] = {
    {0x80000002u, "Datatype Misalignment"},
    {0x80000003u, "Breakpoint"},
    {0x80000004u, "Single Step"},
    {0xC0000005u, "Access Violation"},
    {0xC0000006u, "Page Error"},
    {0xC000001Du, "Illegal Instruction"},
    {0xC0000025u, "Noncontinuable Exception"},
    {0xC0000026u, "Invalid Disposition"},
    {0xC000008Cu, "Array Bound Exceeded"},
    {0xC000008Du, "Floating Point Denormal Operand"},
    {0xC000008Eu, "Floating Point Divide By Zero"},
    {0xC000008Fu, "Floating Point Inexact Result"},
    {0xC0000090u, "Floating Point Invalid Operation"},
    {0xC0000091u, "Floating Point Overflow"},
    {0xC0000092u, "Floating Point Stack Check"},
    {0xC0000093u, "Floating Point Underflow"},
    {0xC0000094u, "Integer Divide By Zero"},
    {0xC0000095u, "Integer Overflow"},
    {0xC0000096u, "Private Instruction"},
    {0xC00000FDu, "Stack Overflow"},
};

const ModuleRange* ModuleOf(uint64_t address, const ModuleRange* modules, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    if (address >= modules[i].base && address - modules[i].base < modules[i].size) return &modules[i];
  }
  return nullptr;
}

}  // namespace

const char* ExceptionName(uint32_t code) {
  for (const NamedCode& entry : kNames) {
    if (entry.code == code) return entry.name;
  }
  return "Unknown Exception";
}

TextBuilder::TextBuilder(char* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {
  if (capacity_ > 0) buffer_[0] = '\0';
}

void TextBuilder::Put(char c) {
  if (length_ + 1 >= capacity_) {
    truncated_ = true;
    return;
  }
  buffer_[length_++] = c;
  buffer_[length_] = '\0';
}

void TextBuilder::Append(const char* text) {
  for (const char* p = text ? text : ""; *p != '\0' && !truncated_; ++p) Put(*p);
}

void TextBuilder::Format(const char* format, ...) {
  if (capacity_ == 0 || truncated_) return;
  va_list arguments;
  va_start(arguments, format);
  size_t room = capacity_ - length_;
  int written = std::vsnprintf(buffer_ + length_, room, format, arguments);
  va_end(arguments);
  if (written < 0) {
    buffer_[length_] = '\0';
    truncated_ = true;
  } else if (size_t(written) >= room) {
    length_ = capacity_ - 1;
    truncated_ = true;
  } else {
    length_ += size_t(written);
  }
}

void TextBuilder::AppendWithCrLf(const char* text) {
  for (const char* p = text ? text : ""; *p != '\0' && !truncated_; ++p) {
    if (*p == '\n') Put('\r');
    Put(*p);
  }
}

void AppendStackLines(TextBuilder& out, const StackFrame* frames, size_t frameCount, const ModuleRange* modules,
                      size_t moduleCount) {
  if (frameCount > kMaxStackLines) frameCount = kMaxStackLines;
  for (size_t i = 0; i < frameCount; ++i) {
    const StackFrame& frame = frames[i];
    const ModuleRange* module = ModuleOf(frame.address, modules, moduleCount);
    if (module == nullptr) continue;
    out.Format("%08" PRIX64 "  %s", module->base, module->path ? module->path : "");
    out.Format("  +%08" PRIX64, frame.address - module->base);
    if (frame.hasArguments)
      out.Format("  (%" PRIX64 ", %" PRIX64 ", %" PRIX64 ")", frame.arguments[0], frame.arguments[1],
                 frame.arguments[2]);
    out.Append("\n");
  }
}

void FormatCrashDate(int year, int month, int day, char (&date)[kClockChars]) {
  std::snprintf(date, kClockChars, "%02d/%02d/%02d", month % 100, day % 100, year % 100);
}

void FormatCrashTime(int hour, int minute, int second, char (&time)[kClockChars]) {
  std::snprintf(time, kClockChars, "%02d:%02d:%02d", hour % 100, minute % 100, second % 100);
}

void FormatLogReport(TextBuilder& out, const char* name, uint64_t address, const char* stack) {
  out.Format("\n\n\n\n\nAn exception has occured!\n\n\nException:  %s at 0x%" PRIX64 "\n%s", name, address,
             stack ? stack : "");
}

void FormatDialogReport(TextBuilder& out, const char* logPath, const char* date, const char* time, const char* name,
                        uint64_t address, const char* stack) {
  out.Append("An exception has occured!\r\n\r\nPlease contact ZELVA support by submitting a ticket at ");
  out.Append(kSupportSite);
  out.Format(
      " for help with resolving this issue.\r\nPress \"Copy to clipboard\" below and then paste the information into "
      "your support ticket.\r\nAdditionally, a log file has been created at:\r\n%s\r\nPlease attach this file to "
      "better help us fix this issue.\r\n\r\nThe application will now exit.\r\n\r\n%s %s     Exception:  %s at "
      "0x%" PRIX64 "\r\n",
      logPath ? logPath : "", date, time, name, address);
  out.AppendWithCrLf(stack);
}

}  // namespace zelva::crash
