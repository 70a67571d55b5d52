#include <windows.h>

#include <cstdio>
#include <cstring>
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
  // The sort's formats are a few constant texts with at most one "%01d",
  // given over and over: split once each, they cost an append apiece, where
  // printf would be the sort's main cost for a shuffled fleet.
  void Add(const char* format, int value) {
    const Split& split = SplitOf(format);
    if (split.plain) {
      text_.append(format, split.before);
      if (split.after != nullptr) {
        char digits[16];
        char* first = digits + sizeof(digits);
        unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
        do *--first = char('0' + magnitude % 10);
        while ((magnitude /= 10) != 0);
        if (value < 0) *--first = '-';
        text_.append(first, size_t(digits + sizeof(digits) - first));
        text_ += split.after;
      }
    } else {
      char line[128];
      int length = std::snprintf(line, sizeof(line), format, value);
      if (length > 0) text_.append(line, size_t(length) < sizeof(line) ? size_t(length) : sizeof(line) - 1);
    }
    if (text_.size() >= kBlockChars) Flush();
  }
  void Flush() {
    if (!text_.empty()) Log("%s", text_.c_str());
    text_.clear();
  }

 private:
  struct Split {
    const char* format = nullptr;
    bool plain = false;            // nothing but one "%01d" to fill in, or none
    size_t before = 0;             // characters before it
    const char* after = nullptr;   // the rest after it; null without one
  };
  const Split& SplitOf(const char* format) {
    for (const Split& known : splits_)
      if (known.format == format) return known;
    Split split;
    split.format = format;
    const char* number = std::strstr(format, "%01d");
    const char* percent = std::strchr(format, '%');
    split.before = number != nullptr ? size_t(number - format) : std::strlen(format);
    split.after = number != nullptr ? number + 4 : nullptr;
    split.plain = percent == number && (number == nullptr || std::strchr(number + 4, '%') == nullptr);
    splits_.push_back(split);
    return splits_.back();
  }

  static constexpr size_t kBlockChars = 64 * 1024;
  std::string text_;
  std::vector<Split> splits_;
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
  bool changed = SortLogged(rewrite, log) || !sectionTexts.empty();
  bool written = !changed || rewrite.Commit() == RewriteResult::Done;
  log.Add("\n done with all \n", 0);
  return written;
}

}  // namespace zelva::module
