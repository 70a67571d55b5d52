#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ConfigRewrite.h"
#include "LiveryEntries.h"
#include "LiveryFiles.h"
#include "LiveryOrder.h"
#include "LiveryPaths.h"

namespace zelva::module {
namespace {

// A sort of 1,000 entries writes some 750,000 log lines; the host opens its
// log once per call, so they go to it in blocks.
class LogBlock {
 public:
  ~LogBlock() { Flush(); }
  void Add(const char* format, int value) {
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
  static constexpr size_t kBlockChars = 64 * 1024;
  std::string text_;
};

void LogStep(void* block, const char* format, int value) { static_cast<LogBlock*>(block)->Add(format, value); }

// The sort of a file in memory with every line the sort logs; true when an
// entry moved. The caller commits.
bool SortLogged(ConfigRewrite& rewrite, LogBlock& log) {
  bool moved = livery::SortEntries(rewrite.config(), LogStep, &log);
  log.Flush();
  return moved;
}

}  // namespace

void SortLiveryEntries(int variant) {
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return;
  Log("\nSorting liveries in: %s\n", path);
  ConfigRewrite rewrite(path);
  LogBlock log;
  if (SortLogged(rewrite, log)) rewrite.Commit();
  log.Add("\n done with all \n", 0);
}

bool AppendLiveryEntries(int variant, const std::vector<std::string>& sectionTexts) {
  char path[kPathChars];
  if (!VariantConfigFile(variant, path)) return false;
  ConfigRewrite rewrite(path);
  if (!rewrite.read()) return false;
  for (const std::string& section : sectionTexts)
    rewrite.config().InsertEntry(rewrite.config().CountEntries(), section);
  Log("\nSorting liveries in: %s\n", path);
  LogBlock log;
  SortLogged(rewrite, log);
  log.Add("\n done with all \n", 0);
  return rewrite.Commit() == RewriteResult::Done;
}

}  // namespace zelva::module
