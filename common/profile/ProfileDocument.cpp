#include "ProfileDocument.h"

#include "ProfileLine.h"

namespace zelva::profile {
namespace {

const char* BreakText(LineBreak lineBreak) {
  switch (lineBreak) {
    case LineBreak::Lf: return "\n";
    case LineBreak::Cr: return "\r";
    case LineBreak::CrLf: return "\r\n";
    default: return "";
  }
}

bool StartsWith(std::string_view bytes, std::string_view mark) { return bytes.substr(0, mark.size()) == mark; }

std::string Folded(std::string_view name) {
  std::string folded(UpToNul(name));
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return folded;
}

// GetPrivateProfileStringA's copy into the caller's buffer: quotes of the
// same kind at both ends are removed, and when the quoted value only just
// fits, one more character goes with the closing quote.
std::string CopyEntry(std::string_view value, size_t chars) {
  bool quoted = value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  if (quoted) value.remove_prefix(1);
  std::string copy(value.substr(0, chars - 1));
  if (quoted && chars >= value.size() && !copy.empty()) copy.pop_back();
  return copy;
}

}  // namespace

size_t Section::BlockEnd() const {
  size_t first = headed ? 1 : 0, end = lines.size();
  while (end > first && IsBlankOrComment(lines[end - 1].text)) --end;
  return end;
}

Document::Document() { sections_.emplace_back(); }

Document::Document(std::string_view bytes) : Document() {
  if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF")) {
    wide_ = true;
    wideText_.assign(bytes);
    return;
  }
  if (StartsWith(bytes, "\xEF\xBB\xBF")) {
    mark_.assign(bytes.substr(0, 3));
    bytes.remove_prefix(3);
  }
  bool breakSeen = false;
  for (size_t at = 0; at < bytes.size();) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = bytes.size();
    Line line;
    line.text.assign(bytes.substr(at, end - at));
    at = end;
    if (at < bytes.size()) {
      if (bytes.compare(at, 2, "\r\n") == 0) {
        line.lineBreak = LineBreak::CrLf;
        at += 2;
      } else {
        line.lineBreak = bytes[at] == '\r' ? LineBreak::Cr : LineBreak::Lf;
        at += 1;
      }
      if (!breakSeen) newline_ = line.lineBreak;
      breakSeen = true;
    }
    std::string_view name;
    if (HeaderName(line.text, name)) {
      sections_.emplace_back();
      sections_.back().headed = true;
      sections_.back().name.assign(name);
    }
    sections_.back().lines.push_back(std::move(line));
  }
}

std::string Document::Text() const {
  if (wide_) return wideText_;
  const Line* last = nullptr;
  size_t size = mark_.size();
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      size += line.text.size() + 2;
      last = &line;
    }
  }
  std::string text;
  text.reserve(size);
  text += mark_;
  for (const Section& section : sections_) {
    for (const Line& line : section.lines) {
      text += line.text;
      // A line that an edit moved away from the end needs a break of its own.
      text += BreakText(line.lineBreak == LineBreak::None && &line != last ? newline_ : line.lineBreak);
    }
  }
  return text;
}

template <typename Visit>
void Document::ForEachKey(const Section& section, Visit visit) const {
  // A line with nothing before its "=" counts only behind a key with a name.
  bool previous = false, previousNamed = false;
  for (size_t i = section.headed ? 1 : 0; i < section.lines.size(); ++i) {
    KeyLine key;
    if (!ParseKeyLine(section.lines[i].text, key)) continue;
    if (!key.rawName.empty() || !previous || previousNamed) {
      previous = true;
      previousNamed = !key.name().empty();
      if (!visit(key, i)) return;
    }
  }
}

size_t Document::Find(std::string_view name) const {
  if (!indexed_) {
    index_.clear();
    for (size_t i = 0; i < sections_.size(); ++i) index_.emplace(Folded(sections_[i].name), i);
    indexed_ = true;
  }
  auto found = index_.find(Folded(name));
  return found == index_.end() ? npos : found->second;
}

std::string Document::Value(std::string_view section, std::string_view key, size_t chars) const {
  if (chars == 0 || key.empty()) return std::string();
  size_t index = Find(Trim(section));
  if (index == npos) return std::string();
  std::string_view wanted = Trim(key), value;
  bool hasValue = false;
  ForEachKey(sections_[index], [&](const KeyLine& line, size_t) {
    if (!SameName(line.name(), wanted)) return true;
    hasValue = line.hasValue;
    value = line.value;
    return false;
  });
  return hasValue ? CopyEntry(value, chars) : std::string();
}

