// The value level of TReader and TWriter: encodings, range checks, defined
// properties and the stream position around the buffer.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/classes/ExtendedFloat.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"

namespace {

template <typename WriteFn>
std::string Written(WriteFn write) {
  TStringStream out;
  {
    TWriter writer(out, 16);
    write(writer);
  }
  return out.DataString();
}

TEST(ReaderWriterTest, ExtendedFloatsKeepTheirValue) {
  const long double values[] = {0.0L, 1.5L, -2.25L, 1e-4000L, 1e4000L, 38497.1042859838L,
                                std::numeric_limits<long double>::denorm_min(), INFINITY};
  for (long double v : values) {
    uint8_t bytes[10];
    LongDoubleToExtended(v, bytes);
    EXPECT_EQ(ExtendedToLongDouble(bytes), v);
  }
  uint8_t nan[10];
  LongDoubleToExtended(NAN, nan);
  EXPECT_TRUE(std::isnan(ExtendedToLongDouble(nan)));
}

TEST(ReaderWriterTest, ValuesComeBackAsWritten) {
  TStringStream s(Written([](TWriter& w) {
    w.WriteInteger(-100000);
    w.WriteInteger(int64_t{1} << 40);
    w.WriteString(std::string(300, 'z'));
    w.WriteString("Gr\xC3\xBC\xC3\x9F" "e");
    w.WriteWideString("\xD0\x9F");
    w.WriteIdent("Null");
    w.WriteSet({"a", "b"});
    w.WriteCurrency(1.25);
    w.WriteBoolean(true);
    w.WriteChar('x');
  }));
  TReader r(s, 8);
  EXPECT_EQ(r.ReadInteger(), -100000);
  EXPECT_EQ(r.NextValue(), vaInt64);
  EXPECT_THROW(r.ReadInteger(), EReadError);  // 2^40 does not fit
  EXPECT_EQ(r.ReadString(), std::string(300, 'z'));
  EXPECT_EQ(r.NextValue(), vaUTF8String);
  EXPECT_EQ(r.ReadString(), "Gr\xC3\xBC\xC3\x9F" "e");
  EXPECT_EQ(r.NextValue(), vaWString);
  EXPECT_EQ(r.ReadString(), "\xD0\x9F");
  EXPECT_EQ(r.ReadIdent(), "Null");
  EXPECT_EQ(r.ReadSet(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(r.ReadCurrency(), 1.25);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_EQ(r.ReadChar(), 'x');
  EXPECT_THROW(r.ReadValue(), EReadError);
}

TEST(ReaderWriterTest, TypedReadsRefuseOtherValueTypes) {
  TStringStream s(Written([](TWriter& w) { w.WriteString("1"); }));
  TReader r(s, 64);
  EXPECT_THROW(r.ReadInteger(), EReadError);
}

TEST(ReaderWriterTest, SkipsEveryKindOfValue) {
  TStringStream s(Written([](TWriter& w) {
    w.WriteListBegin();
    w.WriteFloat(1);
    w.WriteWideString("ab");
    w.WriteBinary([](TStream& d) { d.WriteBuffer("xyz", 3); });
    w.WriteValue(vaCollection);
    w.WriteInteger(1);
    w.WriteListBegin();
    w.WriteStr("P");
    w.WriteSet({"e"});
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteListEnd();
    w.WriteInteger(7);
  }));
  TReader r(s, 4);
  r.SkipValue();
  EXPECT_EQ(r.ReadInteger(), 7);
}

TEST(ReaderWriterTest, DefinedPropertiesAreWrittenAndReadByName) {
  TStringStream s(Written([](TWriter& w) {
    w.SetPropPath("Font.");
    w.DefineProperty("Size", nullptr, [](TWriter& w2) { w2.WriteInteger(9); }, true);
    w.DefineProperty("Skipped", nullptr, [](TWriter& w2) { w2.WriteInteger(1); }, false);
    w.SetPropPath("");
    w.DefineBinaryProperty("Data", nullptr, [](TStream& d) { d.WriteBuffer("\x01\x02", 2); }, true);
  }));
  TReader r(s, 64);
  r.SetPropName(r.ReadStr());
  EXPECT_EQ(r.PropName(), "Font.Size");
  int32_t size = 0;
  r.DefineProperty("Font.Other", [&](TReader&) { FAIL(); }, nullptr, true);
  EXPECT_FALSE(r.PropertyHandled());
  r.DefineProperty("font.size", [&](TReader& rd) { size = rd.ReadInteger(); }, nullptr, true);
  EXPECT_TRUE(r.PropertyHandled());
  EXPECT_EQ(size, 9);
  r.SetPropName(r.ReadStr());
  std::string data;
  r.DefineBinaryProperty("Data", [&](TStream& d) { data.resize(2); d.ReadBuffer(data.data(), 2); }, nullptr, true);
  EXPECT_EQ(data, "\x01\x02");
  EXPECT_EQ(r.Position(), s.Size());
}

TEST(ReaderWriterTest, ReaderGivesBackWhatItBufferedButDidNotRead) {
  TStringStream s(Written([](TWriter& w) {
    w.WriteSignature();
    w.WriteInteger(5);
    w.WriteString("rest");
  }));
  {
    TReader r(s, 1024);
    r.ReadSignature();
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_EQ(r.Position(), 6);
  }
  EXPECT_EQ(s.Position(), 6);
}

TEST(ReaderWriterTest, PrefixesCarryFlagsAndChildPosition) {
  TStringStream s(Written([](TWriter& w) {
    w.WritePrefix({ffInherited, ffChildPos}, 1000);
    w.WritePrefix({}, 0);
    w.WriteStr("T");
  }));
  EXPECT_EQ(s.DataString(), std::string("\xF3\x03\xE8\x03\x01T", 6));
  TReader r(s, 64);
  TFilerFlags flags;
  int32_t pos = -1;
  r.ReadPrefix(flags, pos);
  EXPECT_TRUE(flags == (TFilerFlags{ffInherited, ffChildPos}));
  EXPECT_EQ(pos, 1000);
  r.ReadPrefix(flags, pos);
  EXPECT_TRUE(flags.Empty());
}

TEST(ReaderWriterTest, ShortStringsLongerThan255AreRefused) {
  TStringStream out;
  TWriter w(out, 64);
  EXPECT_THROW(w.WriteStr(std::string(256, 'a')), EWriteError);
}

}  // namespace
