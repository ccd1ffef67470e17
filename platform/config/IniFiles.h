#pragma once
// Configuration files of "[Section]" headers and "Key=Value" lines, read with
// the platform's rules: section and key names ignore ASCII case, the first
// matching section and the first matching key win, blanks around names and
// values are trimmed, quotes are kept, lines starting with ';' are comments,
// and a missing file reads as empty.
//
// TMemIniFile keeps changes in memory until UpdateFile. TIniFile writes every
// change through to its file at once. Both rewrite the file keeping its
// comments and the order of its lines, with LF line breaks, and never leave a
// half-written file (a temporary file beside it replaces it in one rename).

#include <cstdint>
#include <string>
#include <vector>

#include "platform/rtti/Object.h"

class TStrings;

class TMemIniFile : public TObject {
 public:
  // Reads the file now; raises nothing when it is missing or unreadable.
  explicit TMemIniFile(std::string fileName);

  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& ident, const std::string& defaultValue) const;
  // Decimal or hexadecimal ("$1F", "0x1F"); anything else gives the default.
  int32_t ReadInteger(const std::string& section, const std::string& ident, int32_t defaultValue) const;
  // A number: 0 is false, any other true; anything else gives the default.
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, int32_t value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

  // The key names of the section in file order, each once; cleared first.
  void ReadSection(const std::string& section, TStrings* strings) const;
  void ReadSections(TStrings* strings) const;
  // "name=value" for each key of the section, in file order.
  void ReadSectionValues(const std::string& section, TStrings* strings) const;
  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& ident) const;
  // Removes every section of that name, with its lines.
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& ident);

  // Writes the file (EFCreateError when it cannot be written; the old file
  // then stays as it was).
  virtual void UpdateFile();

 protected:
  virtual void Modified() {}

 private:
  struct TLine {
    std::string Text;   // as it will be written
    std::string Name;   // key name, trimmed; empty for other lines
    std::string Value;  // value, trimmed
    bool IsKey = false;
  };
  struct TSection {
    std::string Name;
    bool HasHeader = true;  // false for the lines before the first header
    std::vector<TLine> Lines;
  };

  void Load();
  const TSection* FindSection(const std::string& name) const;
  TSection* FindSection(const std::string& name);
  static const TLine* FindKey(const TSection& section, const std::string& ident);

  std::string FFileName;
  std::vector<TSection> FSections;
};

class TIniFile : public TMemIniFile {
 public:
  using TMemIniFile::TMemIniFile;

 protected:
  void Modified() override { UpdateFile(); }
};
