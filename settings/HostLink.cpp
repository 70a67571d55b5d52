#include "HostLink.h"

#include <cstdarg>
#include <cstdio>

namespace zelva::settings {

void HostLink::Log(const char* format, ...) const {
  if (context_.log == nullptr) return;
  char line[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof(line), format, arguments);
  va_end(arguments);
  context_.log("\nSettings - %s\n", line);
}

INT_PTR HostLink::Command(int32_t code, const char* text, void* object) const {
  if (context_.hostCommand == nullptr) return kResultUnknown;
  return context_.hostCommand(code, text, object);
}

void HostLink::ReportNotificationCount(int count) const {
  // The host takes the number itself as the value of the text argument.
  Command(kHostSetNotificationCount, reinterpret_cast<const char*>(static_cast<INT_PTR>(count)), nullptr);
}

void HostLink::SaveSettings() const { Command(kHostSaveSettings, nullptr, nullptr); }

int HostLink::FindImage(const char* name) const {
  INT_PTR number = Command(kHostFindImage, name, nullptr);
  return number > 0 && number <= 0xFFFF ? static_cast<int>(number) : -1;
}

}  // namespace zelva::settings
