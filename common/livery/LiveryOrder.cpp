#include "LiveryOrder.h"

#include "LiveryText.h"

namespace zelva::livery {
namespace {

constexpr const char* kHouseMark = "ZELVA House";

bool IsHouseLivery(const std::string& name) { return name.find(kHouseMark) != std::string::npos; }

}  // namespace

std::vector<int> OrderLiveries(const std::vector<std::string>& names, OrderLog log, void* context) {
  auto note = [&](const char* format, int value) {
    if (log != nullptr) log(context, format, value);
  };
  int count = int(names.size());
  std::vector<int> order(names.size());
  for (int i = 0; i < count; ++i) order[size_t(i)] = i;

  for (int pass = 0; pass < count; ++pass) {
    bool swapped = false;
    for (int j = 0; j + 1 < count; ++j) {
      const std::string& first = names[size_t(order[size_t(j)])];
      const std::string& second = names[size_t(order[size_t(j + 1)])];
      bool swap = false;
      if (CompareWithoutCase(second, first) < 0 && !IsHouseLivery(first)) {
        note("Livery %01d was second and should be first\n", j);
        swap = true;
      }
      if (IsHouseLivery(second)) {
        note("Livery following %01d is house livery so set location swap TRUE\n", j);
        swap = true;
      }
      if (swap) {
        note("sorting %01d \n", j);
        std::swap(order[size_t(j)], order[size_t(j + 1)]);
        note("Finished sorting %01d \n", j);
        swapped = true;
      }
    }
    // A pass without an exchange leaves every later pass the same.
    if (!swapped) break;
  }
  return order;
}

}  // namespace zelva::livery
