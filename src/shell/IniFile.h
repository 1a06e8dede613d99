// The settings file and the Hall of Fame are ini files that players edit by hand and carry
// between systems, so everything the program does not know about has to survive a rewrite.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/BackgroundWriter.h"
#include "base/Say.h"

namespace velmor {

class IniFile {
 public:
  VELMOR_SPEAKS(velmor)
  // Reads the file if it exists; a missing file is an empty document (not an error). False with
  // a reason for a file that exists but cannot be read; the document is then empty and Save
  // refuses, so an unreadable file is never overwritten with defaults.
  bool Load(const std::string& path, std::string& error);
  // The same, but the text that `writer` has still to write there counts as the file's.
  bool Load(const std::string& path, const BackgroundWriter& writer, std::string& error);
  // Replaces the document with `text`, as if it had been read from a file; the path stays.
  // False, leaving an empty document, for text too large to be a settings file.
  bool LoadText(std::string_view text);

  // Section and key names are matched without regard to ASCII case or surrounding blanks. A key
  // missing from the first section of a name is looked up in later sections of the same name.
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
  // `def` unless the value is a decimal number within int range.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Any integer other than 0 is true; anything that is not an integer gives `def`.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  bool SectionExists(std::string_view section) const;

  // False, with the document unchanged, for a name that could not be read back: an empty name,
  // CR or LF in a name, ']' in a section name, '=' in a key or a key starting with '[' or ';'.
  // CR and LF in the value become spaces. Blanks around the value are not kept.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInteger(std::string_view section, std::string_view key, int value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);  // 1 or 0
  // Removes every section of that name with all its lines.
  void EraseSection(std::string_view section);

  // Writes the document to the loaded path through a temporary file, so a failure leaves the old
  // file whole. False with a reason.
  bool Save(std::string& error) const;
  const std::string& Path() const { return path_; }
  // The document as Save writes it: every line ended by CR LF.
  const std::string& Text() const { return text_; }

 private:
  // A section header or key line inside text_. Plain lines (comments, blank lines, lines before
  // the first section, anything unparsable) have no mark: they are only ever copied.
  struct Mark {
    uint32_t lineBegin;
    uint32_t nameBegin, nameEnd;  // the name without surrounding blanks
    uint32_t valueBegin;          // keys: past '=' and the blanks after it
    uint32_t lineEnd;             // before the CR LF
    bool section;
  };

  static bool Classify(std::string_view line, bool inSection, Mark& m);
  static void Shift(Mark& m, long long delta);
  void AddLine(std::string_view line);
  // Start of the line that ends at `lineEnd` if it holds only blanks, else npos.
  size_t BlankLineStart(size_t lineEnd, size_t floor) const;
  std::string_view NameOf(const Mark& m) const;
  size_t FindSection(std::string_view name) const;  // index into marks_, or marks_.size()
  size_t SectionEnd(size_t sectionMark) const;      // index of the next section mark
  void Splice(size_t at, size_t removed, std::string_view inserted, size_t firstShiftedMark);

  std::string path_;
  std::string text_;
  std::vector<Mark> marks_;
};

}  // namespace velmor