std::string Document::SectionText(std::string_view section) const {
  std::string text;
  size_t index = Find(section);
  if (index == npos) return text;
  ForEachKey(sections_[index], [&](const KeyLine& line, size_t) {
    std::string_view name = line.name();
    if ((name.empty() && !line.hasValue) || (!name.empty() && name.front() == ';')) return true;
    text += name;
    if (line.hasValue) {
      text += '=';
      text += line.value;
    }
    text += '\0';
    return true;
  });
  return text;
}

Line Document::NewLine(std::string text) const { return Line{std::move(text), newline_}; }

std::vector<Line> Document::KeyLines(std::string_view keyStrings, bool needEquals) const {
  std::vector<Line> lines;
  size_t start = 0;
  for (size_t i = 0; i <= keyStrings.size(); ++i) {
    if (i < keyStrings.size() && keyStrings[i] != '\0' && keyStrings[i] != '\r' && keyStrings[i] != '\n') continue;
    std::string_view key = keyStrings.substr(start, i - start), name;
    start = i + 1;
    // Blank strings and ones that would read back as a header are no keys.
    if (Trim(key).empty() || HeaderName(key, name)) continue;
    if (needEquals && key.find('=') == std::string_view::npos) continue;
    lines.push_back(NewLine(std::string(key)));
  }
  return lines;
}

void Document::NameFromHeader(Section& section) {
  std::string_view name;
  section.headed = !section.lines.empty() && HeaderName(section.lines[0].text, name);
  section.name.assign(section.headed ? name : std::string_view());
  Changed();
}

std::vector<Line> Document::TakeBlock(size_t index) {
  Section& section = sections_[index];
  if (index == 0 || !section.headed) return {};
  auto end = section.lines.begin() + long(section.BlockEnd());
  std::vector<Line> block(std::make_move_iterator(section.lines.begin()), std::make_move_iterator(end));
  section.lines.erase(section.lines.begin(), end);
  NameFromHeader(section);
  return block;
}

void Document::PlaceBlock(size_t index, std::vector<Line> block) {
  Section& section = sections_[index];
  if (index == 0 || section.headed) return;
  section.lines.insert(section.lines.begin(), std::make_move_iterator(block.begin()),
                       std::make_move_iterator(block.end()));
  NameFromHeader(section);
}

void Document::ReplaceBody(size_t index, std::vector<Line> body) {
  Section& section = sections_[index];
  if (index == 0 || !section.headed) return;
  auto first = section.lines.begin() + 1, end = section.lines.begin() + long(section.BlockEnd());
  first = section.lines.erase(first, end);
  section.lines.insert(first, std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
}

void Document::Rename(size_t index, std::string_view name) {
  Section& section = sections_[index];
  size_t start = 0, length = 0;
  if (index == 0 || !section.headed || !HeaderNameRange(section.lines[0].text, start, length)) return;
  section.lines[0].text.replace(start, length, name);
  NameFromHeader(section);
}

void Document::RemoveBlock(size_t index) {
  if (index == 0 || index >= sections_.size() || !sections_[index].headed) return;
  std::vector<Line>& lines = sections_[index].lines;
  std::vector<Line>& before = sections_[index - 1].lines;
  for (size_t i = sections_[index].BlockEnd(); i < lines.size(); ++i)
    if (!Trim(lines[i].text).empty()) before.push_back(std::move(lines[i]));
  sections_.erase(sections_.begin() + long(index));
  Changed();
}

void Document::InsertSection(size_t before, std::string_view name, std::vector<Line> body) {
  if (before < 1 || before > sections_.size()) before = sections_.size();
  Section section;
  section.lines.push_back(NewLine("[" + std::string(name) + "]"));
  section.lines.insert(section.lines.end(), std::make_move_iterator(body.begin()), std::make_move_iterator(body.end()));
  section.lines.push_back(NewLine(std::string()));
  NameFromHeader(section);
  sections_.insert(sections_.begin() + long(before), std::move(section));
  Changed();
}

void Document::SetValue(size_t index, std::string_view key, std::string_view value) {
  if (index == 0 || index >= sections_.size() || !sections_[index].headed) return;
  Section& section = sections_[index];
  std::string_view wanted = Trim(key);
  size_t found = npos;
  ForEachKey(section, [&](const KeyLine& line, size_t at) {
    if (SameName(line.name(), wanted)) found = at;
    return found == npos;
  });
  if (found == npos) {
    std::string text(wanted);
    text += '=';
    text.append(value);
    section.lines.insert(section.lines.begin() + long(section.BlockEnd()), NewLine(std::move(text)));
    return;
  }
  std::string& text = section.lines[found].text;
  size_t start = text.find('=');
  if (start == std::string::npos) {
    start = text.size();
    text += '=';
  }
  ++start;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text.replace(start, std::string::npos, value);
}

}  // namespace zelva::profile
