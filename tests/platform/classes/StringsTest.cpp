#include "platform/classes/Strings.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> r;
  for (int32_t i = 0; i < list.Count(); ++i) r.push_back(list[i]);
  return r;
}

using V = std::vector<std::string>;

// An object whose destruction is counted, to show who frees what.
struct TCounted : TObject {
  explicit TCounted(int& deaths) : FDeaths(deaths) {}
  ~TCounted() override { ++FDeaths; }
  int& FDeaths;
};

}  // namespace

TEST(StringList, SortedListKeepsOrderAndHandlesDuplicates) {
  const struct {
    TDuplicates duplicates;
    V expected;
  } cases[] = {{dupIgnore, {"a", "B", "c"}}, {dupAccept, {"a", "b", "B", "c"}}};
  for (const auto& c : cases) {
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(c.duplicates);
    for (const char* s : {"c", "b", "a", "B"}) list.Add(s);
    // Case-insensitive by default: "b" and "B" are the same string.
    if (c.duplicates == dupIgnore) EXPECT_EQ(list[1], "b");
    else EXPECT_EQ(Lines(list), c.expected);
    EXPECT_EQ(list.IndexOf("C"), c.duplicates == dupIgnore ? 2 : 3);
  }
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupError);
  list.Add("x");
  try {
    list.Add("X");
    ADD_FAILURE();
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  EXPECT_THROW(list.Insert(0, "a"), EStringListError);
  EXPECT_THROW(list.Put(0, "a"), EStringListError);
}

TEST(StringList, CaseSensitivityAndSortOrder) {
  TStringList list;
  list.SetCommaText("b,_a,B,A");
  EXPECT_EQ(list.IndexOf("a"), 3);
  list.SetCaseSensitive(true);
  EXPECT_EQ(list.IndexOf("a"), -1);
  list.SetCaseSensitive(false);
  list.Sort();
  EXPECT_EQ(Lines(list), (V{"_a", "A", "b", "B"}));  // stable: equal strings keep their order
  int32_t index;
  list.SetSorted(true);
  EXPECT_FALSE(list.Find("ab", index));
  EXPECT_EQ(index, 2);
}

TEST(StringList, MoveExchangeAndDeleteCarryObjects) {
  TObject o0, o1, o2;
  TStringList list;
  list.AddObject("zero", &o0);
  list.AddObject("one", &o1);
  list.AddObject("two", &o2);
  list.Move(0, 2);
  EXPECT_EQ(Lines(list), (V{"one", "two", "zero"}));
  EXPECT_EQ(list.Objects(2), &o0);
  list.Exchange(0, 1);
  EXPECT_EQ(list.Objects(0), &o2);
  EXPECT_EQ(list.IndexOfObject(&o1), 1);
  list.Delete(1);
  EXPECT_EQ(list.IndexOfObject(&o1), -1);
  for (int32_t bad : {-1, 2}) {
    try {
      list.Objects(bad);
      ADD_FAILURE();
    } catch (const EStringListError& e) {
      EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
    }
  }
  EXPECT_THROW(list.Move(0, 5), EStringListError);
  EXPECT_THROW(list.Insert(3, "x"), EStringListError);
}

TEST(StringList, OwnedObjectsAreFreedExactlyOnce) {
  int deaths = 0;
  {
    TStringList list(true);
    list.AddObject("a", new TCounted(deaths));
    list.AddObject("b", new TCounted(deaths));
    list.AddObject("c", new TCounted(deaths));
    list.Move(0, 2);  // moving must not free
    EXPECT_EQ(deaths, 0);
    list.Delete(0);
    EXPECT_EQ(deaths, 1);
  }
  EXPECT_EQ(deaths, 3);
}

TEST(Strings, NamesAndValues) {
  TStringList list;
  list.SetText("Left=10\nname=first\nNAME=second\nplain\n=empty name\n");
  EXPECT_EQ(list.Names(0), "Left");
  EXPECT_EQ(list.Names(3), "");
  EXPECT_EQ(list.Values("Name"), "first");  // first match, any case
  EXPECT_EQ(list.ValueFromIndex(4), "empty name");
  EXPECT_EQ(list.Values("missing"), "");
  list.SetValues("LEFT", "20");
  EXPECT_EQ(list[0], "LEFT=20");
  list.SetValues("Top", "5");
  EXPECT_EQ(list[5], "Top=5");
  list.SetValues("name", "");
  EXPECT_EQ(list.Values("name"), "second");
  EXPECT_EQ(list.Count(), 5);
}

