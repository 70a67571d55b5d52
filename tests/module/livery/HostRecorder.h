// Stands in for the host's services in the linked livery tests: keeps every
// notification the module posts and every working-dialog line it sets.
#pragma once

#include <string>
#include <vector>

#include "ZelvaContract.h"

namespace zelva::testing {

class HostRecorder {
 public:
  // Installs itself into the record; the working dialog counts as open.
  explicit HostRecorder(HostContext& host);
  ~HostRecorder();
  HostRecorder(const HostRecorder&) = delete;
  HostRecorder& operator=(const HostRecorder&) = delete;

  std::vector<PanelRecord>& notices();
  const std::vector<std::string>& lines(int line) const;
  // Presses the button with that label on a copy of the notice, as the settings module would.
  int Press(PanelRecord notice, const std::string& label) const;

 private:
  HostContext& host_;
};

}  // namespace zelva::testing
