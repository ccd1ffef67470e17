#include "platform/classes/Strings.h"

#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Streams.h"
#include "platform/core/SysUtils.h"

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Runs BeginUpdate now and EndUpdate when the scope ends, also on exceptions.
class TUpdateScope {
 public:
  explicit TUpdateScope(TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
  ~TUpdateScope() { FStrings.EndUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

 private:
  TStrings& FStrings;
};

}  // namespace

void TStrings::IndexError(int32_t index) {
  throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

TObject* TStrings::GetObject(int32_t) const { return nullptr; }

void TStrings::PutObject(int32_t, TObject*) {}

void TStrings::Put(int32_t index, const std::string& s) {
  TUpdateScope update(*this);
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, s, object);
}

int32_t TStrings::Add(const std::string& s) {
  int32_t index = Count();
  Insert(index, s);
  return index;
}

int32_t TStrings::AddObject(const std::string& s, TObject* object) {
  int32_t index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::InsertObject(int32_t index, const std::string& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::AddStrings(TStrings* strings) {
  TUpdateScope update(*this);
  for (int32_t i = 0; i < strings->Count(); ++i) AddObject(strings->Get(i), strings->GetObject(i));
}

void TStrings::Exchange(int32_t index1, int32_t index2) {
  TUpdateScope update(*this);
  std::string s = Get(index1);
  TObject* object = GetObject(index1);
  Put(index1, Get(index2));
  PutObject(index1, GetObject(index2));
  Put(index2, s);
  PutObject(index2, object);
}

void TStrings::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  TUpdateScope update(*this);
  std::string s = Get(curIndex);
  TObject* object = GetObject(curIndex);
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

int32_t TStrings::IndexOf(const std::string& s) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int32_t TStrings::IndexOfName(const std::string& name) const {
  for (int32_t i = 0; i < Count(); ++i) {
    std::string s = Get(i);
    size_t eq = s.find('=');
    if (eq != std::string::npos && CompareStrings(s.substr(0, eq), name) == 0) return i;
  }
  return -1;
}

int32_t TStrings::IndexOfObject(const TObject* object) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (GetObject(i) == object) return i;
  return -1;
}

std::string TStrings::Names(int32_t index) const {
  std::string s = Get(index);
  size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::ValueFromIndex(int32_t index) const {
  std::string s = Get(index);
  size_t eq = s.find('=');
  return eq == std::string::npos ? std::string() : s.substr(eq + 1);
}

std::string TStrings::Values(const std::string& name) const {
  int32_t index = IndexOfName(name);
  return index < 0 ? std::string() : ValueFromIndex(index);
}

void TStrings::SetValues(const std::string& name, const std::string& value) {
  int32_t index = IndexOfName(name);
  if (value.empty()) {
    if (index >= 0) Delete(index);
  } else if (index < 0) {
    Add(name + "=" + value);
  } else {
    Put(index, name + "=" + value);
  }
}

std::string TStrings::Text() const {
  std::string text;
  for (int32_t i = 0; i < Count(); ++i) text.append(Get(i)).push_back('\n');
  return text;
}

void TStrings::SetText(const std::string& text) {
  TUpdateScope update(*this);
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

std::string TStrings::JoinDelimited(char delimiter, char quoteChar) const {
  if (Count() == 1 && Get(0).empty()) return std::string(2, quoteChar);
  std::string text;
  for (int32_t i = 0; i < Count(); ++i) {
    std::string s = Get(i);
    bool quote = false;
    for (char c : s) quote = quote || IsBlank(c) || c == quoteChar || c == delimiter;
    if (i > 0) text.push_back(delimiter);
    text += quote ? AnsiQuotedStr(s, quoteChar) : s;
  }
  return text;
}

void TStrings::SplitDelimited(const std::string& value, char delimiter, char quoteChar) {
  TUpdateScope update(*this);
  Clear();
  // A NUL ends the text, as it ends the platform's character buffers.
  std::string_view text(value.c_str());
  size_t p = 0;
  auto skipBlanks = [&] {
    while (p < text.size() && IsBlank(text[p])) ++p;
  };
  skipBlanks();
  while (p < text.size()) {
    std::string s;
    if (text[p] == quoteChar) {
      s = AnsiExtractQuotedStr(text, p, quoteChar);
    } else {
      size_t start = p;
      while (p < text.size() && !IsBlank(text[p]) && text[p] != delimiter) ++p;
      s = text.substr(start, p - start);
    }
    Add(s);
    skipBlanks();
    if (p < text.size() && text[p] == delimiter) {
      // A delimiter at the very end stands for a last empty string.
      if (p + 1 == text.size()) Add("");
      ++p;
      skipBlanks();
    }
  }
}

std::string TStrings::DelimitedText() const { return JoinDelimited(FDelimiter, FQuoteChar); }
void TStrings::SetDelimitedText(const std::string& text) { SplitDelimited(text, FDelimiter, FQuoteChar); }
std::string TStrings::CommaText() const { return JoinDelimited(',', '"'); }
void TStrings::SetCommaText(const std::string& text) { SplitDelimited(text, ',', '"'); }

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& s1, const std::string& s2) const {
  return AnsiCompareText(s1, s2);
}

bool TStrings::Equals(TStrings* strings) const {
  if (Count() != strings->Count()) return false;
  for (int32_t i = 0; i < Count(); ++i)
    if (Get(i) != strings->Get(i)) return false;
  return true;
}

void TStrings::Assign(TPersistent* source) {
  if (auto* strings = dynamic_cast<TStrings*>(source)) {
    if (strings == this) return;
    TUpdateScope update(*this);
    Clear();
    FDelimiter = strings->FDelimiter;
    FQuoteChar = strings->FQuoteChar;
    AddStrings(strings);
    return;
  }
  TPersistent::Assign(source);
}

void TStrings::LoadFromStream(TStream& stream) {
  int64_t size = stream.Size() - stream.Position();
  std::string bytes(static_cast<size_t>(size > 0 ? size : 0), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  SetText(bytes);
}

void TStrings::SaveToStream(TStream& stream) const {
  std::string text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TStrings::DefineProperties(TFiler* filer) {
  bool hasData = Count() > 0;
  if (filer->Ancestor()) {
    // Written as a difference from the ancestor's list.
    auto* ancestor = dynamic_cast<TStrings*>(filer->Ancestor());
    hasData = !ancestor || !Equals(ancestor);
  }
  filer->DefineProperty(
      "Strings",
      [this](TReader& reader) {
        reader.ReadListBegin();
        TUpdateScope update(*this);
        Clear();
        while (!reader.EndOfList()) Add(reader.ReadString());
        reader.ReadListEnd();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int32_t i = 0; i < Count(); ++i) writer.WriteString(Get(i));
        writer.WriteListEnd();
      },
      hasData);
}
