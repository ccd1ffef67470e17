#include "platform/config/IniFiles.h"

#include <gtest/gtest.h>

#include "platform/classes/Strings.h"
#include "platform/core/Exceptions.h"
#include "tests/platform/config/TempFolderTest.h"

namespace {

class IniFiles : public TempFolderTest {
 protected:
  void Write(const std::string& text) { WriteFile(FFile, text); }
  std::string Read() { return ReadFile(FFile); }

  void SetUp() override {
    TempFolderTest::SetUp();
    FFile = (FDir / "settings.ini").string();
  }

  std::string FFile;
};

const char* const kSettings =
    "; settings of the designer\r\n"
    "[Form]\r\n"
    "  FormClass =  TMyForm  \r\n"
    "Quoted=\"a b\"\r\n"
    "Count=$10\r\n"
    "Bad=12x\r\n"
    "[packages]\r\n"
    "pkgstd30.dpl=\r\n"
    "; a comment=not a key\r\n"
    "Extra.dpl=1\r\n"
    "PKGSTD30.DPL=second\r\n"
    "[PACKAGES]\r\n"
    "Hidden.dpl=1\r\n";

std::string Joined(const TStrings& s) { return s.CommaText(); }

}  // namespace

TEST_F(IniFiles, ReadsWithThePlatformsRules) {
  Write(kSettings);
  TIniFile ini(FFile);
  const struct {
    const char* section;
    const char* key;
    std::string expected;
  } cases[] = {
      {"form", "formclass", "TMyForm"},         // names ignore case, blanks trimmed
      {"Form", "Quoted", "\"a b\""},            // quotes kept
      {"Packages", "pkgstd30.DPL", ""},          // first key wins, even when empty
      {"Packages", "Hidden.dpl", "default"},     // first section wins
      {"Packages", "; a comment", "default"},
      {"Nowhere", "x", "default"},
  };
  for (const auto& c : cases) EXPECT_EQ(ini.ReadString(c.section, c.key, "default"), c.expected) << c.key;
  EXPECT_EQ(ini.ReadInteger("Form", "Count", -1), 16);
  EXPECT_EQ(ini.ReadInteger("Form", "Bad", -1), -1);
  EXPECT_TRUE(ini.ValueExists("FORM", "count"));
  EXPECT_FALSE(ini.ValueExists("Form", "Missing"));
  EXPECT_TRUE(ini.SectionExists("PACKAGES"));
  TStringList list;
  ini.ReadSection("Packages", &list);
  EXPECT_EQ(Joined(list), "pkgstd30.dpl,Extra.dpl");
  ini.ReadSectionValues("packages", &list);
  EXPECT_EQ(Joined(list), "pkgstd30.dpl=,Extra.dpl=1");
  ini.ReadSections(&list);
  EXPECT_EQ(Joined(list), "Form,packages");
}

TEST_F(IniFiles, ReadBoolTakesNumbersOnly) {
  Write("[b]\nzero=0\none=1\nten=10\nword=true\n");
  TMemIniFile ini(FFile);
  EXPECT_FALSE(ini.ReadBool("b", "zero", true));
  EXPECT_TRUE(ini.ReadBool("b", "one", false));
  EXPECT_TRUE(ini.ReadBool("b", "ten", false));
  EXPECT_FALSE(ini.ReadBool("b", "word", false));
  EXPECT_TRUE(ini.ReadBool("b", "word", true));
  EXPECT_TRUE(ini.ReadBool("b", "missing", true));
}

TEST_F(IniFiles, MissingFileReadsAsEmpty) {
  TIniFile ini((FDir / "none" / "missing.ini").string());
  EXPECT_EQ(ini.ReadString("a", "b", "d"), "d");
  EXPECT_FALSE(ini.SectionExists("a"));
  TStringList list;
  list.Add("stale");
  ini.ReadSections(&list);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(IniFiles, WritesKeepCommentsAndOrder) {
  Write("; head\n[A]\nx=1\n\n; about B\n[B]\ny=2\n");
  TIniFile ini(FFile);
  ini.WriteString("a", "X", "10");  // existing key keeps its spelling
  ini.WriteInteger("A", "z", 3);    // new key after the last key of its section
  ini.WriteBool("C", "on", true);   // new section at the end
  EXPECT_EQ(Read(), "; head\n[A]\nx=10\nz=3\n\n; about B\n[B]\ny=2\n[C]\non=1\n");
  ini.DeleteKey("b", "Y");
  ini.EraseSection("a");
  EXPECT_EQ(Read(), "; head\n[B]\n[C]\non=1\n");  // a section goes with the lines below it
  EXPECT_EQ(TIniFile(FFile).ReadInteger("c", "ON", 0), 1);
}

TEST_F(IniFiles, MemIniFileWritesOnlyOnUpdateAndNeverHalfway) {
  Write("[A]\nx=1\n");
  TMemIniFile ini(FFile);
  ini.WriteString("A", "x", "2");
  EXPECT_EQ(Read(), "[A]\nx=1\n");
  ini.UpdateFile();
  EXPECT_EQ(Read(), "[A]\nx=2\n");
  // A file that cannot be written raises and leaves nothing behind.
  TMemIniFile nowhere((FDir / "settings.ini" / "sub.ini").string());
  nowhere.WriteString("A", "x", "1");
  EXPECT_THROW(nowhere.UpdateFile(), EFCreateError);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(FDir), {}), 1);
}
