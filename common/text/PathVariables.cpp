#include "PathVariables.h"

#include <cstring>

namespace zelva::text {
namespace {

bool StartsWithIgnoringCase(const char* text, const char* prefix) {
  for (; *prefix != '\0'; ++text, ++prefix) {
    char a = *text, b = *prefix;
    if (a >= 'A' && a <= 'Z') a = char(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = char(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

class Output {
 public:
  Output(char* buffer, size_t capacity) : buffer_(buffer), capacity_(capacity) {}
  void Append(const char* text, size_t length) {
    if (!fits_ || length >= capacity_ - used_) {
      fits_ = false;
      return;
    }
    std::memcpy(buffer_ + used_, text, length);
    used_ += length;
  }
  void Append(const char* text) { Append(text, std::strlen(text)); }
  bool Finish() {
    buffer_[fits_ ? used_ : 0] = '\0';
    return fits_;
  }

 private:
  char* buffer_;
  size_t capacity_;
  size_t used_ = 0;
  bool fits_ = true;
};

}  // namespace

bool ExpandPathVariables(const char* target, const PathVariableValues& values, char* output, size_t capacity) {
  if (capacity == 0) return false;
  struct Variable {
    const char* name;
    const char* value;
  };
  const char* simulator = values.simulatorFolder != nullptr ? values.simulatorFolder : "";
  const Variable variables[] = {
      {"$(FSXPath)", simulator[0] != '\0' ? simulator : "$(FSXPath)\\"},
      {"$(WindowsPath)", values.windowsFolder != nullptr ? values.windowsFolder : ""},
      {"$(HangardeskPath)", values.programFolder != nullptr ? values.programFolder : ""},
  };
  Output out(output, capacity);
  for (const char* p = target != nullptr ? target : ""; *p != '\0';) {
    bool replaced = false;
    for (const Variable& variable : variables) {
      if (StartsWithIgnoringCase(p, variable.name)) {
        out.Append(variable.value);
        p += std::strlen(variable.name);
        replaced = true;
        break;
      }
    }
    if (!replaced) out.Append(p++, 1);
  }
  return out.Finish();
}

}  // namespace zelva::text
