// Versions and updater URLs come from the maker's server: the order of two
// versions must be consistent whichever way round it is asked, and a name
// taken from a URL must be one plain file name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "UpdaterName.h"
#include "VersionCompare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\n');
  std::string a = input.substr(0, split);
  std::string b = split == std::string::npos ? std::string() : input.substr(split + 1);
  a.resize(std::strlen(a.c_str()));
  b.resize(std::strlen(b.c_str()));

  using namespace zelva::update;
  int ab = CompareVersions(a.c_str(), b.c_str()), ba = CompareVersions(b.c_str(), a.c_str());
  if ((ab < 0) != (ba > 0) || (ab == 0) != (ba == 0) || CompareVersions(a.c_str(), a.c_str()) != 0) std::abort();

  std::string name;
  if (UpdaterNameFromUrl(input, name) == UpdaterName::kAccepted) {
    if (name.empty() || name == "." || name == ".." || name.find_first_of("\\/:?#*\"<>|") != std::string::npos)
      std::abort();
    if (input.compare(input.size() - name.size(), name.size(), name) != 0) std::abort();
  }
  return 0;
}
