#include <windows.h>

#include <string>
#include <vector>

#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryOrder.h"
#include "LiveryPaths.h"
#include "ProfileSection.h"

namespace zelva::module {
namespace {

struct LiverySortRecord {
  std::string name;
  std::string section;  // key=value strings, each followed by a NUL
};

void LogStep(void*, const char* format, int value) { Log(format, value); }

int CountEntries(const char* path) {
  Log("\nsCount=0\n");
  for (int entry = 0;; ++entry) {
    Log("\nchar szFltSim[12]\n");
    Log("\nfltsim.%01d\n", entry);
    Log("\nchar szTitle[10]\n");
    Log("\nui_variation\n");
    if (ReadProfileValue(path, EntrySection(entry).c_str(), "ui_variation", 10).empty()) {
      Log("Stopped Counting because nothing at livery: fltsim.%01d\n", entry);
      return entry;
    }
    Log("Counted livery: fltsim.%01d\n", entry);
  }
}

}  // namespace

// The file is read once and each moved section written once; the ordering
// itself only exchanges indexes.
void SortLiveryEntries(int variant) {
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return;
  Log("\nSorting liveries in: %s\n", path);
  int count = CountEntries(path);

  std::vector<LiverySortRecord> records(static_cast<size_t>(count));
  Log("\nSpace allocated to store livery data\n");
  std::vector<std::string> names(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    Log("scanned livery: fltsim.%01d\n", i);
    std::string section = EntrySection(i);
    records[size_t(i)].name = ReadProfileValue(path, section.c_str(), "ui_variation", 100);
    records[size_t(i)].section = ReadProfileSection(path, section.c_str());
    names[size_t(i)] = records[size_t(i)].name;
    Log("Sort List step for : fltsim.%01d\n", i);
  }

  std::vector<int> order = livery::OrderLiveries(names, LogStep, nullptr);
  for (int i = 0; i < count; ++i) {
    Log("printing %01d to the config file.\n", i);
    int source = order[size_t(i)];
    if (source == i) continue;  // already in its place
    const std::string& text = records[size_t(source)].section;
    if (!WritePrivateProfileSectionA(EntrySection(i).c_str(), text.c_str(), path))
      LogLivery("writing fltsim.%d failed: %d\n", i, int(GetLastError()));
  }
  Log("\n done with all \n");
}

}  // namespace zelva::module
