// The text form <-> binary stream conversion, one value or object form at a
// time, against the exact bytes the classic converter writes.

#include <gtest/gtest.h>

#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

namespace {

std::string Hex(const std::string& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string s;
  for (unsigned char c : bytes) {
    if (!s.empty()) s += ' ';
    s += kDigits[c >> 4];
    s += kDigits[c & 15];
  }
  return s;
}

std::string TextToBinary(const std::string& text) {
  TStringStream input(text), output;
  ObjectTextToBinary(input, output);
  return output.DataString();
}

std::string BinaryToText(const std::string& binary) {
  TStringStream input(binary), output;
  ObjectBinaryToText(input, output);
  return output.DataString();
}

std::string FormWithValue(const std::string& value) { return "object A: TA\n  P = " + value + "\nend\n"; }

// "TPF0", class TA, name A, property P, the value, end of properties, end of children.
std::string StreamWithValue(const std::string& valueHex) {
  return "54 50 46 30 02 54 41 01 41 01 50 " + valueHex + " 00 00";
}

struct ValueCase {
  const char* text;
  const char* valueHex;
  const char* textBack;  // nullptr: the text comes back as it was
};

class ValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueTest, ConvertsToExactBytesAndBack) {
  const ValueCase& c = GetParam();
  std::string binary = TextToBinary(FormWithValue(c.text));
  EXPECT_EQ(Hex(binary), StreamWithValue(c.valueHex));
  EXPECT_EQ(BinaryToText(binary), FormWithValue(c.textBack ? c.textBack : c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ValueTest,
    testing::Values(
        ValueCase{"0", "02 00", nullptr}, ValueCase{"-128", "02 80", nullptr}, ValueCase{"127", "02 7F", nullptr},
        ValueCase{"128", "03 80 00", nullptr}, ValueCase{"-32769", "04 FF 7F FF FF", nullptr},
        ValueCase{"2147483648", "13 00 00 00 80 00 00 00 00", nullptr}, ValueCase{"$FF", "03 FF 00", "255"},
        ValueCase{"1.500000000000000000", "05 00 00 00 00 00 00 00 C0 FF 3F", nullptr},
        ValueCase{"-0.050000000000000000", "05 CD CC CC CC CC CC CC CC FA BF", nullptr},
        ValueCase{"1.5", "05 00 00 00 00 00 00 00 C0 FF 3F", "1.500000000000000000"},
        ValueCase{"-1E-30", "05 32 FC 14 5E F7 5F 42 A2 9B BF", "0.000000000000000000"},
        ValueCase{"1.25E20", "05 00 80 7A 17 B7 26 D7 D8 41 40", "1.25E20"},
        ValueCase{"1.5s", "0F 00 00 C0 3F", nullptr}, ValueCase{"15000c", "10 98 3A 00 00 00 00 00 00", nullptr},
        ValueCase{"1.5d", "11 00 00 00 00 00 00 F8 3F", nullptr}, ValueCase{"''", "06 00", nullptr},
        ValueCase{"'abc'", "06 03 61 62 63", nullptr}, ValueCase{"'it'#39's'", "06 04 69 74 27 73", nullptr},
        ValueCase{"'a'#13#10'b'", "06 04 61 0D 0A 62", nullptr},
        ValueCase{"'ab' +\n    'cd'", "06 04 61 62 63 64", "'abcd'"},
        // 8-bit strings keep their bytes; #nnn beyond ASCII makes a Unicode string.
        ValueCase{"'\xE9t\xE9'", "06 03 E9 74 E9", nullptr},
        ValueCase{"'C'#233'g'", "14 04 00 00 00 43 C3 A9 67", nullptr},
        ValueCase{"#1055#1088", "12 02 00 00 00 1F 04 40 04", nullptr},
        ValueCase{"#55357#56832", "12 02 00 00 00 3D D8 00 DE", nullptr},
        ValueCase{"Foo", "07 03 46 6F 6F", nullptr}, ValueCase{"Form2.Button1", "07 0D 46 6F 72 6D 32 2E 42 75 74 74 6F 6E 31", nullptr},
        ValueCase{"False", "08", nullptr}, ValueCase{"True", "09", nullptr}, ValueCase{"nil", "0D", nullptr},
        ValueCase{"true", "09", "True"}, ValueCase{"[]", "0B 00", nullptr},
        ValueCase{"[fsBold, fsItalic]", "0B 06 66 73 42 6F 6C 64 08 66 73 49 74 61 6C 69 63 00", nullptr},
        ValueCase{"(\n    1\n    'a')", "01 02 01 06 01 61 00", nullptr}, ValueCase{"()", "01 00", nullptr},
        ValueCase{"{\n    0AFF}", "0A 02 00 00 00 0A FF", nullptr}, ValueCase{"{}", "0A 00 00 00 00", nullptr},
        ValueCase{"<>", "0E 00", nullptr},
        ValueCase{"<\n    item\n      W = 5\n    end>", "0E 01 01 57 02 05 00 00", nullptr},
        ValueCase{"<\n    item [3]\n      W = 5\n    end>", "0E 02 03 01 01 57 02 05 00 00", nullptr}));

TEST(ObjectTextTest, LongStringsSplitIntoPiecesOf64) {
  const std::string text =
      "object A: TA\n"
      "  P = \n"
      "    '0123456789012345678901234567890123456789012345678901234567890123' +\n"
      "    '456'#13#10'x'\n"
      "  L = (\n"
      "    \n"
      "      '012345678901234567890123456789012345678901234567890123456789012'#13 +\n"
      "      #10)\n"
      "end\n";
  EXPECT_EQ(BinaryToText(TextToBinary(text)), text);
}

TEST(ObjectTextTest, BinaryDataTakes32BytesPerLine) {
  std::string hex(80, 'A');  // 40 bytes
  const std::string text = "object A: TA\n  D = {\n    " + hex.substr(0, 64) + "\n    " + hex.substr(64) + "}\nend\n";
  std::string binary = TextToBinary(text);
  EXPECT_EQ(binary.size(), 4u + 3 + 2 + 2 + 1 + 4 + 40 + 2);
  EXPECT_EQ(BinaryToText(binary), text);
}

struct ObjectCase {
  const char* text;
  const char* hex;
};

class ObjectHeaderTest : public testing::TestWithParam<ObjectCase> {};

TEST_P(ObjectHeaderTest, WritesPrefixAndNames) {
  EXPECT_EQ(Hex(TextToBinary(GetParam().text)), GetParam().hex);
  EXPECT_EQ(BinaryToText(TextToBinary(GetParam().text)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, ObjectHeaderTest,
    testing::Values(ObjectCase{"object A: TA\nend\n", "54 50 46 30 02 54 41 01 41 00 00"},
                    ObjectCase{"object TA\nend\n", "54 50 46 30 02 54 41 00 00 00"},
                    ObjectCase{"inherited A: TA\nend\n", "54 50 46 30 F1 02 54 41 01 41 00 00"},
                    ObjectCase{"inline A: TA\nend\n", "54 50 46 30 F4 02 54 41 01 41 00 00"},
                    ObjectCase{"object A: TA [2]\nend\n", "54 50 46 30 F2 02 02 02 54 41 01 41 00 00"},
                    ObjectCase{"inherited A: TA [300]\nend\n", "54 50 46 30 F3 03 2C 01 02 54 41 01 41 00 00"},
                    ObjectCase{"object A: TA\n  object B: TB\n    X = 1\n  end\nend\n",
                               "54 50 46 30 02 54 41 01 41 00 02 54 42 01 42 01 58 02 01 00 00 00"}));

TEST(ObjectTextTest, NonAsciiNamesGetAByteOrderMark) {
  const std::string text = "\xEF\xBB\xBFobject B\xC3\xB6rse: TLabel\n  Caption = 'B'#246'rse'\nend\n";
  EXPECT_EQ(BinaryToText(TextToBinary(text)), text);
}

TEST(ObjectTextTest, ConvertsOneObjectPerCallAsAPasteLoopNeeds) {
  TStringStream input("object A: TA\nend\n  object B: TB\nend\n");
  TStringStream first, second;
  ObjectTextToBinary(input, first);
  EXPECT_EQ(input.Position(), 19);  // at the second object
  ObjectTextToBinary(input, second);
  EXPECT_EQ(input.Position(), input.Size());
  EXPECT_EQ(BinaryToText(second.DataString()), "object B: TB\nend\n");

  TStringStream binaries(first.DataString() + second.DataString()), text;
  ObjectBinaryToText(binaries, text);
  EXPECT_EQ(binaries.Position(), static_cast<int64_t>(first.DataString().size()));
  ObjectBinaryToText(binaries, text);
  EXPECT_EQ(text.DataString(), "object A: TA\nend\nobject B: TB\nend\n");
}

struct TextErrorCase {
  const char* text;
  int line;
  const char* message;
};

class TextErrorTest : public testing::TestWithParam<TextErrorCase> {};

TEST_P(TextErrorTest, RaisesParserErrorWithLineAndWritesNothing) {
  TStringStream input(GetParam().text), output("untouched");
  try {
    ObjectTextToBinary(input, output);
    FAIL() << "no error for " << GetParam().text;
  } catch (const EParserError& e) {
    EXPECT_EQ(e.Line(), GetParam().line);
    EXPECT_EQ(e.Message(), GetParam().message);
  }
  EXPECT_EQ(output.DataString(), "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, TextErrorTest,
    testing::Values(TextErrorCase{"objekt A: TA\nend\n", 1, "OBJECT expected on line 1"},
                    TextErrorCase{"object A: TA\n  P = =\nend\n", 2, "Invalid property value on line 2"},
                    TextErrorCase{"object A: TA\n  P 1\nend\n", 2, "'=' expected on line 2"},
                    TextErrorCase{"object A: TA\n  P = 'abc\nend\n", 2, "Unterminated string on line 2"},
                    TextErrorCase{"object A: TA\n  P = {0G}\nend\n", 2, "Invalid binary value on line 2"},
                    TextErrorCase{"object A: TA\n  P = {\n 0A\n 0}\nend\n", 4, "Invalid binary value on line 4"},
                    TextErrorCase{"object A: TA\n  P = [a b]\nend\n", 2, "',' expected on line 2"},
                    TextErrorCase{"object A: TA\n  P = <x>\nend\n", 2, "item expected on line 2"},
                    TextErrorCase{"object A: TA\n  P = 'a' + 1\nend\n", 2, "String expected on line 2"},
                    TextErrorCase{"object A: TA\n  P = 99999999999999999999\nend\n", 2,
                                  "'99999999999999999999' is not a valid integer value on line 2"},
                    TextErrorCase{"object A: TA\n  P = #70000\nend\n", 2, "Character code out of range on line 2"},
                    TextErrorCase{"object A: TA\n  P = (1 2\n", 3, "')' expected on line 3"},
                    TextErrorCase{"object A: TA\n", 2, "Identifier expected on line 2"},
                    TextErrorCase{"object A: TA\n  P = (\n  null)\nend\n", 3, "Null cannot be an item of a list on line 3"},
                    TextErrorCase{"object : TA\nend\n", 1, "Identifier expected on line 1"},
                    TextErrorCase{"object\n A: T" "2345678901234567890123456789012345678901234567890123456789012345678901234567890"
                                  "1234567890123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890"
                                  "1234567890123456789012345678901234567890123456789012345678901\nend\n", 2,
                                  "Class name longer than 239 characters on line 2"},
                    TextErrorCase{"object A: TA [x]\nend\n", 1, "Number expected on line 1"}));

TEST(ObjectTextTest, RefusesTextNestedTooDeeply) {
  std::string text = "object A: TA\n  P = " + std::string(5000, '(') + "\nend\n";
  TStringStream input(text), output;
  EXPECT_THROW(ObjectTextToBinary(input, output), EParserError);
  EXPECT_EQ(output.Size(), 0);
}

struct BinaryErrorCase {
  std::string bytes;
  const char* message;  // a part of the message
};

class BinaryErrorTest : public testing::TestWithParam<BinaryErrorCase> {};

TEST_P(BinaryErrorTest, RaisesReadErrorAndWritesNothing) {
  TStringStream input(GetParam().bytes), output;
  try {
    ObjectBinaryToText(input, output);
    FAIL() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find(GetParam().message), std::string::npos) << e.Message();
  }
  EXPECT_EQ(output.Size(), 0);
}

const std::string kHeader("TPF0\x02TA\x01" "A\x01P", 11);

INSTANTIATE_TEST_SUITE_P(
    Errors, BinaryErrorTest,
    testing::Values(BinaryErrorCase{"", "Invalid stream format"}, BinaryErrorCase{"TPF1\x02TA\x01" "A", "Invalid stream format"},
                    BinaryErrorCase{"TPF0\x02TA", "unexpected end of stream"},
                    BinaryErrorCase{kHeader + "\x20", "unknown value type 32"},
                    BinaryErrorCase{std::string("TPF0\x03T A\x00\x00\x00", 10), "name 'T A' before offset 8 is not an identifier"},
                    BinaryErrorCase{kHeader + std::string("\x0C\xFF\xFF\xFF\x7F", 5), "runs past the end"},
                    BinaryErrorCase{kHeader + std::string("\x12\xFF\xFF\xFF\x3F", 5), "runs past the end"},
                    BinaryErrorCase{kHeader + std::string("\x0A\x00\x00\x00\x40", 5), "runs past the end"},
                    BinaryErrorCase{kHeader + std::string("\x0C\x00\x00\x00\x80", 5), "negative length"},
                    BinaryErrorCase{kHeader + std::string(3000, '\x01'), "nested deeper than 1000"},
                    BinaryErrorCase{kHeader + "\x06\x05" "abc", "runs past the end"}));

}  // namespace
