#include "LiveryOrder.h"

#include <algorithm>

#include "LiveryText.h"

namespace zelva::livery {
namespace {

constexpr const char* kHouseMark = "ZELVA House";

bool IsHouseLivery(const std::string& name) { return name.find(kHouseMark) != std::string::npos; }

// Compared byte by byte (as unsigned), these order as CompareWithoutCase does.
std::string FoldedName(const std::string& name) {
  std::string folded = name;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return folded;
}

}  // namespace

std::vector<int> OrderLiveries(const std::vector<std::string>& names, OrderLog log, void* context) {
  auto note = [&](const char* format, int value) {
    if (log != nullptr) log(context, format, value);
  };
  int count = int(names.size());
  // Each name folded, ranked and tested once: a pass compares every
  // neighbouring pair, and equal ranks are equal names.
  std::vector<std::string> folded(names.size());
  std::vector<bool> house(names.size());
  for (size_t i = 0; i < names.size(); ++i) {
    folded[i] = FoldedName(names[i]);
    house[i] = IsHouseLivery(names[i]);
  }
  std::vector<std::string> ranked = folded;
  std::sort(ranked.begin(), ranked.end());
  std::vector<size_t> rank(names.size());
  for (size_t i = 0; i < names.size(); ++i)
    rank[i] = size_t(std::lower_bound(ranked.begin(), ranked.end(), folded[i]) - ranked.begin());
  std::vector<int> order(names.size());
  for (int i = 0; i < count; ++i) order[size_t(i)] = i;

  for (int pass = 0; pass < count; ++pass) {
    bool swapped = false;
    for (int j = 0; j + 1 < count; ++j) {
      size_t first = size_t(order[size_t(j)]), second = size_t(order[size_t(j + 1)]);
      bool swap = false;
      if (!house[first] && rank[second] < rank[first]) {
        note("Livery %01d was second and should be first\n", j);
        swap = true;
      }
      if (house[second]) {
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

bool SortEntries(AircraftConfig& config, OrderLog log, void* context) {
  auto note = [&](const char* format, int value = 0) {
    if (log != nullptr) log(context, format, value);
  };
  note("\nsCount=0\n");
  int count = 0;
  for (;; ++count) {
    note("\nchar szFltSim[12]\n");
    note("\nfltsim.%01d\n", count);
    note("\nchar szTitle[10]\n");
    note("\nui_variation\n");
    if (config.Value(count, "ui_variation", 10).empty()) break;
    note("Counted livery: fltsim.%01d\n", count);
  }
  note("Stopped Counting because nothing at livery: fltsim.%01d\n", count);

  note("\nSpace allocated to store livery data\n");
  std::vector<std::string> names(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    note("scanned livery: fltsim.%01d\n", i);
    names[size_t(i)] = config.Value(i, "ui_variation", 100);
    note("Sort List step for : fltsim.%01d\n", i);
  }
  std::vector<int> order = OrderLiveries(names, log, context);
  bool moved = false;
  for (int i = 0; i < count; ++i) {
    note("printing %01d to the config file.\n", i);
    moved = moved || order[size_t(i)] != i;
  }
  if (moved) config.ArrangeEntries(order);
  return moved;
}

}  // namespace zelva::livery
