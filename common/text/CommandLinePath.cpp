#include "CommandLinePath.h"

#include <cstring>

namespace zelva::text {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

std::string PathFromCommandLine(const char* line) {
  if (line == nullptr) return std::string();
  const char* begin = line;
  const char* end = line + std::strlen(line);
  while (begin < end && IsBlank(*begin)) ++begin;
  while (end > begin && IsBlank(end[-1])) --end;
  if (end - begin >= 2 && *begin == '"' && end[-1] == '"') {
    ++begin;
    --end;
  }
  return std::string(begin, end);
}

}  // namespace zelva::text
