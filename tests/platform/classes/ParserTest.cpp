#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/Parser.h"
#include "platform/core/Exceptions.h"

namespace {

// Each token as kind:text, with a float's suffix after a slash.
std::string Tokens(const std::string& text) {
  TStringStream stream(text);
  TParser parser(stream);
  std::string out;
  for (; parser.Token() != toEOF; parser.NextToken()) {
    if (!out.empty()) out += ' ';
    out += std::to_string(parser.Token() < ' ' ? parser.Token() : 9) + ":" + parser.TokenString();
    if (parser.FloatType()) out += std::string("/") + parser.FloatType();
  }
  return out;
}

struct TokenCase {
  const char* text;
  const char* tokens;
};

class TokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenTest, SplitsIntoTokens) { EXPECT_EQ(Tokens(GetParam().text), GetParam().tokens); }

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenTest,
    testing::Values(TokenCase{"", ""}, TokenCase{"object Form1: TForm1", "1:object 1:Form1 9:: 1:TForm1"},
                    TokenCase{"Font.Name = _x9", "1:Font 9:. 1:Name 9:= 1:_x9"},
                    TokenCase{"12 -7 $1F", "3:12 3:-7 3:$1F"},
                    TokenCase{"1.5 -2.5e3 1E-2 2s 1.25c 3d", "4:1.5 4:-2.5e3 4:1E-2 4:2/s 4:1.25/c 4:3/d"},
                    TokenCase{"'a''b' 'x'#13#10'y' #$41", "2:a'b 2:x\r\ny 2:A"},
                    TokenCase{"#233", "5:\xC3\xA9"}, TokenCase{"'a' + 'b'", "2:a 9:+ 2:b"},
                    TokenCase{"B\xC3\xB6rse [1, 2] (<>)", "1:B\xC3\xB6rse 9:[ 3:1 9:, 3:2 9:] 9:( 9:< 9:> 9:)"},
                    TokenCase{"\xEF\xBB\xBFobject", "1:object"}));

TEST(ParserTest, NumbersAndStringsHaveTheirValues) {
  TStringStream stream("$FFFFFFFF -42 2.5e2c #55357#56832");
  TParser parser(stream);
  EXPECT_EQ(parser.TokenInt(), 0xFFFFFFFF);
  parser.NextToken();
  EXPECT_EQ(parser.TokenInt(), -42);
  parser.NextToken();
  EXPECT_EQ(parser.TokenFloat(), 250);
  EXPECT_EQ(parser.FloatType(), 'c');
  parser.NextToken();
  EXPECT_EQ(parser.TokenWideString(), std::u16string(u"\U0001F600"));
}

TEST(ParserTest, CountsLinesAndChecksTokens) {
  TStringStream stream("object\r\n\n  X\n{ 0A\n FF }\n=");
  TParser parser(stream);
  EXPECT_EQ(parser.SourceLine(), 1);
  parser.CheckTokenSymbol("OBJECT");
  parser.NextToken();
  EXPECT_EQ(parser.SourceLine(), 3);
  EXPECT_TRUE(parser.TokenSymbolIs("x"));
  parser.NextToken();
  EXPECT_EQ(parser.HexToBinary(), "\x0A\xFF");
  EXPECT_EQ(parser.SourceLine(), 6);
  EXPECT_EQ(parser.Token(), '=');
  try {
    parser.CheckToken(toString);
    FAIL();
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Message(), "String expected on line 6");
    EXPECT_EQ(e.Line(), 6);
  }
  EXPECT_THROW(parser.CheckTokenSymbol("end"), EParserError);
  EXPECT_THROW(parser.TokenInt(), EParserError);
}

TEST(ParserTest, LeavesTheStreamAtTheCurrentToken) {
  TStringStream stream("first   second");
  {
    TParser parser(stream);
    parser.NextToken();
    EXPECT_EQ(parser.SourcePos(), 8);
  }
  EXPECT_EQ(stream.Position(), 8);
}

TEST(ParserTest, ReadsTokensAcrossBlockBoundaries) {
  // Tokens far larger than the parser's block, and many small ones after it.
  std::string longString(200000, 'x');
  std::string text = "'" + longString + "'";
  for (int i = 0; i < 30000; ++i) text += " id" + std::to_string(i);
  TStringStream stream(text);
  TParser parser(stream);
  EXPECT_EQ(parser.TokenString(), longString);
  int count = 0;
  std::string last;
  while (parser.NextToken() != toEOF) {
    ++count;
    last = parser.TokenString();
  }
  EXPECT_EQ(count, 30000);
  EXPECT_EQ(last, "id29999");
}

}  // namespace
