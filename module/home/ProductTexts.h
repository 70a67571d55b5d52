// What the product home page and the Expansions page say: the descriptions,
// the installation note and the system requirements.
#pragma once

namespace zelva::module {

struct Requirement {
  const wchar_t* label;
  const wchar_t* minimum;
  const wchar_t* recommended;
};
constexpr int kRequirementCount = 5;
extern const Requirement kRequirements[kRequirementCount];

extern const wchar_t kBaseTitle[];
extern const wchar_t kBaseDescription[];
extern const wchar_t kBaseInstallNote[];
extern const wchar_t kExpansionTitle[];
extern const wchar_t kExpansionDescription[];
extern const wchar_t kExpansionInstallNote[];

}  // namespace zelva::module
