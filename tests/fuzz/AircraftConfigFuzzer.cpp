// Whatever a file holds, an edit of its livery entries changes exactly what
// it is meant to (read back from the written text) and no other section.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "AircraftConfig.h"
#include "LiveryOrder.h"
#include "ProfileLine.h"

using zelva::livery::AircraftConfig;
using zelva::livery::EntryName;
using namespace std::string_literals;

namespace {

const std::string kNewKeys = "title=T\0ui_variation=U\0"s;

void Check(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check in line %d failed\n", line);
  std::abort();
}

// Every section of the file that the edit must not change: those of other
// names than the entries from..to.
void CheckOthers(const std::string& file, const std::string& text, int from, int to) {
  const zelva::profile::Document before(file), after(text);
  for (size_t i = 0; i < after.size(); ++i) {
    const std::string& name = after.section(i).name;
    const size_t digits = name.find_first_not_of("0123456789", 7);
    const int entry = name.size() > 7 && name.size() < 12 && digits == std::string::npos ? std::atoi(name.c_str() + 7) : -1;
    if (entry >= from && entry <= to && zelva::profile::SameName(name, EntryName(entry))) continue;
    Check(before.SectionText(name) == after.SectionText(name));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int operation = data[0] % 4, parameter = data[1];
  const std::string file(reinterpret_cast<const char*>(data + 2), size - 2);
  const AircraftConfig before(file);
  AircraftConfig config(file);
  if (!config.rewritable()) {
    Check(config.Text() == file && config.CountEntries() == 0);
    return 0;
  }
  const int count = config.CountEntries();
  std::vector<std::string> sections;
  for (int entry = 0; entry <= count + 1; ++entry) sections.push_back(config.SectionText(entry));

  if (operation == 0) {
    std::vector<std::string> names;
    for (int entry = 0; entry < count; ++entry) names.push_back(config.Value(entry, "ui_variation", 100));
    const std::vector<int> order = zelva::livery::OrderLiveries(names);
    zelva::livery::SortEntries(config);
    const std::string text = config.Text();
    const AircraftConfig sorted(text);
    Check(sorted.CountEntries() == count);
    for (int entry = 0; entry < count; ++entry) Check(sorted.SectionText(entry) == sections[size_t(order[size_t(entry)])]);
    CheckOthers(file, text, 0, count - 1);
  } else if (operation == 1) {
    const int removed = count == 0 ? 0 : parameter % count;
    int last = removed;
    while (!config.SectionText(last + 1).empty()) ++last;
    config.RemoveEntry(removed);
    const std::string text = config.Text();
    const AircraftConfig after(text);
    for (int entry = 0; entry < removed; ++entry) Check(after.SectionText(entry) == sections[size_t(entry)]);
    for (int entry = removed; entry < last; ++entry) Check(after.SectionText(entry) == before.SectionText(entry + 1));
    Check(after.SectionText(last).empty());
    CheckOthers(file, text, removed, last);
  } else if (operation == 2) {
    const bool fresh = zelva::profile::Document(file).Find(EntryName(count)) == zelva::profile::Document::npos;
    config.InsertEntry(count, kNewKeys);
    const std::string text = config.Text();
    const AircraftConfig after(text);
    for (int entry = 0; entry < count; ++entry) Check(after.SectionText(entry) == sections[size_t(entry)]);
    if (fresh) Check(after.SectionText(count) == kNewKeys);
    CheckOthers(file, text, count, count);
  } else if (count > 0) {
    const int replaced = parameter % count;
    config.ReplaceEntry(replaced, "title=R\0texture=S\0"s, {"texture"});
    const std::string text = config.Text();
    const AircraftConfig after(text);
    Check(after.Value(replaced, "title", 100) == "R");
    Check(after.Value(replaced, "texture", 100) == before.Value(replaced, "texture", 100));
    CheckOthers(file, text, replaced, replaced);
  }
  return 0;
}
