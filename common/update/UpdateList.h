// "update.cfg", the maker's list of the host's files: one section "File %d"
// per file, numbered from 0, each with the file's last-write time (File_Date,
// 100-ns units since 1601 in decimal), its path below the program folder
// (File_Name) and its text digest (Checksum). The list is read by the host to
// decide whether to offer an update, and by the maker's updater to act on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zelva::update {

// The list ends at 256 sections or at the first without File_Date.
constexpr int kMaxListedFiles = 256;
// What the readers of the list hold of a name and a checksum.
constexpr size_t kListedNameChars = 39;
constexpr size_t kListedChecksumChars = 39;

// The file named "HangardeskUpdater.exe" in any case is the updater itself.
constexpr char kUpdaterFileName[] = "HangardeskUpdater.exe";

// Negative, zero or positive as the local stamp is before, equal to or after
// the listed one. Decimal stamps compare as numbers; anything else byte by
// byte. An empty local stamp (no file) comes before every listed one.
int CompareStamps(std::string_view local, std::string_view listed);

// A File_Name the host may join to its program folder: a relative path of
// plain names ("\" or "/" separated), no drive or stream, nothing that climbs
// out (".." and the forms the platform trims to it), no device name, at most
// kListedNameChars characters.
bool IsSafeListedName(std::u16string_view name);

struct ListedFile {
  uint64_t fileTime;   // last write, 100-ns units since 1601
  std::string name;    // relative, "\" separated
  std::string checksum;
};

// The text of an "update.cfg" for the files in the given order, with CR LF
// line ends as the profile functions write them.
std::string FormatUpdateList(const std::vector<ListedFile>& files);

}  // namespace zelva::update
