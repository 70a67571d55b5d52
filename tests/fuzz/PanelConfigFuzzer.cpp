// Whatever a panel.cfg holds, reading its ratio and laying it out for
// another stay within bounds, the main window then says the chosen ratio, and
// a second layout for the same ratio changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "PanelConfig.h"

using namespace zelva::panel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int ratio = data[0] % kRatioCount;
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  PanelConfig panel(bytes);
  int current = panel.CurrentRatio();
  if (current != kUnknownRatio && (current < 0 || current >= kRatioCount)) std::abort();
  RatioChange change = panel.ApplyRatio(ratio);
  if (change == RatioChange::NoMainWindow) {
    if (panel.Text() != bytes) std::abort();
    return 0;
  }
  const std::string once = panel.Text();
  const zelva::profile::Document written(once);
  if (written.Value(WindowSection(0), "size_mm", 20) != kRatios[ratio].reference) std::abort();
  if (panel.ApplyRatio(ratio) != RatioChange::Unchanged || panel.Text() != once) std::abort();
  return 0;
}