TEST(Strings, TextSplitsEveryLineBreakAndWritesLF) {
  const struct {
    std::string in;
    V lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n", {"a"}},
      {"a\n\n", {"a", ""}},
      {"\r\n\r\n", {"", ""}},
      {"a\n\r\nb", {"a", "", "b"}},
  };
  for (const auto& c : cases) {
    TStringList list;
    list.SetText(c.in);
    EXPECT_EQ(Lines(list), c.lines) << c.in;
  }
  TStringList list;
  list.SetText("x\r\ny");
  EXPECT_EQ(list.Text(), "x\ny\n");
}

TEST(Strings, CommaTextQuoting) {
  const struct {
    V lines;
    std::string comma;
  } writes[] = {
      {{"a", "b"}, "a,b"},
      {{"a b", "c"}, "\"a b\",c"},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"x,y"}, "\"x,y\""},
      {{"", "z"}, ",z"},
      {{""}, "\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{}, ""},
  };
  for (const auto& c : writes) {
    TStringList list;
    for (const auto& s : c.lines) list.Add(s);
    EXPECT_EQ(list.CommaText(), c.comma);
    TStringList back;
    back.SetCommaText(c.comma);
    EXPECT_EQ(Lines(back), c.lines) << c.comma;
  }
  const struct {
    std::string comma;
    V lines;
  } reads[] = {
      {"a b,c", {"a", "b", "c"}},  // blanks separate outside quotes
      {"  a ,  b  ", {"a", "b"}},
      {"a,", {"a", ""}},
      {"a,,b", {"a", "", "b"}},
      {"\"ab\"cd,e", {"ab", "cd", "e"}},
      {"\"open", {"open"}},
      {std::string("a\0b", 3), {"a"}},
  };
  for (const auto& c : reads) {
    TStringList list;
    list.SetCommaText(c.comma);
    EXPECT_EQ(Lines(list), c.lines) << c.comma;
  }
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  list.SetDelimitedText("a;'b;c';'it''s'");
  EXPECT_EQ(Lines(list), (V{"a", "b;c", "it's"}));
  EXPECT_EQ(list.DelimitedText(), "a;'b;c';'it''s'");
}

TEST(StringList, NotifiesOncePerOutermostUpdateThatChanged) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(std::make_pair(changing, changed), std::make_pair(1, 1));
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Add("c");
  list.EndUpdate();
  EXPECT_EQ(changed, 1);
  list.EndUpdate();
  EXPECT_EQ(std::make_pair(changing, changed), std::make_pair(2, 2));
  list.BeginUpdate();
  list.EndUpdate();
  list.SetCommaText("x,y,z");  // a bulk change reports once
  list.Clear();
  list.Clear();  // nothing to clear: no report
  EXPECT_EQ(std::make_pair(changing, changed), std::make_pair(4, 4));
}

TEST(Strings, AssignAddStringsAndEquals) {
  TObject o;
  TStringList source;
  source.AddObject("one", &o);
  source.Add("two");
  TStringList dest;
  dest.Add("old");
  dest.Assign(&source);
  EXPECT_TRUE(dest.Equals(&source));
  EXPECT_EQ(dest.Objects(0), &o);
  dest.AddStrings(&source);
  EXPECT_EQ(Lines(dest), (V{"one", "two", "one", "two"}));
  dest.Put(0, "ONE");
  EXPECT_FALSE(dest.Equals(&source));
  TPersistent other;
  EXPECT_THROW(dest.Assign(&other), EConvertError);
}

TEST(Strings, StreamsKeepBytesAndDropTheByteOrderMark) {
  TStringStream in("\xEF\xBB\xBFna\xEFve\r\nx\xFF\n");
  TStringList list;
  list.LoadFromStream(in);
  EXPECT_EQ(Lines(list), (V{"na\xEFve", "x\xFF"}));
  TStringStream out;
  list.SaveToStream(out);
  EXPECT_EQ(out.DataString(), "na\xEFve\nx\xFF\n");
  EXPECT_THROW(list.LoadFromFile("/nonexistent/dir/file.txt"), EFOpenError);
}
