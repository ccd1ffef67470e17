#pragma once
// TStrings, the platform's abstract list of strings with attached objects, and
// TStringList, its ordinary implementation. Comparisons ignore ASCII case
// unless a string list is made case-sensitive. Text is read with CRLF, LF or
// CR line breaks and always written with LF, so files written here differ from
// CRLF originals only in their line breaks.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/rtti/Method.h"

class TStream;

class TStrings : public TPersistent {
  MORVANE_CLASS(TStrings, TPersistent)

 public:
  // The primitives a descendant implements.
  virtual std::string Get(int32_t index) const = 0;
  virtual int32_t GetCount() const = 0;
  virtual TObject* GetObject(int32_t index) const;
  virtual void Put(int32_t index, const std::string& s);
  virtual void PutObject(int32_t index, TObject* object);
  virtual void Clear() = 0;
  virtual void Delete(int32_t index) = 0;
  virtual void Insert(int32_t index, const std::string& s) = 0;

  virtual int32_t Add(const std::string& s);
  virtual int32_t AddObject(const std::string& s, TObject* object);
  void Append(const std::string& s) { Add(s); }
  virtual void InsertObject(int32_t index, const std::string& s, TObject* object);
  virtual void AddStrings(TStrings* strings);
  virtual void Exchange(int32_t index1, int32_t index2);
  // The string at curIndex goes to newIndex; its object travels along.
  virtual void Move(int32_t curIndex, int32_t newIndex);
  virtual int32_t IndexOf(const std::string& s) const;
  int32_t IndexOfName(const std::string& name) const;
  int32_t IndexOfObject(const TObject* object) const;

  int32_t Count() const { return GetCount(); }
  std::string Strings(int32_t index) const { return Get(index); }
  std::string operator[](int32_t index) const { return Get(index); }
  TObject* Objects(int32_t index) const { return GetObject(index); }

  // "name=value" lines: Names is the part before the first '=' ("" when
  // there is none). Setting a value to "" removes its line.
  std::string Names(int32_t index) const;
  std::string Values(const std::string& name) const;
  void SetValues(const std::string& name, const std::string& value);
  std::string ValueFromIndex(int32_t index) const;

  // Every string followed by LF.
  virtual std::string Text() const;
  // Replaces the contents by the lines of text; a final line break does not
  // start another line.
  virtual void SetText(const std::string& text);
  // Strings joined by Delimiter; a string holding a blank, a control
  // character, the delimiter or the quote is quoted with QuoteChar and its
  // quotes doubled. Reading splits at delimiters and at blanks outside quotes.
  std::string DelimitedText() const;
  void SetDelimitedText(const std::string& text);
  // DelimitedText with ',' and '"'.
  std::string CommaText() const;
  void SetCommaText(const std::string& text);
  char Delimiter() const { return FDelimiter; }
  void SetDelimiter(char delimiter) { FDelimiter = delimiter; }
  char QuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(char quoteChar) { FQuoteChar = quoteChar; }

  // Brackets a batch of changes: the list reports them once, when the
  // outermost EndUpdate ends, and only if something changed.
  void BeginUpdate();
  void EndUpdate();
  int32_t UpdateCount() const { return FUpdateCount; }

  // Same strings in the same order, compared exactly.
  bool Equals(TStrings* strings) const;
  void Assign(TPersistent* source) override;

  // Bytes are kept as they are; a UTF-8 byte-order mark is dropped on load.
  virtual void LoadFromStream(TStream& stream);
  virtual void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // Streams the strings as the list property "Strings".
  void DefineProperties(TFiler* filer) override;

 protected:
  // Called with true when the outermost BeginUpdate starts, false when the
  // outermost EndUpdate ends.
  virtual void SetUpdateState(bool updating);
  // How this list compares strings for IndexOf, IndexOfName and sorting.
  virtual int CompareStrings(const std::string& s1, const std::string& s2) const;
  [[noreturn]] static void IndexError(int32_t index);

 private:
  std::string JoinDelimited(char delimiter, char quoteChar) const;
  void SplitDelimited(const std::string& text, char delimiter, char quoteChar);

  int32_t FUpdateCount = 0;
  char FDelimiter = ',';
  char FQuoteChar = '"';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
using TStringListSortCompare = int (*)(TStringList* list, int32_t index1, int32_t index2);

class TStringList : public TStrings {
  MORVANE_CLASS(TStringList, TStrings)

 public:
  TStringList() = default;
  explicit TStringList(bool ownsObjects) : FOwnsObjects(ownsObjects) {}
  ~TStringList() override;

  std::string Get(int32_t index) const override;
  int32_t GetCount() const override { return static_cast<int32_t>(FItems.size()); }
  TObject* GetObject(int32_t index) const override;
  // Raises EStringListError on a sorted list: the new string could break the order.
  void Put(int32_t index, const std::string& s) override;
  void PutObject(int32_t index, TObject* object) override;
  void Clear() override;
  void Delete(int32_t index) override;
  // Raises EStringListError on a sorted list; use Add there.
  void Insert(int32_t index, const std::string& s) override;
  void InsertObject(int32_t index, const std::string& s, TObject* object) override;
  // On a sorted list: inserts at the string's place, and a duplicate is
  // ignored (answering the existing index), accepted, or refused with
  // EStringListError, as Duplicates says.
  int32_t AddObject(const std::string& s, TObject* object) override;
  int32_t Add(const std::string& s) override { return AddObject(s, nullptr); }
  void Exchange(int32_t index1, int32_t index2) override;
  void Move(int32_t curIndex, int32_t newIndex) override;
  int32_t IndexOf(const std::string& s) const override;

  // Binary search of a sorted list: true with the first equal string's index,
  // or false with the index where s would go.
  bool Find(const std::string& s, int32_t& index) const;
  // Stable: equal strings keep their order.
  virtual void Sort();
  void CustomSort(TStringListSortCompare compare);

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);
  // A list that owns its objects frees them when their strings are deleted,
  // when it is cleared and when it is destroyed.
  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool ownsObjects) { FOwnsObjects = ownsObjects; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& s1, const std::string& s2) const override;
  // Before and after each change; inside an update only the first change
  // reports Changing, and Changed waits for the end of the update.
  virtual void Changing();
  virtual void Changed();

 private:
  struct TStringItem {
    std::string FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(int32_t index, int32_t limit) const;
  void InsertItem(int32_t index, const std::string& s, TObject* object);

  std::vector<TStringItem> FItems;
  TDuplicates FDuplicates = dupIgnore;
  bool FSorted = false;
  bool FCaseSensitive = false;
  bool FOwnsObjects = false;
  bool FChangedInUpdate = false;
};
