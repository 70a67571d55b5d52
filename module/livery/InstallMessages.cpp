#include "InstallMessages.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "ModuleContext.h"

namespace zelva::module {
namespace {

char g_liveryError[kErrorChars];

void FormatInto(char* buffer, size_t capacity, const char* format, va_list arguments) {
  if (capacity == 0) return;
  int written = std::vsnprintf(buffer, capacity, format, arguments);
  if (written < 0) buffer[0] = '\0';
}

}  // namespace

const char* LiveryErrorText() { return g_liveryError; }

void ClearLiveryError() { g_liveryError[0] = '\0'; }

void SetLiveryError(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  FormatInto(g_liveryError, sizeof(g_liveryError), format, arguments);
  va_end(arguments);
}

void SetHostError(const char* format, ...) {
  HostContext* host = Host();
  if (host == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  FormatInto(host->errorText, sizeof(host->errorText), format, arguments);
  va_end(arguments);
}

int AskFormatted(const char* caption, UINT flags, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  va_list copy;
  va_copy(copy, arguments);
  int needed = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::vector<char> message(needed > 0 ? size_t(needed) + 1 : 1, '\0');
  if (needed > 0) std::vsnprintf(message.data(), message.size(), format, arguments);
  va_end(arguments);
  HostContext* host = Host();
  return MessageBoxA(host != nullptr ? host->mainWindow : nullptr, message.data(), caption, flags);
}

void SetBusyLayout(int mode) {
  HostContext* host = Host();
  if (host == nullptr || host->setWorkingDialogLayout == nullptr) return;
  // The layout service waits for a dialog to appear; without one it would hold us for seconds.
  if (CallHost(kHostIsWorkingDialogOpen) != 1) return;
  host->setWorkingDialogLayout(mode);
}

void SetBusyText(int line, const char* text) {
  HostContext* host = Host();
  if (host == nullptr || host->setWorkingDialogText == nullptr || text == nullptr) return;
  host->setWorkingDialogText(line, text);
}

}  // namespace zelva::module
