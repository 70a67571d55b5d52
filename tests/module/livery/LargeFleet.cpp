#include "LargeFleet.h"

#include <cstdint>
#include <string>

namespace zelva::testing {
namespace {

// A fixed sequence, the same on every platform.
class Sequence {
 public:
  uint32_t Next(uint32_t below) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return uint32_t(state_ >> 33) % below;
  }

 private:
  uint64_t state_ = 30;
};

const char* const kWords[] = {"polar", "Zulu", "atlantic", "Boreal", "CASCADE", "delta", "Ember", "fjord",
                              "Granite", "harbour", "Island", "juniper", "Kestrel", "lagoon", "Meridian", "nimbus"};

std::string NameOf(int entry, Sequence& sequence) {
  if (entry == 137) return "ZELVA House Colours";
  if (entry % 50 == 7) return "Atlas Shared";  // several entries, one name: their order must hold
  std::string name = kWords[sequence.Next(16)];
  name += sequence.Next(4) == 0 ? "_" : " ";
  name += kWords[sequence.Next(16)];
  return name + " " + std::to_string(sequence.Next(1000));
}

std::string Header(int entry) {
  std::string number = std::to_string(entry);
  switch (entry % 7) {
    case 0: return "[FLTSIM." + number + "]\r\n";
    case 1: return "  [FltSim." + number + "]   ; repainted 2021\r\n";
    default: return "[fltsim." + number + "]\r\n";
  }
}

std::string Entry(int entry, Sequence& sequence) {
  std::string name = NameOf(entry, sequence);
  const char* end = entry % 13 == 5 ? "\n" : "\r\n";  // a few lines from an editor that writes LF alone
  std::string text = Header(entry);
  if (entry % 9 == 2) text += "; painted by the community\r\n";
  text += "title=K50F " + name + " " + std::to_string(entry) + end;
  text += entry % 3 == 0 ? "sim = K50F\r\n" : "sim=K50F\r\n";
  text += "model=\r\n";
  text += "texture=T" + std::to_string(entry) + end;
  text += entry % 11 == 0 ? "ui_variation = \"" + name + "\"\r\n" : "ui_variation=" + name + "\r\n";
  text += "atc_id=N" + std::to_string(entry) + "BX\r\n";
  if (entry == 42) text += "description=" + std::string(5000, 'd') + "\\nend\r\n";
  else text += "description=" + name + ", a freighter livery.\\nSecond line.\r\n";
  if (entry % 17 == 4) text += "; end of livery " + std::to_string(entry) + "\r\n";
  text += entry % 5 == 0 ? "\r\n\r\n" : "\r\n";
  return text;
}

}  // namespace

std::string LargeFleetConfig(int entries) {
  Sequence sequence;
  std::string text = "; ZELVA K50F\r\nversion_note=edited by hand\r\n\r\n[Version]\r\nMajor=1\r\nMinor=0\r\n\r\n";
  for (int entry = 0; entry < entries; ++entry) {
    if (entry == entries / 2)
      text += "[General]\r\natc_type=ZELVA\r\natc_model = K50F \r\nperformance=Cruise 0.84\\nRange 9,000 km\r\n\r\n"
              "; ---- the second half of the fleet ----\r\n";
    text += Entry(entry, sequence);
  }
  text += "[fuel]\r\nCenter1 = -4.5, 0, 0, 9000, 0\r\nfuel_type=2\r\n\r\n"
          "[contact_points]\r\npoint.0=1, 43.5, 0, -9.1, 1600, 0, 1.2, 55, 0.6, 2.5, 0.9, 6, 6, 0, 0, 0\r\n\r\n"
          "[Cargo Doors]\r\n; a section the program knows nothing of\r\nmain = 1 \r\nside=2\r\n\r\n"
          "[fuel]\r\nfuel_type=7\r\n\r\n"
          "[fltsim.3]\r\ntitle=K50F Stale copy\r\nui_variation=Stale copy\r\ntexture=Stale\r\n\r\n"
          "[fltsim." + std::to_string(entries + 1) + "]\r\ntitle=K50F Beyond the gap\r\nui_variation=Beyond\r\n";
  return text;
}

std::vector<std::string> LargeFleetOtherSections(int entries) {
  return {"", "Version", "General", "fuel", "contact_points", "Cargo Doors", "fltsim." + std::to_string(entries + 1)};
}

}  // namespace zelva::testing
