#include "LiveryBackupFile.h"

#include <cstdint>

#include "LiveryText.h"

namespace zelva::livery {
namespace {

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  // A length byte and its NUL-terminated text of at most limit bytes.
  bool Text(size_t limit, std::string& text) {
    if (at_ >= bytes_.size()) return false;
    size_t length = static_cast<unsigned char>(bytes_[at_]);
    if (length == 0 || length > limit || length > bytes_.size() - at_ - 1) return false;
    std::string_view field = bytes_.substr(at_ + 1, length);
    if (field.back() != '\0') return false;
    text.assign(field.data(), field.find('\0'));
    at_ += 1 + length;
    return true;
  }

  bool Section(std::string& section) {
    if (bytes_.size() - at_ < 4) return false;
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = (length << 8) | static_cast<unsigned char>(bytes_[at_ + size_t(i)]);
    at_ += 4;
    if (length == 0 || length > kBackupSectionBytes || length > bytes_.size() - at_) return false;
    std::string_view field = bytes_.substr(at_, length);
    if (field.back() != '\0') return false;
    section.assign(field.data(), field.size() - 1);
    at_ += length;
    return true;
  }

  bool done() const { return at_ >= bytes_.size(); }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

bool FitsText(const std::string& text, size_t bytes) {
  return text.size() < bytes && text.find('\0') == std::string::npos;
}

void PutText(std::string& out, const std::string& text) {
  out += char(text.size() + 1);
  out += text;
  out += '\0';
}

}  // namespace

bool FitsLiveryBackup(const LiveryBackupRecord& record) {
  return FitsText(record.folder, kBackupFolderBytes) && FitsText(record.name, kBackupNameBytes) &&
         FitsText(record.texture, kBackupTextureBytes) && record.section.size() < kBackupSectionBytes;
}

std::vector<LiveryBackupRecord> ParseLiveryBackup(std::string_view bytes, size_t limit) {
  std::vector<LiveryBackupRecord> records;
  Reader reader(bytes);
  while (!reader.done() && records.size() < limit) {
    LiveryBackupRecord record;
    if (!reader.Text(kBackupFolderBytes, record.folder) || !reader.Text(kBackupNameBytes, record.name) ||
        !reader.Text(kBackupTextureBytes, record.texture) || !reader.Section(record.section))
      break;
    records.push_back(std::move(record));
  }
  return records;
}

std::string SerializeLiveryBackup(const std::vector<LiveryBackupRecord>& records) {
  std::string out;
  for (const LiveryBackupRecord& record : records) {
    if (!FitsLiveryBackup(record)) continue;
    PutText(out, record.folder);
    PutText(out, record.name);
    PutText(out, record.texture);
    uint32_t length = uint32_t(record.section.size() + 1);
    for (int i = 0; i < 4; ++i) out += char((length >> (8 * i)) & 0xFF);
    out += record.section;
    out += '\0';
  }
  return out;
}

void MergeCurrentEntries(std::vector<LiveryBackupRecord>& records, const std::vector<LiveryBackupRecord>& current) {
  for (const LiveryBackupRecord& entry : current) {
    bool known = false;
    for (LiveryBackupRecord& record : records) {
      if (!EqualWithoutCase(record.folder, entry.folder) || !EqualWithoutCase(record.name, entry.name)) continue;
      // A reinstall into another folder or a renamed settings file: the
      // entry as it stands now is what a repair must write back.
      record = entry;
      known = true;
      break;
    }
    if (!known && records.size() < kBackupRecordLimit) records.push_back(entry);
  }
}

}  // namespace zelva::livery
