#include "PanelClassRegistry.h"

#include <cstdint>
#include <cstdio>

#include "PageStyle.h"
#include "ThisModule.h"

namespace zelva::settings {

PanelClassRegistry::PanelClassRegistry() : background_(CreateSolidBrush(palette::kPageColor)) {}

PanelClassRegistry::~PanelClassRegistry() {
  for (const Entry& entry : entries_) UnregisterClassA(entry.name.c_str(), win::ThisModule());
}

const char* PanelClassRegistry::ClassFor(WNDPROC procedure) {
  if (procedure == nullptr) return nullptr;
  for (const Entry& entry : entries_)
    if (entry.procedure == procedure) return entry.name.c_str();

  char name[64];
  std::snprintf(name, sizeof(name), "ZelvaPanel_%llX",
                static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(procedure)));
  // Single-byte class: panel procedures come from producers whose records and
  // texts are single-byte, and they may call the A functions.
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = win::ThisModule();
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = background_.get();
  windowClass.lpszClassName = name;
  // A class of this name left by an earlier load names the same procedure.
  if (RegisterClassExA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
  entries_.push_back(Entry{procedure, name});
  return entries_.back().name.c_str();
}

}  // namespace zelva::settings
