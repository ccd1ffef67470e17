#include "platform/config/IniFiles.h"

#include "platform/classes/Strings.h"
#include "platform/config/SafeSave.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

TMemIniFile::TMemIniFile(std::string fileName) : FFileName(std::move(fileName)) { Load(); }

void TMemIniFile::Load() {
  FSections.assign(1, TSection{"", false, {}});
  TStringList lines;
  if (!FileExists(FFileName)) return;
  try {
    lines.LoadFromFile(FFileName);
  } catch (const EStreamError&) {
    return;  // unreadable reads as empty, like a missing file
  }
  for (int32_t i = 0; i < lines.Count(); ++i) {
    TLine line{lines[i], "", "", false};
    std::string text = Trim(line.Text);
    if (!text.empty() && text[0] == '[') {
      size_t close = text.find(']');
      std::string name = text.substr(1, close == std::string::npos ? std::string::npos : close - 1);
      FSections.push_back(TSection{Trim(name), true, {}});
      continue;
    }
    size_t eq = text.find('=');
    if (!text.empty() && text[0] != ';' && eq != std::string::npos) {
      line.Name = Trim(std::string_view(text).substr(0, eq));
      line.Value = Trim(std::string_view(text).substr(eq + 1));
      line.IsKey = !line.Name.empty();
    }
    FSections.back().Lines.push_back(std::move(line));
  }
}

const TMemIniFile::TSection* TMemIniFile::FindSection(const std::string& name) const {
  for (const TSection& section : FSections)
    if (section.HasHeader && SameText(section.Name, name)) return &section;
  return nullptr;
}

TMemIniFile::TSection* TMemIniFile::FindSection(const std::string& name) {
  return const_cast<TSection*>(static_cast<const TMemIniFile*>(this)->FindSection(name));
}

const TMemIniFile::TLine* TMemIniFile::FindKey(const TSection& section, const std::string& ident) {
  for (const TLine& line : section.Lines)
    if (line.IsKey && SameText(line.Name, ident)) return &line;
  return nullptr;
}

std::string TMemIniFile::ReadString(const std::string& section, const std::string& ident,
                                    const std::string& defaultValue) const {
  const TSection* s = FindSection(section);
  const TLine* line = s ? FindKey(*s, ident) : nullptr;
  return line ? line->Value : defaultValue;
}

int32_t TMemIniFile::ReadInteger(const std::string& section, const std::string& ident, int32_t defaultValue) const {
  return StrToIntDef(ReadString(section, ident, ""), defaultValue);
}

bool TMemIniFile::ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const std::string& section, const std::string& ident, const std::string& value) {
  TSection* s = FindSection(section);
  if (!s) {
    FSections.push_back(TSection{section, true, {}});
    s = &FSections.back();
  }
  std::string text = ident + "=" + value;
  if (auto* line = const_cast<TLine*>(FindKey(*s, ident))) {
    line->Text = line->Name + "=" + value;
    line->Value = Trim(value);
  } else {
    // After the section's last key, so that trailing blank lines and
    // comments stay where they were.
    size_t at = 0;
    for (size_t i = 0; i < s->Lines.size(); ++i)
      if (s->Lines[i].IsKey) at = i + 1;
    s->Lines.insert(s->Lines.begin() + static_cast<std::ptrdiff_t>(at), TLine{text, Trim(ident), Trim(value), true});
  }
  Modified();
}

void TMemIniFile::WriteInteger(const std::string& section, const std::string& ident, int32_t value) {
  WriteString(section, ident, IntToStr(value));
}

void TMemIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}

void TMemIniFile::ReadSection(const std::string& section, TStrings* strings) const {
  strings->BeginUpdate();
  strings->Clear();
  if (const TSection* s = FindSection(section)) {
    for (const TLine& line : s->Lines)
      if (line.IsKey && FindKey(*s, line.Name) == &line) strings->Add(line.Name);
  }
  strings->EndUpdate();
}

void TMemIniFile::ReadSections(TStrings* strings) const {
  strings->BeginUpdate();
  strings->Clear();
  for (const TSection& section : FSections)
    if (section.HasHeader && FindSection(section.Name) == &section) strings->Add(section.Name);
  strings->EndUpdate();
}

void TMemIniFile::ReadSectionValues(const std::string& section, TStrings* strings) const {
  strings->BeginUpdate();
  strings->Clear();
  if (const TSection* s = FindSection(section)) {
    for (const TLine& line : s->Lines)
      if (line.IsKey && FindKey(*s, line.Name) == &line) strings->Add(line.Name + "=" + line.Value);
  }
  strings->EndUpdate();
}

bool TMemIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(const std::string& section, const std::string& ident) const {
  const TSection* s = FindSection(section);
  return s && FindKey(*s, ident);
}

void TMemIniFile::EraseSection(const std::string& section) {
  auto before = FSections.size();
  std::erase_if(FSections, [&](const TSection& s) { return s.HasHeader && SameText(s.Name, section); });
  if (FSections.size() != before) Modified();
}

void TMemIniFile::DeleteKey(const std::string& section, const std::string& ident) {
  TSection* s = FindSection(section);
  if (!s) return;
  auto before = s->Lines.size();
  std::erase_if(s->Lines, [&](const TLine& line) { return line.IsKey && SameText(line.Name, ident); });
  if (s->Lines.size() != before) Modified();
}

void TMemIniFile::UpdateFile() {
  std::string text;
  for (const TSection& section : FSections) {
    if (section.HasHeader) text += "[" + section.Name + "]\n";
    for (const TLine& line : section.Lines) text += line.Text + "\n";
  }
  SaveFileSafely(FFileName, text);
}
