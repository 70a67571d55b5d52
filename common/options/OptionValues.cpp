#include "OptionValues.h"

#include <climits>
#include <cstdio>

namespace zelva::options {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

const char* const kTrueFalse[] = {"False", "True"};
const char* const kYesNo[] = {"No", "Yes"};
const char* const kOnOff[] = {"Off", "On"};

}  // namespace

bool EqualsWithoutCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

const char* const* TwoLabels(OptionKind kind) {
  switch (kind) {
    case OptionKind::kTrueFalse:
      return kTrueFalse;
    case OptionKind::kYesNo:
      return kYesNo;
    case OptionKind::kOnOff:
      return kOnOff;
    default:
      return nullptr;
  }
}

bool IsTwoLabelKind(OptionKind kind) { return TwoLabels(kind) != nullptr; }

int TwoLabelIndex(std::string_view stored) { return !stored.empty() && stored[0] == '0' ? 0 : 1; }

int MatchingChoice(const AircraftOption& option, std::string_view text) {
  int count = ChoiceCount(option);
  for (int i = 0; i < count; ++i) {
    if (EqualsWithoutCase(option.choices[i].stored, text)) return i;
  }
  return -1;
}

std::string ShownValue(const AircraftOption* option, const std::string& stored) {
  if (option == nullptr) return stored;
  if (const char* const* labels = TwoLabels(option->kind)) return labels[TwoLabelIndex(stored)];
  if (option->kind == OptionKind::kChoice || option->kind == OptionKind::kChoiceOrNumber) {
    int choice = MatchingChoice(*option, stored);
    if (choice >= 0) return option->choices[choice].label;
  }
  return stored;
}

LeadingInteger ReadLeadingInteger(std::string_view text) {
  LeadingInteger result;
  size_t at = 0;
  while (at < text.size() && IsSpace(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
  // Kept within a margin above INT_MAX, so however many digits follow, nothing wraps.
  constexpr int64_t kCeiling = int64_t(INT_MAX) + 1;
  int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    magnitude = magnitude * 10 + (text[at] - '0');
    if (magnitude > kCeiling) magnitude = kCeiling + 1;
  }
  result.value = negative ? -magnitude : magnitude;
  result.overflow = result.value > INT_MAX || result.value < INT_MIN;
  return result;
}

bool WithinRange(std::string_view text, int32_t minimum, int32_t maximum) {
  LeadingInteger number = ReadLeadingInteger(text);
  return !number.overflow && number.value >= minimum && number.value <= maximum;
}

std::string RangeMessage(int32_t minimum, int32_t maximum) {
  char message[80];
  std::snprintf(message, sizeof(message), "Please enter a value between %d & %d!", int(minimum), int(maximum));
  return message;
}

bool NamesSettingsFile(std::string_view atcId, std::string_view fileName) {
  constexpr std::string_view kExtension = ".ini";
  if (atcId.empty() || fileName.size() != atcId.size() + kExtension.size()) return false;
  return EqualsWithoutCase(fileName.substr(0, atcId.size()), atcId) &&
         EqualsWithoutCase(fileName.substr(atcId.size()), kExtension);
}

}  // namespace zelva::options
