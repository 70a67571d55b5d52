// The crash report's texts: exception names, the stack lines, the log entry
// and the dialog text. Written into fixed buffers, because the report is made
// while the process may be short of heap or stack.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zelva::crash {

// The name of an exception code; "Unknown Exception" for codes not listed.
const char* ExceptionName(uint32_t code);

// Appends to a caller's array; never overruns it and keeps it terminated.
class TextBuilder {
 public:
  TextBuilder(char* buffer, size_t capacity);
  void Append(const char* text);
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Every line feed is written as "\r\n".
  void AppendWithCrLf(const char* text);

  const char* text() const { return buffer_; }
  size_t length() const { return length_; }
  bool truncated() const { return truncated_; }

 private:
  void Put(char c);

  char* buffer_;
  size_t capacity_;
  size_t length_ = 0;
  bool truncated_ = false;
};

// One frame of the walk: a code address and, when they could be read, the
// three stack values of its call.
struct StackFrame {
  uint64_t address;
  bool hasArguments;
  uint64_t arguments[3];
};

struct ModuleRange {
  uint64_t base;
  uint64_t size;
  const char* path;
};

constexpr size_t kMaxStackLines = 8;

// One line per frame whose address lies in a module, "%08X  %s  +%08X" and
// "  (%X, %X, %X)" when the arguments were read; frames after the first
// kMaxStackLines are ignored. Values wider than 32 bits are written whole.
void AppendStackLines(TextBuilder& out, const StackFrame* frames, size_t frameCount, const ModuleRange* modules,
                      size_t moduleCount);

// "MM/DD/YY" and "HH:MM:SS".
constexpr size_t kClockChars = 9;
void FormatCrashDate(int year, int month, int day, char (&date)[kClockChars]);
void FormatCrashTime(int hour, int minute, int second, char (&time)[kClockChars]);

constexpr const char* kSupportSite = "https://support.zelva-sim.com";

void FormatLogReport(TextBuilder& out, const char* name, uint64_t address, const char* stack);
void FormatDialogReport(TextBuilder& out, const char* logPath, const char* date, const char* time, const char* name,
                        uint64_t address, const char* stack);

}  // namespace zelva::crash
