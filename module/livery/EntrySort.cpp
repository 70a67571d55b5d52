#include <windows.h>

#include <cstdio>
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

// A sort of 300 entries writes some 100,000 log lines; the host opens its log
// once per call, so they go to it in blocks.
class LogBlock {
 public:
  ~LogBlock() { Flush(); }
  void Add(const char* format, int value = 0) {
    char line[128];
    int length = std::snprintf(line, sizeof(line), format, value);
    if (length > 0) text_.append(line, size_t(length) < sizeof(line) ? size_t(length) : sizeof(line) - 1);
    if (text_.size() >= kBlockChars) Flush();
  }
  void Flush() {
    if (!text_.empty()) Log("%s", text_.c_str());
    text_.clear();
  }

 private:
  static constexpr size_t kBlockChars = 16 * 1024;
  std::string text_;
};

void LogStep(void* block, const char* format, int value) { static_cast<LogBlock*>(block)->Add(format, value); }

int CountEntries(const char* path, LogBlock& log) {
  log.Add("\nsCount=0\n");
  for (int entry = 0;; ++entry) {
    log.Add("\nchar szFltSim[12]\n");
    log.Add("\nfltsim.%01d\n", entry);
    log.Add("\nchar szTitle[10]\n");
    log.Add("\nui_variation\n");
    if (ReadProfileValue(path, EntrySection(entry).c_str(), "ui_variation", 10).empty()) {
      log.Add("Stopped Counting because nothing at livery: fltsim.%01d\n", entry);
      return entry;
    }
    log.Add("Counted livery: fltsim.%01d\n", entry);
  }
}

}  // namespace

// The file is read once and each moved section written once; the ordering
// itself only exchanges indexes.
void SortLiveryEntries(int variant) {
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return;
  Log("\nSorting liveries in: %s\n", path);
  LogBlock log;
  int count = CountEntries(path, log);

  std::vector<LiverySortRecord> records(static_cast<size_t>(count));
  log.Add("\nSpace allocated to store livery data\n");
  std::vector<std::string> names(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    log.Add("scanned livery: fltsim.%01d\n", i);
    std::string section = EntrySection(i);
    records[size_t(i)].name = ReadProfileValue(path, section.c_str(), "ui_variation", 100);
    records[size_t(i)].section = ReadProfileSection(path, section.c_str());
    names[size_t(i)] = records[size_t(i)].name;
    log.Add("Sort List step for : fltsim.%01d\n", i);
  }

  std::vector<int> order = livery::OrderLiveries(names, LogStep, &log);
  for (int i = 0; i < count; ++i) {
    log.Add("printing %01d to the config file.\n", i);
    int source = order[size_t(i)];
    if (source == i) continue;  // already in its place
    const std::string& text = records[size_t(source)].section;
    if (!WritePrivateProfileSectionA(EntrySection(i).c_str(), text.c_str(), path)) {
      DWORD error = GetLastError();
      log.Flush();
      LogLivery("writing fltsim.%d failed: %d\n", i, int(error));
    }
  }
  log.Add("\n done with all \n");
}

}  // namespace zelva::module
