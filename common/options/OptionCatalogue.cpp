// The K50's aircraft options, in the order the page looks them up.
#include "AircraftOption.h"
#include "OptionValues.h"

namespace zelva::options {
namespace {

constexpr OptionKind kText = OptionKind::kText;
constexpr OptionKind kYesNo = OptionKind::kYesNo;
constexpr OptionKind kOnOff = OptionKind::kOnOff;
constexpr OptionKind kChoice = OptionKind::kChoice;
constexpr OptionKind kRange = OptionKind::kRange;
constexpr OptionKind kChoiceOrNumber = OptionKind::kChoiceOrNumber;
constexpr OptionKind kHidden = OptionKind::kHidden;

// Rows without choices or bounds.
#define PLAIN {}, 0, 0, 0
// Rows with bounds and no choices.
#define RANGE(low, high) {}, low, high, 0
#define NO_YES_SMART {{"0", "No"}, {"1", "Yes"}, {"2", "Smart"}}
#define DISABLED_ENABLED {{"0", "Disabled"}, {"1", "Enabled"}}

AircraftOption g_catalogue[] = {
    {"AFS", "AllowGSCaptureBeforeLoc", "Allow GS capture before LOC", kChoice,
     "Sets whether the autopilot may capture the glideslope before it has captured the localizer. With Deny, the "
     "approach mode arms the glideslope but waits for the localizer capture first.",
     {{"0", "Deny"}, {"1", "Allow"}}, 0, 0, 0},
    {"FMS", "DefaultAccelHeight", "Default acceleration altitude", kRange,
     "The height in feet above the departure runway at which the FMC lowers the nose after take-off to accelerate "
     "and retract the flaps. It is the default of every departure and can be changed on the TAKEOFF REF page.",
     RANGE(400, 9900)},
    {"FMS", "DefaultTransAlt", "Default transition altitude", kRange,
     "The transition altitude in feet that the FMC uses when the navigation database gives none for the departure "
     "airport. Above it, altitudes are shown as flight levels.",
     RANGE(1, 45000)},
    {"FMS", "CRZ_THRLim_CRZ", "FMS cruise phase thrust limit", kChoice,
     "Selects the thrust limit that the FMC sets when the aircraft reaches the cruise phase. CLB keeps the climb "
     "limit in cruise; CRZ changes to the lower cruise limit.",
     {{"0", "CLB"}, {"1", "CRZ"}}, 0, 0, 0},
    {"FMS", "GWEntryAllowed", "Gross weight entry allowed", kYesNo,
     "Allows the crew to enter the gross weight on the PERF INIT page. With No, only the zero fuel weight can be "
     "entered and the FMC adds the fuel on board itself.",
     PLAIN},
    {"FMS", "TOThrustDerates", "Takeoff fixed thrust derates", kChoice,
     "Offers the fixed take-off derates TO 1 and TO 2 on the N1 LIMIT page. When disabled, only full rated take-off "
     "thrust and assumed temperature reductions are available.",
     DISABLED_ENABLED, 0, 0, 0},
    {"FMS", "CLBThrustDerates", "Climb fixed thrust derates", kChoice,
     "Offers the fixed climb derates CLB 1 and CLB 2 on the N1 LIMIT page. When disabled, the aircraft always climbs "
     "with full rated climb thrust.",
     DISABLED_ENABLED, 0, 0, 0},
    {"FMS", "DerateWashoutAlt", "Climb derate washout altitude", kChoice,
     "The altitude in feet at which a climb derate has washed out completely and the engines give full climb "
     "thrust. Above 10000 feet the derate is reduced gradually up to this altitude.",
     {{"12000", "12000"}, {"30000", "30000"}}, 0, 0, 0},
    {"FMS", "CompanySpeed", "Company eng-out climb, cruise and driftdown speed", kRange,
     "The company speed in knots that the FMC proposes for the engine-out climb, cruise and driftdown. Enter the "
     "speed that your operator's engine-out procedures give.",
     RANGE(100, 499)},
    {"FMS", "DefaultEOHeight", "Default engine out acceleration altitude", kRange,
     "The height in feet above the runway at which the FMC commands the acceleration after an engine failure on "
     "take-off. It is the default of every departure and can be changed on the TAKEOFF REF page.",
     RANGE(800, 9999)},
    {"FMS", "DefaultReductionAlt", "Default thrust reduction altitude or flaps", kChoiceOrNumber,
     "The default height in feet above the ground at which the FMC reduces from take-off thrust to the selected "
     "climb thrust. Instead of a height, the reduction can be tied to selecting flaps 1 or flaps 5 after take-off. "
     "Heights from 400 to 9900 feet are accepted and rounded to the nearest 10 feet.",
     {{"1", "Flaps 1"}, {"5", "Flaps 5"}}, 0, 0, 1},
    {"Airframe", "ISFDInstalled", "Standby instrument type", kChoice,
     "Selects the standby instruments of the main panel. Separate fits the standby attitude indicator, altimeter and "
     "airspeed indicator; ISFD fits one integrated standby flight display.",
     {{"0", "Separate"}, {"1", "ISFD"}}, 0, 0, 0},
    {"Displays", "Fuel_AuxFuelInstalled", "K50-200LR auxillary fuel tanks equipped", kChoice,
     "The number of auxiliary fuel tanks fitted in the aft cargo hold of the K50-200LR. The fuel synoptic and the "
     "fuel quantity indications show the tanks that are fitted.",
     {{"0", "None"}, {"1", "Single tank"}, {"2", "3 tanks"}}, 0, 0, 0},
    {"Airframe", "FlightTestPackage", "Flight test package", kYesNo,
     "Fits the flight test instrumentation with its additional displays and switches on the flight deck, as found "
     "on the aircraft that fly the test and certification programme.",
     PLAIN},
    {"Airframe", "Passenger Signs Type", "Left passenger sign configuration", kChoice,
     "Selects the legend of the left passenger sign switch on the overhead panel and of the matching cabin signs: "
     "No Smoking, No Electronics, or no switch at all.",
     {{"0", "No Smoking"}, {"1", "No Electronics"}, {"2", "Not Installed"}}, 0, 0, 0},
    {"Warnings", "RAASInstalled", "RAAS Installed", kYesNo,
     "Fits the Runway Awareness and Advisory System, which calls out the runway ahead and the remaining distance "
     "while the aircraft taxis, takes off and lands.",
     PLAIN},
    {"GPWS", "GPWS_V1Callout", "V1 callout", kOnOff, "Turns the GPWS V1 callout on or off.", PLAIN},
    {"GPWS", "GPWS_WarnBankAngle", "Bank angle callout", kOnOff,
     "Turns the GPWS \"Bank angle\" callout on or off. When on, the aircraft warns of excessive bank for its height "
     "above the ground.",
     PLAIN},
    {"GPWS", "GPWS_AprMinimumsType", "Approaching minimums callout type", kChoice,
     "Selects the GPWS callout 100 feet above the selected minimums: none, \"Approaching minimums\", \"Approaching "
     "decision height\" or \"Plus hundred\".",
     {{"0", "None"}, {"4", "Approaching minimums"}, {"5", "Aproaching DH"}, {"6", "Plus hundred"}}, 0, 0, 0},
    {"GPWS", "GPWS_MinimumsType", "Minimums callout type", kChoice,
     "Selects the GPWS minimums callout phrasing when the aircraft reaches the selected minimums.",
     {{"0", "None"}, {"1", "Minimums"}, {"2", "Minimums, minimums"}, {"3", "Decision height"}}, 0, 0, 0},
    {"GPWS", "GPWS_AltCallouts", "Altitude callouts", kOnOff,
     "Global toggle for GPWS altitude callouts. Must be on to hear any callouts.", PLAIN},
    {"GPWS", "GPWS_2500", "2500 callout", kChoice,
     "Sets the GPWS 2500 feet callout. Smart plays the callout only when a non-precision approach, or no approach, "
     "is selected.",
     NO_YES_SMART, 0, 0, 0},
    {"GPWS", "GPWS_1000", "1000 callout", kChoice,
     "Sets the GPWS 1000 feet callout. Smart plays the callout only when a non-precision approach, or no approach, "
     "is selected.",
     NO_YES_SMART, 0, 0, 0},
    {"GPWS", "GPWS_500", "500 callout", kChoice,
     "Sets the GPWS 500 feet callout. Smart plays the callout only when a non-precision approach, or no approach, "
     "is selected.",
     NO_YES_SMART, 0, 0, 0},
    {"GPWS", "GPWS_400", "400 callout", kOnOff, "Turns the GPWS 400 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_300", "300 callout", kOnOff, "Turns the GPWS 300 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_200", "200 callout", kOnOff, "Turns the GPWS 200 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_100", "100 callout", kOnOff, "Turns the GPWS 100 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_50", "50 callout", kOnOff, "Turns the GPWS 50 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_40", "40 callout", kOnOff, "Turns the GPWS 40 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_30", "30 callout", kOnOff, "Turns the GPWS 30 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_20", "20 callout", kOnOff, "Turns the GPWS 20 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_10", "10 callout", kOnOff, "Turns the GPWS 10 feet callout on or off.", PLAIN},
    {"GPWS", "GPWS_2500_RA", "2500 callout type", kChoice,
     "Selects the wording of the GPWS callout at 2500 feet: the number \"Twenty five hundred\" or \"Radio "
     "altimeter\".",
     {{"0", "2500"}, {"1", "Radio altimeter"}}, 0, 0, 0},
    {"GPWS", "GPWS_TerrUseCyan", "EGPWS terrain show water in cyan", kYesNo,
     "Shows water in cyan on the EGPWS terrain display of the navigation display. With No, water is drawn like "
     "terrain of the same elevation.",
     PLAIN},
    {"Warnings", "ResettableSiren", "Resettable siren", kYesNo,
     "Lets the crew silence the overspeed and configuration sirens with the master warning reset. With No, a siren "
     "sounds until the condition that set it off has gone.",
     PLAIN},
    {"Warnings", "APDiscSound_isWailer", "Autopilot disconnect sound", kChoice,
     "Selects the aural alert that sounds when the autopilot disconnects: the siren or the wailer.",
     {{"0", "Siren"}, {"1", "Wailer"}}, 0, 0, 0},
    {"Warnings", "Altitude_alert_setting", "Altitude alert setting", kChoice,
     "Selects the altitude alert thresholds in feet: how far before the selected altitude the approach alert "
     "starts, and how far away from it a deviation alert is given.",
     {{"0", "900 Approach, 200 Dev"}, {"1", "800 Approach, 200 Dev"}, {"2", "750 Approach, 250 Dev"}}, 0, 0, 0},
    {"Warnings", "AltitudeApproachAural", "Altitude approach sound", kYesNo,
     "Sounds a chime when the aircraft approaches the altitude selected on the mode control panel. With No, the "
     "approach is shown on the primary flight display only.",
     PLAIN},
    {"Warnings", "CrewAlertnessMonitor", "Crew Alertness Monitor", kYesNo,
     "Fits the crew alertness monitor. When the crew has not touched any control for a long time, it asks them to "
     "confirm that they are alert, and warns when nobody answers.",
     PLAIN},
    {"Units", "MetricWeightUnits", "Weight units", kChoice,
     "Selects the units in which the FMC and the displays show weights and fuel quantities: pounds or kilograms.",
     {{"0", "LBS"}, {"1", "KGS"}}, 0, 0, 0},
    {"Units", "TemperaturesInF", "Air conditioning temperature units", kChoice,
     "Selects whether the air conditioning panel and the air synoptic show cabin and duct temperatures in degrees "
     "Celsius or Fahrenheit.",
     {{"0", "C"}, {"1", "F"}}, 0, 0, 0},
    {"Displays", "PFD_split_axis_flight_director", "Flight director type", kChoice,
     "Selects how the primary flight display draws the flight director: one cue for pitch and roll together, or "
     "separate bars for each axis.",
     {{"0", "Single cue"}, {"1", "Split axis"}}, 0, 0, 0},
    {"Displays", "PFD_groundspeed_displayed", "Groundspeed display", kOnOff,
     "Shows the groundspeed on the primary flight display, below the airspeed tape.", PLAIN},
    {"Displays", "PFD_rising_runway", "Rising runway", kOnOff,
     "Shows the rising runway symbol on the primary flight display during the final approach. It rises towards the "
     "aircraft symbol as the radio altitude decreases.",
     PLAIN},
    {"Displays", "PFD_ND_NPS", "Navigation performance scales", kOnOff,
     "Shows the navigation performance scales on the primary flight display and the navigation display. They "
     "compare the actual with the required navigation performance, laterally and vertically.",
     PLAIN},
    {"Displays", "PFD_integral_heading_scale", "FPV heading scale", kOnOff,
     "Shows a heading scale along the horizon line of the primary flight display, on which the track of the flight "
     "path vector can be read.",
     PLAIN},
    {"Displays", "PFD_radio_altitude_round_dial", "Radio altitude round dial", kOnOff,
     "Shows the radio altitude as a round dial on the primary flight display. Turning it on disables the angle of "
     "attack indicator, which takes the same place.",
     PLAIN},
    {"Displays", "PFD_angle_of_attack_dial", "Angle of attack indicator", kOnOff,
     "Shows an angle of attack dial on the primary flight display. Turning it on disables the radio altitude round "
     "dial, which takes the same place.",
     PLAIN},
    {"Displays", "PFD_landing_altitude_bar", "Landing altitude bar", kOnOff,
     "Shows the landing altitude bar on the altitude tape of the primary flight display, at the elevation of the "
     "destination runway.",
     PLAIN},
    {"Displays", "PFD_show_landing_flaps", "Show landing flaps", kOnOff,
     "Shows the landing flap setting selected in the FMC next to the reference speed on the primary flight display.",
     PLAIN},
    {"Displays", "ND_trackUp", "Track Up", kYesNo,
     "Turns the map and approach modes of the navigation display to the aircraft's track instead of its heading.",
     PLAIN},
    {"Displays", "ND_RangeArcs", "Range arcs", kOnOff,
     "Draws range arcs on the navigation display in the expanded map mode, to help judge distances ahead.", PLAIN},
    {"Displays", "ND_TCAS_RangeRing", "TCAS 3nm range ring", kOnOff,
     "Draws a ring of 3 nautical miles around the aircraft symbol on the navigation display while TCAS traffic is "
     "shown.",
     PLAIN},
    {"Displays", "ND_VOR_course_lines_displayed", "VOR course lines", kOnOff,
     "Draws the selected courses of the tuned VOR stations on the navigation display in map mode.", PLAIN},
    {"Displays", "ND_GridHeading", "Grid heading", kOnOff,
     "Offers grid heading as the heading reference of the navigation display, for flights in the polar regions.",
     PLAIN},
    {"Displays", "ND_MinimumRunwayLength", "Minimum runway length", kRange,
     "The shortest runway in feet that the navigation display shows when airports are drawn on the map. Airports "
     "with shorter runways are left off to keep the map clear.",
     RANGE(1000, 13999)},
    {"Displays", "ND_ActWptData", "Show active altitude constraint", kYesNo,
     "Shows the altitude constraint of the active waypoint in the data block at the top of the navigation display.",
     PLAIN},
    {"TCAS", "TCAS_ShowAllTraffic", "TCAS other traffic", kChoice,
     "Selects which other traffic TCAS shows on the navigation display. Filter leaves off traffic beyond the filter "
     "range and altitude separation; Show all shows every aircraft that TCAS tracks.",
     {{"0", "Filter"}, {"1", "Show all"}}, 0, 0, 0},
    {"TCAS", "TCAS_FilterRange", "TCAS filter range", kRange,
     "The distance in nautical miles beyond which TCAS leaves other traffic off the display while it filters. The "
     "real-world value is 40.",
     RANGE(0, 79)},
    {"TCAS", "TCAS_FilterSeparation", "TCAS filter altitude separation", kRange,
     "The altitude separation in feet beyond which TCAS leaves other traffic off the display while it filters. The "
     "real-world value is 2800.",
     RANGE(0, 9999)},
    {"Displays", "Engines_ColorChangeInhibit_5minutes", "EGT color change inhibit time", kChoice,
     "The time after take-off thrust is set during which the EGT indication does not turn amber above the maximum "
     "continuous limit: 10 minutes or 5 minutes.",
     {{"0", "10 minutes"}, {"1", "5 minutes"}}, 0, 0, 0},
    {"Displays", "Engines_LowOilQuantityInverseVideo", "Low oil quantity inverse video", kOnOff,
     "Shows a low engine oil quantity in inverse video on the engine display, so that it stands out.", PLAIN},
    {"Displays", "Engines_HighVibrationAlert", "High vibration alert", kOnOff,
     "Alerts the crew on the engine display when the vibration of an engine is high.", PLAIN},
    {"Displays", "Engines_ShowMaxContLines", "Maximum continuous thrust bugs", kOnOff,
     "Shows the maximum continuous thrust marks on the N1 and EGT indications of the engine display.", PLAIN},
    {"Displays", "Engines_ShowRefN1", "Show reference N1", kChoice,
     "Selects when the engine display shows the reference N1 beside the thrust limit: never, only while a derate "
     "is used, or always.",
     {{"0", "Never"}, {"1", "When derate used"}, {"2", "Always"}}, 0, 0, 0},
    {"Displays", "Doors_ArmingAnnunciations", "MFD door arming indications", kOnOff,
     "Shows on the doors synoptic of the multifunction display whether the escape slide of each door is armed.",
     PLAIN},
    {"AFS", "AutoLNAVonGoAround", "Auto LNAV On Go-Around", kChoice,
     "Engages LNAV by itself when a go-around begins, so that the aircraft follows the missed approach. When "
     "disabled, the crew selects a roll mode after the go-around.",
     DISABLED_ENABLED, 0, 0, 0},
    {"GPWS", "GPWS_TerrPeaksMode", "", kHidden, "", PLAIN},
    {"Version", "Version", "", kHidden, "", PLAIN},
    {"Version", "AccurateOptions", "", kHidden, "", PLAIN},
    {"FMS", "DragCorrection", "", kHidden, "", PLAIN},
    {"FMS", "FFCorrection", "", kHidden, "", PLAIN},
    {"FMCDatalink", "CompanyCostIndex", "Company cost index", kRange,
     "The cost index that the FMC proposes for a new flight plan. It weighs fuel against time: 0 flies the most "
     "economically, higher values fly faster.",
     RANGE(0, 9999)},
    {"FMCDatalink", "AutoPreflight", "Automated preflight requests", kYesNo,
     "Requests the flight plan, the take-off data and the winds by datalink as soon as the route is entered in the "
     "FMC.",
     PLAIN},
    {"FMCDatalink", "AutoAltnList", "Automatic ALTN list uplink", kYesNo,
     "Requests the list of alternate airports by datalink during the flight, without a request by the crew.", PLAIN},
    {"FMCDatalink", "AutoDesFrcstUplink", "Automatic DES FORECAST uplinks", kYesNo,
     "Requests the descent wind forecast by datalink as the aircraft approaches the top of descent.", PLAIN},
    {"FMCDatalink", "AutoPosReportDownlink", "Automatic POS REPORT downlinks", kYesNo,
     "Sends a position report to the company by datalink at each reporting point.", PLAIN},
    {"FMCDatalink", "AltnRwyMinLength", "ALTN uplink runway minimum length", kRange,
     "The shortest runway in feet that an alternate airport sent by datalink must have to enter the ALTN list.",
     RANGE(1000, 13999)},
    {"FMCDatalink", "AltnILSRequired", "ALTN uplink ILS required", kYesNo,
     "Takes only alternate airports with an ILS approach into the ALTN list sent by datalink.", PLAIN},
    {"Warnings", "APDisconnectScheme", "AP disconnect scheme", kChoice,
     "Selects how the autopilot disconnect switch is used: one press disconnects and silences the alert, two "
     "presses disconnect and then silence it, or two presses disconnect and the alert sounds on.",
     {{"0", "1 press"}, {"1", "2 presses"}, {"2", "2 presses unsilenced"}}, 0, 0, 0},
    {"Airframe", "APUtoPack", "APU to pack takeoff", kYesNo,
     "Enables the APU-to-pack take-off option: the APU supplies the air conditioning packs during take-off, so the "
     "engines give all their thrust. It is standard on the K50-300ER and cannot be switched off there.",
     PLAIN},
    {"Airframe", "TailskidInstalled", "Tail skid installed", kYesNo,
     "Fits the tail skid that protects the longer fuselage of the K50-300ER against a tail strike. This equipment "
     "exists on the K50-300ER only.",
     PLAIN},
    {"Airframe", "ADF2Installed", "ADF installed", kYesNo,
     "Fits the automatic direction finder. With No, ADF tuning and the ADF pointers of the navigation display are "
     "not available.",
     PLAIN},
    {"Airframe", "SatcomAntenna", "Satcom antenna installed", kChoice,
     "The position of the external satcom antenna on the fuselage of the K50-300ER: not installed, forward or mid. "
     "This equipment exists on the K50-300ER only.",
     {{"0", "Not installed"}, {"1", "Forward"}, {"2", "Mid"}}, 0, 0, 0},
    {"Airframe", "DigitalClock", "Clock Type", kChoice,
     "Selects the clocks of the flight deck: analog clocks with sweep hands, or digital clocks.",
     {{"0", "Analog"}, {"1", "Digital"}}, 0, 0, 0},
    {"", "", "", kText, "", PLAIN},
};

#undef PLAIN
#undef RANGE
#undef NO_YES_SMART
#undef DISABLED_ENABLED

constexpr int kRows = int(sizeof(g_catalogue) / sizeof(g_catalogue[0])) - 1;

}  // namespace

AircraftOption* OptionCatalogue() { return g_catalogue; }
int OptionCatalogueSize() { return kRows; }

int FindOption(const char* section, const char* key) {
  if (section == nullptr || key == nullptr) return -1;
  for (int row = 0; row < kRows; ++row) {
    if (EqualsWithoutCase(g_catalogue[row].key, key) && EqualsWithoutCase(g_catalogue[row].section, section))
      return row;
  }
  return -1;
}

const AircraftOption* OptionAt(int index) { return index >= 0 && index < kRows ? &g_catalogue[index] : nullptr; }

int ChoiceCount(const AircraftOption& option) {
  int count = 0;
  while (count < kMaxChoices && option.choices[count].stored != nullptr) ++count;
  return count;
}

}  // namespace zelva::options
