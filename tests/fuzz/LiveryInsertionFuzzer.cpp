// Whatever a file holds, insertion adds exactly the new section's lines as one
// block and carries every other line over unchanged and in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "LiveryInsertion.h"

namespace {

std::vector<std::string> LinesOf(const std::string& text, bool crlf) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    else if (crlf) std::abort();  // every written line ends with CR LF
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  int entry = data[0] % 8;
  std::string file(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::vector<std::string> block = {"[fltsim." + std::to_string(entry) + "]", "title=T", "texture=X", ""};
  std::string out = zelva::livery::InsertEntrySection(file, entry, std::string("title=T\0texture=X\0", 18));
  if (out.size() < 2 || out.compare(out.size() - 2, 2, "\r\n") != 0) std::abort();

  std::vector<std::string> before = LinesOf(file, false), after = LinesOf(out, true);
  if (after.size() != before.size() + block.size()) std::abort();
  for (size_t at = 0; at + block.size() <= after.size(); ++at) {
    if (!std::equal(block.begin(), block.end(), after.begin() + long(at))) continue;
    std::vector<std::string> rest(after.begin(), after.begin() + long(at));
    rest.insert(rest.end(), after.begin() + long(at + block.size()), after.end());
    if (rest == before) return 0;
  }
  std::abort();
}
