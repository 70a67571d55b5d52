// One private window class per distinct panel window procedure, so a panel
// window runs its producer's procedure from its very first message.
#pragma once

#include <windows.h>

#include <string>
#include <deque>

#include "Gdi.h"

namespace zelva::settings {

class PanelClassRegistry {
 public:
  PanelClassRegistry();
  // Unregisters every class; their windows must be gone by then.
  ~PanelClassRegistry();
  PanelClassRegistry(const PanelClassRegistry&) = delete;
  PanelClassRegistry& operator=(const PanelClassRegistry&) = delete;

  // The class name for the procedure, registered on first use; null when the
  // class cannot be registered.
  const char* ClassFor(WNDPROC procedure);

 private:
  struct Entry {
    WNDPROC procedure;
    std::string name;
  };
  std::deque<Entry> entries_;  // names stay in place as entries are added
  win::BrushHandle background_;
};

}  // namespace zelva::settings
