// The rules of the sound sets that need no file: which subfolders are sound
// groups, when a package counts as present, and how file digests decide
// which alternative is active.
#pragma once

#include <string>
#include <string_view>

namespace zelva::sound {

// Beside the active interior groups: the 22 kHz alternative and the stock
// files it replaced.
constexpr char kAlternativeFolder[] = "22KHz";
constexpr char kBackupFolder[] = "Backup";
// In a variant's aircraft folder.
constexpr char kActiveExteriorFolder[] = "sound";
constexpr char kStereoFolder[] = "sound.stereo";
constexpr char kSurroundFolder[] = "sound.surround";

constexpr int kInteriorPackageFiles = 500;
constexpr int kExteriorPackageFiles = 20;

// Which alternative is active: none (or a mix), the first (stereo, stock) or
// the second (surround, 22 kHz).
enum Alternative : int { kNoAlternative = 0, kFirstAlternative = 1, kSecondAlternative = 2 };

// A folder whose name has at least three characters holds a sound group.
bool IsGroupName(std::string_view name);
// A group of the active interior set: the back-up and both installs work on
// exactly these, so every file an install overwrites has its stock copy.
bool IsActiveGroupName(std::string_view name);

// The digests of one active file and its two counterparts; empty when a file
// could not be read.
struct FileDigests {
  std::string active, alternative, backup;
};

// No value when a digest is missing, or when both counterparts are the same
// file (it cannot tell the sets apart); else 2 when the active file is the
// 22 kHz one, 1 when it is the stock one, 0 when it is neither.
constexpr int kNoValue = -1;
int FileValue(const FileDigests& digests);

// Values combined in the order found: the first decides, any later one that
// differs makes it a mix (0); no value at all is 0.
class ActiveSetTally {
 public:
  void Add(int value);
  int Result() const { return seen_ ? result_ : kNoAlternative; }
  // Nothing later can change a result of 0.
  bool Settled() const { return seen_ && result_ == kNoAlternative; }

 private:
  bool seen_ = false;
  int result_ = kNoAlternative;
};

}  // namespace zelva::sound
