// How an option's stored text is shown, offered in an editor and checked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "AircraftOption.h"

namespace zelva::options {

// Byte-wise comparison with A-Z and a-z taken as equal.
bool EqualsWithoutCase(std::string_view a, std::string_view b);

// The two labels of the on/off kinds, false label first; null for other kinds.
const char* const* TwoLabels(OptionKind kind);
bool IsTwoLabelKind(OptionKind kind);

// What the Value column shows for a stored text: the label of an on/off kind
// ("0..." is the false one), the label of a matching choice, or the text.
std::string ShownValue(const AircraftOption* option, const std::string& stored);

// The choice whose stored value equals text without regard to case; -1 when none.
int MatchingChoice(const AircraftOption& option, std::string_view text);

// The list entry an editor of an on/off kind opens on: 0 for a text that
// begins with "0", else 1.
int TwoLabelIndex(std::string_view stored);

// A leading decimal integer as C reads one: white space, an optional sign,
// then digits; no digits reads as 0. Beyond what an int holds is overflow.
struct LeadingInteger {
  int64_t value = 0;
  bool overflow = false;
};
LeadingInteger ReadLeadingInteger(std::string_view text);

// The check of kind Range: the number the text begins with lies within
// both bounds. The text itself is what gets stored.
bool WithinRange(std::string_view text, int32_t minimum, int32_t maximum);

// "Please enter a value between %d & %d!"
std::string RangeMessage(int32_t minimum, int32_t maximum);

// Whether a livery whose registration is atcId uses the settings file of
// that name: the whole registration followed by ".ini", without regard to case.
bool NamesSettingsFile(std::string_view atcId, std::string_view fileName);

}  // namespace zelva::options
