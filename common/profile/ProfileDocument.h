// A profile file held in memory: read once as the platform's private-profile
// functions read it, edited, and written back whole with every line that no
// edit touched kept byte for byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zelva::profile {

enum class LineBreak : unsigned char { None, Lf, Cr, CrLf };

struct Line {
  std::string text;  // without its break
  LineBreak lineBreak = LineBreak::None;
};

// A section as the file lays it out. lines[0] is its header, except in the
// part before the first header (the section the profile functions name "").
// The blank and comment lines that end a section stay where they are when
// its keys are replaced or moved.
struct Section {
  std::string name;
  bool headed = false;
  std::vector<Line> lines;
  // The header and the key lines: everything before the closing blank and comment lines.
  size_t BlockEnd() const;
};

class Document {
 public:
  static constexpr size_t npos = size_t(-1);

  Document();
  explicit Document(std::string_view bytes);

  // UTF-16 text (a byte-order mark FF FE or FE FF): the profile functions
  // read it, this document does not; it holds no sections and must not be
  // written back.
  bool wide() const { return wide_; }

  // The file's bytes. Every line ends with a break but the last, which keeps
  // what it had.
  std::string Text() const;

  // As GetPrivateProfileStringA gives a value into a buffer of chars
  // characters (terminator included) with an empty default: the first
  // section of that name, its first key of that name, quotes around the
  // value removed.
  std::string Value(std::string_view section, std::string_view key, size_t chars) const;
  // As GetPrivateProfileSectionA gives a whole section: its key strings, each
  // followed by a NUL; empty when absent.
  std::string SectionText(std::string_view section) const;

  // The first section of that name (the one every lookup reads), or npos.
  size_t Find(std::string_view name) const;
  size_t size() const { return sections_.size(); }
  const Section& section(size_t index) const { return sections_[index]; }

  // Lines of key strings, as WritePrivateProfileSectionA takes them
  // (separated by NULs or line breaks); empty ones are dropped, and with
  // needEquals those without "=" too.
  std::vector<Line> KeyLines(std::string_view keyStrings, bool needEquals) const;
  Line NewLine(std::string text) const;

  // Edits. Index 0, the part before the first header, has no block and is
  // never removed.
  // Takes the header and key lines of a section away; its closing lines stay.
  std::vector<Line> TakeBlock(size_t index);
  // Puts a block (starting with its header) in front of a section's closing lines.
  void PlaceBlock(size_t index, std::vector<Line> block);
  // The key lines between the header and the closing lines.
  void ReplaceBody(size_t index, std::vector<Line> body);
  // Changes the name in a section's header and nothing else of the line.
  void Rename(size_t index, std::string_view name);
  // Removes a section but for the comments that close it, which join the
  // section before it (its blank lines go with it).
  void RemoveBlock(size_t index);
  // A new section "[name]" with the given lines and one empty line after
  // them, placed in front of section before (at the end for size()).
  void InsertSection(size_t before, std::string_view name, std::vector<Line> body);
  // The key's value in a section that exists, as WritePrivateProfileStringA
  // sets it: the line every lookup reads gets the new value after its "="
  // (its name and the blanks around the "=" stay); a key the section lacks
  // becomes a line "key=value" behind its last key line.
  void SetValue(size_t index, std::string_view key, std::string_view value);

 private:
  // Calls visit(key, line index) for each line a lookup reads, in order,
  // until it returns false.
  template <typename Visit>
  void ForEachKey(const Section& section, Visit visit) const;
  void Changed() { indexed_ = false; }
  void NameFromHeader(Section& section);

  std::string mark_;  // a UTF-8 byte-order mark, kept
  std::string wideText_;
  bool wide_ = false;
  LineBreak newline_ = LineBreak::CrLf;
  std::vector<Section> sections_;
  mutable std::unordered_map<std::string, size_t> index_;
  mutable bool indexed_ = false;
};

}  // namespace zelva::profile
