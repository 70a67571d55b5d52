// The aircraft options the product knows: where each lives in an airframe's
// settings file, what the page calls it and tells about it, how it is edited
// and which values it stores. One writable table for the whole module: the
// variant adjustment changes the kind of a few rows while it runs.
#pragma once

#include <cstdint>

namespace zelva::options {

enum class OptionKind : uint8_t {
  kText = 0,            // edit box, stored as typed
  kTrueFalse = 1,       // "False"/"True", stored "0"/"1"
  kYesNo = 2,           // "No"/"Yes"
  kOnOff = 3,           // "Off"/"On"
  kChoice = 6,          // the row's labels, stored by their values
  kRange = 7,           // edit box, a number within the row's bounds
  kChoiceOrNumber = 8,  // the row's labels or any text typed
  kHidden = 9,          // never loaded, shown nor written
};

struct OptionChoice {
  const char* stored;  // null ends the list
  const char* label;
};

constexpr int kMaxChoices = 10;

struct AircraftOption {
  const char* section;  // empty ends the table
  const char* key;
  const char* displayName;
  OptionKind kind;
  const char* description;
  OptionChoice choices[kMaxChoices];
  int32_t minimum;  // kRange only, both bounds inclusive
  int32_t maximum;
  int32_t hook;  // nonzero: a new value must also pass the product's check
};

// Index of an entry that has no catalogue row.
constexpr uint16_t kNoCatalogueRow = 9999;

// The table, ended by a row whose section is empty.
AircraftOption* OptionCatalogue();
int OptionCatalogueSize();  // rows before the end row

// The first row, in table order, whose section and key equal the given ones
// without regard to case; -1 when there is none.
int FindOption(const char* section, const char* key);

// The row at index, or null for kNoCatalogueRow and anything out of range.
const AircraftOption* OptionAt(int index);

// The row's choices before the first absent one.
int ChoiceCount(const AircraftOption& option);

}  // namespace zelva::options
