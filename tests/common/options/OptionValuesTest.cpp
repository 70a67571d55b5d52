// The catalogue, the shown values and the checks of new values.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "AircraftOption.h"
#include "K50Rules.h"
#include "OptionValues.h"

using namespace zelva::options;

namespace {

const AircraftOption& Row(const char* section, const char* key) {
  int row = FindOption(section, key);
  EXPECT_GE(row, 0) << section << "/" << key;
  return *OptionAt(row);
}

TEST(OptionCatalogueTest, HoldsEveryRowOnceWithAShortDescription) {
  for (int row = 0; row < OptionCatalogueSize(); ++row) {
    const AircraftOption& option = *OptionAt(row);
    // FindOption gives the first match: a row found elsewhere would be a duplicate.
    EXPECT_EQ(FindOption(option.section, option.key), row) << option.key;
    if (option.kind == OptionKind::kHidden) continue;
    std::string description = option.description;
    int sentences = 0;
    for (size_t at = 0; at < description.size(); ++at) {
      if (description[at] == '.' && (at + 1 == description.size() || description[at + 1] == ' ')) ++sentences;
    }
    EXPECT_TRUE(sentences >= 1 && sentences <= 4 && description.back() == '.') << option.key << ": " << description;
    if (option.kind == OptionKind::kChoice || option.kind == OptionKind::kChoiceOrNumber) {
      EXPECT_GE(ChoiceCount(option), 2) << option.key;
    }
    if (option.kind == OptionKind::kRange) {
      EXPECT_LT(option.minimum, option.maximum) << option.key;
    }
  }
  EXPECT_NE(Row("FMS", "DefaultReductionAlt").hook, 0);
  EXPECT_EQ(OptionCatalogue()[OptionCatalogueSize()].section[0], '\0');
}

TEST(OptionCatalogueTest, FindsRowsBySectionAndKeyWithoutRegardToCase) {
  EXPECT_EQ(FindOption("fms", "defaultreductionalt"), FindOption("FMS", "DefaultReductionAlt"));
  EXPECT_EQ(FindOption("Airframe", "passenger signs type"), 14);
  EXPECT_EQ(FindOption("Displays", "DigitalClock"), -1);  // its row is in Airframe
  EXPECT_EQ(FindOption("FMS", "DefaultReductionAl"), -1);
  EXPECT_EQ(OptionAt(kNoCatalogueRow), nullptr);
}

TEST(OptionValuesTest, ShowsLabelsForStoredValuesAndTheTextWhereNoneMatches) {
  EXPECT_EQ(ShownValue(&Row("fms", "defaultreductionalt"), "1"), "Flaps 1");
  EXPECT_EQ(ShownValue(&Row("FMS", "DefaultReductionAlt"), "1500"), "1500");
  EXPECT_EQ(ShownValue(&Row("FMS", "DerateWashoutAlt"), "20000"), "20000");
  EXPECT_EQ(ShownValue(&Row("GPWS", "GPWS_500"), "2"), "Smart");
  EXPECT_EQ(ShownValue(&Row("GPWS", "GPWS_V1Callout"), "05"), "Off");
  EXPECT_EQ(ShownValue(&Row("Warnings", "RAASInstalled"), "2"), "Yes");
  EXPECT_EQ(ShownValue(nullptr, "12abc"), "12abc");
  EXPECT_EQ(TwoLabelIndex("0"), 0);
  EXPECT_EQ(TwoLabelIndex(""), 1);
  EXPECT_EQ(MatchingChoice(Row("FMS", "DerateWashoutAlt"), "20000"), -1);
}

TEST(OptionValuesTest, RangeCheckReadsTheLeadingNumberAndRejectsWhatNoIntHolds) {
  const AircraftOption& range = Row("TCAS", "TCAS_FilterRange");
  auto accepts = [&](const char* text) { return WithinRange(text, range.minimum, range.maximum); };
  EXPECT_TRUE(accepts(" +7"));
  EXPECT_TRUE(accepts("filter"));  // no digits read as 0
  EXPECT_FALSE(accepts("-1"));  // the bounds themselves, and the message, are shown through the options page
  // Too many digits for an int: some of them wrap into the range when read as one.
  EXPECT_FALSE(accepts("99999999999"));
  EXPECT_FALSE(accepts("4294967336"));
  EXPECT_FALSE(accepts("-4294967296"));
  EXPECT_FALSE(accepts("184467440737095516170"));
  EXPECT_EQ(ReadLeadingInteger("2147483647").overflow, false);
  EXPECT_EQ(ReadLeadingInteger("-2147483648").value, -2147483648LL);
  EXPECT_EQ(ReadLeadingInteger("2147483648").overflow, true);
}

TEST(K50RulesTest, ThrustReductionIsFlapsOrAHeightRoundedToTenFeet) {
  for (auto [typed, stored] : std::map<std::string, std::string>{
           {"404", "400"}, {"9895", "9900"}, {" 1236 ft", "1240"}, {"5", "5"}, {"Flaps 1", "Flaps 1"}}) {
    std::string value = typed;
    EXPECT_TRUE(CheckThrustReduction(value)) << typed;
    EXPECT_EQ(value, stored) << typed;
  }
  for (const char* typed : {"399", "9901", "flaps 5", "Flaps", "2", "4294967696", "-500"}) {
    std::string value = typed;
    EXPECT_FALSE(CheckThrustReduction(value)) << typed;
    EXPECT_EQ(value, typed);
  }
  EXPECT_TRUE(IsThrustReductionRow(FindOption("fms", "DEFAULTREDUCTIONALT")));
  EXPECT_FALSE(IsThrustReductionRow(FindOption("FMS", "DefaultAccelHeight")));
  EXPECT_FALSE(IsThrustReductionRow(kNoCatalogueRow));
}

TEST(OptionValuesTest, ASettingsFileIsUsedByTheWholeRegistrationOnly) {
  EXPECT_TRUE(NamesSettingsFile("N12", "N12.ini"));
  EXPECT_TRUE(NamesSettingsFile("n12", "N12.INI"));
  EXPECT_FALSE(NamesSettingsFile("N1", "N12.ini"));
  EXPECT_FALSE(NamesSettingsFile("N123", "N12.ini"));
  EXPECT_FALSE(NamesSettingsFile("N12", "N12.ini.bak"));
  EXPECT_FALSE(NamesSettingsFile("", ".ini"));
}

}  // namespace
