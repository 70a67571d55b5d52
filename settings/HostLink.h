// The module's calls into the host: its log, its numbered commands and the
// shared settings in HostContext.
#pragma once

#include "ZelvaContract.h"

namespace zelva::settings {

class HostLink {
 public:
  explicit HostLink(HostContext& context) : context_(context) {}

  HostContext& context() const { return context_; }

  // Writes one log line, "Settings - " and the formatted text.
  void Log(const char* format, ...) const __attribute__((format(printf, 2, 3)));
  void ReportNotificationCount(int count) const;
  void SaveSettings() const;
  // The host's resource number of a named image, or -1.
  int FindImage(const char* name) const;

 private:
  INT_PTR Command(int32_t code, const char* text, void* object) const;

  HostContext& context_;
};

}  // namespace zelva::settings
