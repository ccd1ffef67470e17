#include <gtest/gtest.h>

#include <string>

#include "platform/classes/ResourceHeader.h"
#include "platform/core/Exceptions.h"

namespace {

TEST(ResourceHeaderTest, ReadsTheHeaderOfAFormFile) {
  TMemoryStream form;
  form.LoadFromFile(std::string(MORVANE_CORPUS_DIR) + "/084_Unit2.dfm");
  EXPECT_EQ(ReadResHeader(form), "TFORM2");
  EXPECT_EQ(form.Position(), 16);
  char signature[4];
  form.ReadBuffer(signature, 4);
  EXPECT_EQ(std::string(signature, 4), "TPF0");
}

TEST(ResourceHeaderTest, WritesAndFixesUpTheSize) {
  TStringStream out;
  int64_t fixup = 0;
  WriteResourceHeader(out, "TForm2", fixup);
  out.WriteString("TPF0abc");
  FixupResourceHeader(out, fixup);
  EXPECT_EQ(out.DataString(), std::string("\xFF\x0A\x00TFORM2\x00\x30\x10\x07\x00\x00\x00TPF0abc", 23));
  EXPECT_EQ(out.Position(), 23);
}

struct BadHeader {
  std::string bytes;
  const char* why;
};

class BadHeaderTest : public testing::TestWithParam<BadHeader> {};

TEST_P(BadHeaderTest, RaisesInvalidImage) {
  TStringStream in(GetParam().bytes);
  try {
    ReadResHeader(in);
    FAIL();
  } catch (const EInvalidImage& e) {
    EXPECT_NE(e.Message().find(GetParam().why), std::string::npos) << e.Message();
  }
}

INSTANTIATE_TEST_SUITE_P(Headers, BadHeaderTest,
                         testing::Values(BadHeader{"", "truncated"}, BadHeader{"TPF0", "not FF 0A 00"},
                                         BadHeader{std::string("\xFF\x0A\x00TFORM", 8), "not terminated"},
                                         BadHeader{std::string("\xFF\x0A\x00", 3) + std::string(300, 'A'), "too long"},
                                         BadHeader{std::string("\xFF\x0A\x00X\x00\x30\x10\x01", 8), "truncated"}));

TEST(ResourceHeaderTest, RefusesASizeBeyondTheStream) {
  TStringStream in(std::string("\xFF\x0A\x00X\x00\x30\x10\x10\x00\x00\x00TPF0", 15));
  EXPECT_THROW(ReadResHeader(in), EReadError);
}

}  // namespace
