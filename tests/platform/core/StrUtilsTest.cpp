#include <gtest/gtest.h>

#include "platform/core/SysUtils.h"

TEST(Trim, ControlCharactersCountAsBlanks) {
  const struct {
    std::string in, both, left, right;
  } cases[] = {
      {"  a b  ", "a b", "a b  ", "  a b"},
      {"\t\r\n\x01x\x1f ", "x", "x\x1f ", "\t\r\n\x01x"},
      {"   ", "", "", ""},
      {"", "", "", ""},
      {"\xC3\xA9", "\xC3\xA9", "\xC3\xA9", "\xC3\xA9"},  // UTF-8 bytes are not blanks
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Trim(c.in), c.both);
    EXPECT_EQ(TrimLeft(c.in), c.left);
    EXPECT_EQ(TrimRight(c.in), c.right);
  }
}

TEST(CaseAndComparison, AsciiOnlyFolding) {
  EXPECT_EQ(UpperCase("abc\xC3\xA9z"), "ABC\xC3\xA9Z");
  EXPECT_EQ(LowerCase("ABC_1"), "abc_1");
  EXPECT_EQ(CompareText("Button", "BUTTON"), 0);
  EXPECT_TRUE(SameText("TForm1", "tform1"));
  EXPECT_FALSE(SameText("abc", "abcd"));
  EXPECT_LT(CompareText("abc", "abd"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_GT(CompareText("_", "a"), 0);      // folded to upper case: '_' after letters
  EXPECT_LT(AnsiCompareText("_", "a"), 0);  // folded to lower case: '_' before letters
  EXPECT_LT(CompareStr("B", "a"), 0);
}

TEST(Quoting, DoublesAndUndoublesQuotes) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(AnsiQuotedStr("a\"b", '"'), "\"a\"\"b\"");
  EXPECT_EQ(AnsiDequotedStr("'it''s' rest", '\''), "it's");
  EXPECT_EQ(AnsiDequotedStr("plain", '\''), "plain");
  EXPECT_EQ(AnsiDequotedStr("'open", '\''), "'open");
}

TEST(StringReplace, FlagsChooseAllAndCase) {
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", {}), "aXb-c");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", {rfIgnoreCase}), "a-bxc");
  EXPECT_EQ(StringReplace("aXbxc", "x", "-", {rfReplaceAll, rfIgnoreCase}), "a-b-c");
  EXPECT_EQ(StringReplace("aaa", "a", "aa", {rfReplaceAll}), "aaaaaa");
  EXPECT_EQ(StringReplace("abc", "", "z", {rfReplaceAll}), "abc");
}

TEST(PosAndCopy, OneBasedAndClipped) {
  EXPECT_EQ(Pos("lo", "hello"), 4);
  EXPECT_EQ(Pos("z", "hello"), 0);
  EXPECT_EQ(Pos("", "hello"), 0);
  EXPECT_EQ(Copy("hello", 2, 3), "ell");
  EXPECT_EQ(Copy("hello", 0, 2), "he");
  EXPECT_EQ(Copy("hello", 4, 100), "lo");
  EXPECT_EQ(Copy("hello", 9, 1), "");
  EXPECT_EQ(Copy("hello", 1, -1), "");
}

TEST(IsValidIdent, LettersDigitsUnderscore) {
  for (const char* good : {"a", "_", "Button1", "_x_2"}) EXPECT_TRUE(IsValidIdent(good)) << good;
  for (const char* bad : {"", "1a", "a b", "a-b", "a.b", "\xC3\xA9"}) EXPECT_FALSE(IsValidIdent(bad)) << bad;
  EXPECT_TRUE(IsValidIdent("Unit.Class", true));
  EXPECT_FALSE(IsValidIdent("Unit.", true));
  EXPECT_FALSE(IsValidIdent(".a", true));
}
