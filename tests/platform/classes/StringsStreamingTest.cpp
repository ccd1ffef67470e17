#include <gtest/gtest.h>

#include "platform/classes/Reader.h"
#include "platform/classes/Strings.h"
#include "platform/classes/Writer.h"
#include "platform/core/Streams.h"

namespace {

// What DefineProperties puts in a stream: the property name, then the list.
std::string Streamed(TStrings& list, TPersistent* ancestor) {
  TMemoryStream stream;
  {
    TWriter writer(stream, 64);
    writer.SetAncestor(ancestor);
    list.DefineProperties(&writer);
    writer.FlushBuffer();
  }
  return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

}  // namespace

TEST(StringsStreaming, WritesTheStringsListPropertyAndReadsItBack) {
  TStringList list;
  list.Add("one");
  list.Add("");
  std::string bytes = Streamed(list, nullptr);
  EXPECT_EQ(bytes, std::string("\x07Strings\x01\x06\x03one\x06\x00\x00", 17));

  TStringStream in(bytes);
  TReader reader(in, 64);
  reader.SetPropName(reader.ReadStr());
  TStringList back;
  back.Add("stale");
  back.DefineProperties(&reader);
  EXPECT_TRUE(reader.PropertyHandled());
  EXPECT_TRUE(back.Equals(&list));
}

TEST(StringsStreaming, WrittenOnlyWhenThereIsSomethingToSay) {
  TStringList empty, same, other;
  same.Add("a");
  other.Add("b");
  TStringList list;
  list.Add("a");
  EXPECT_EQ(Streamed(empty, nullptr), "");
  EXPECT_EQ(Streamed(list, &same), "");      // equal to the ancestor's
  EXPECT_NE(Streamed(list, &other), "");
  EXPECT_NE(Streamed(empty, &other), "");    // emptied relative to the ancestor
}
