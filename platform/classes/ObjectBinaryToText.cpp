// Binary component stream -> text form, laid out as the classic converter
// lays it out (two spaces per level, strings cut into 64-character pieces,
// 32 bytes of binary data per line).

#include <string>

#include "platform/classes/FloatText.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Reader.h"
#include "platform/classes/UnicodeText.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr size_t kLineLength = 64;
constexpr int32_t kReaderBuffer = 64 * 1024;

class TBinaryToText {
 public:
  TBinaryToText(TReader& reader, TObjectTextStyle style) : FReader(reader), FStyle(style) {}

  void ConvertObject();
  const std::string& Text() const { return FOut; }
  bool NeedsBom() const { return FNeedsBom; }

 private:
  void WriteIndent() { FOut.append(static_cast<size_t>(FLevel) * 2, ' '); }
  void NewLine() {
    FOut.push_back('\n');
    WriteIndent();
  }
  std::string ReadName();
  void ConvertHeader();
  void ConvertProperty();
  void ConvertValue();
  template <typename Units>
  void WriteString(const Units& s, bool unicode);
  void ConvertBinary();
  void ConvertCollection();

  TReader& FReader;
  TObjectTextStyle FStyle;
  std::string FOut;
  int FLevel = 0;
  bool FNeedsBom = false;
};

// Names are identifiers; a UTF-8 one beyond ASCII is what marks a file that
// needs a byte-order mark. A name the text form could not carry (a blank, a
// quote, a control code) means the stream is corrupt: written out, it would
// read back as something else.
std::string TBinaryToText::ReadName() {
  std::string name = FReader.ReadStr();
  for (unsigned char c : name) {
    bool identChar = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                     c == '.' || c >= 0x80;
    if (!identChar)
      throw EReadError("Invalid stream format: name '" + name + "' before offset " +
                       std::to_string(FReader.Position()) + " is not an identifier");
  }
  if (!FNeedsBom && !IsAsciiText(name) && IsValidUtf8(name)) FNeedsBom = true;
  return name;
}

void TBinaryToText::ConvertHeader() {
  TFilerFlags flags;
  int32_t childPos = 0;
  FReader.ReadPrefix(flags, childPos);
  std::string className = ReadName();
  std::string objectName = ReadName();
  WriteIndent();
  FOut += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
  if (!objectName.empty()) FOut += objectName + ": ";
  FOut += className;
  if (flags.Contains(ffChildPos)) FOut += " [" + std::to_string(childPos) + "]";
  FOut.push_back('\n');
}

void TBinaryToText::ConvertObject() {
  TReader::TNesting nesting(FReader);
  ConvertHeader();
  ++FLevel;
  while (!FReader.EndOfList()) ConvertProperty();
  FReader.ReadListEnd();
  while (!FReader.EndOfList()) ConvertObject();
  FReader.ReadListEnd();
  --FLevel;
  WriteIndent();
  FOut += "end\n";
}

void TBinaryToText::ConvertProperty() {
  WriteIndent();
  FOut += ReadName();
  FOut += " = ";
  ConvertValue();
  FOut.push_back('\n');
}

// Characters that may stand inside quotes: printable, not the quote itself
// (which the classic layout writes as #39), and in Unicode strings ASCII only
// (the rest as #nnn codes). 8-bit strings keep their bytes.
template <typename Units>
void TBinaryToText::WriteString(const Units& s, bool unicode) {
  const size_t length = s.size();
  if (length == 0) {
    FOut += "''";
    return;
  }
  const bool doubleQuotes = FStyle == otsLongLines;
  const size_t lineLength = FStyle == otsLongLines ? SIZE_MAX : kLineLength;
  auto quotable = [&](uint32_t c) { return c >= ' ' && (c != '\'' || doubleQuotes) && (!unicode || c < 0x80); };
  ++FLevel;
  if (length > lineLength) NewLine();
  size_t i = 0, lineStart = 0;
  while (i < length) {
    bool lineBreak = false;
    uint32_t c = static_cast<uint32_t>(s[i]);
    if (quotable(c)) {
      FOut.push_back('\'');
      do {
        c = static_cast<uint32_t>(s[i]);
        if (c == '\'') FOut.push_back('\'');
        FOut.push_back(static_cast<char>(c));
        ++i;
      } while (i < length && quotable(static_cast<uint32_t>(s[i])) && i - lineStart < lineLength);
      lineBreak = i - lineStart >= lineLength;
      FOut.push_back('\'');
    } else {
      FOut.push_back('#');
      FOut += std::to_string(c);
      ++i;
      lineBreak = i - lineStart >= lineLength;
    }
    if (lineBreak && i < length) {
      FOut += " +";
      NewLine();
      lineStart = i;
    }
  }
  --FLevel;
}

void TBinaryToText::ConvertBinary() {
  static const char kHex[] = "0123456789ABCDEF";
  int32_t size;
  FReader.Read(&size, 4);
  if (size < 0 || size > FReader.Remaining())
    throw EReadError("Invalid stream format: binary data of " + std::to_string(size) +
                     " bytes runs past the end of the stream");
  ++FLevel;
  FOut.push_back('{');
  unsigned char line[32];
  for (int32_t left = size; left > 0;) {
    int32_t n = left < 32 ? left : 32;
    FReader.Read(line, n);
    NewLine();
    for (int32_t k = 0; k < n; ++k) {
      FOut.push_back(kHex[line[k] >> 4]);
      FOut.push_back(kHex[line[k] & 15]);
    }
    left -= n;
  }
  --FLevel;
  if (FStyle == otsLongLines) NewLine();
  FOut.push_back('}');
}

void TBinaryToText::ConvertCollection() {
  TReader::TNesting nesting(FReader);
  FOut.push_back('<');
  if (FStyle == otsLongLines && !FReader.EndOfList()) FOut += "    ";
  ++FLevel;
  while (!FReader.EndOfList()) {
    NewLine();
    FOut += "item";
    TValueType next = FReader.NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
      FOut += " [";
      ConvertValue();
      FOut.push_back(']');
    }
    FReader.CheckValue(vaList);
    ++FLevel;
    while (!FReader.EndOfList()) {
      FOut.push_back('\n');
      WriteIndent();
      FOut += ReadName();
      FOut += " = ";
      ConvertValue();
    }
    FReader.ReadListEnd();
    --FLevel;
    NewLine();
    FOut += "end";
    if (FStyle == otsLongLines && !FReader.EndOfList()) FOut += "    ";
  }
  FReader.ReadListEnd();
  --FLevel;
  FOut.push_back('>');
}

void TBinaryToText::ConvertValue() {
  TValueType type = FReader.NextValue();
  switch (type) {
    case vaList: {
      TReader::TNesting nesting(FReader);
      FReader.ReadValue();
      FOut.push_back('(');
      ++FLevel;
      while (!FReader.EndOfList()) {
        NewLine();
        ConvertValue();
      }
      FReader.ReadListEnd();
      --FLevel;
      if (FStyle == otsLongLines) NewLine();
      FOut.push_back(')');
      return;
    }
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64:
      FOut += std::to_string(FReader.ReadInt64());
      return;
    case vaExtended:
    case vaDouble:
      FOut += FormatExtendedText(FReader.ReadFloat());
      return;
    case vaSingle:
      FOut += FormatGeneralFloat(FReader.ReadSingle()) + "s";
      return;
    case vaCurrency:
      FOut += FormatGeneralFloat(static_cast<long double>(FReader.ReadCurrency()) * 10000) + "c";
      return;
    case vaDate:
      FOut += FormatGeneralFloat(FReader.ReadDate()) + "d";
      return;
    case vaString:
    case vaLString:
      return WriteString(FReader.ReadString(), false);
    case vaWString: {
      FReader.ReadValue();
      int32_t units;
      FReader.Read(&units, 4);
      if (units < 0 || units > FReader.Remaining() / 2)
        throw EReadError("Invalid stream format: wide string of " + std::to_string(units) +
                         " characters runs past the end of the stream");
      std::u16string w(static_cast<size_t>(units), u'\0');
      FReader.Read(w.data(), static_cast<int64_t>(units) * 2);
      return WriteString(w, true);
    }
    case vaUTF8String:
      return WriteString(Utf8ToUtf16(FReader.ReadString()), true);
    case vaIdent:
      FReader.ReadValue();
      FOut += ReadName();
      return;
    case vaFalse:
    case vaTrue:
    case vaNil:
    case vaNull:
      FOut += FReader.ReadIdent();
      return;
    case vaBinary:
      FReader.ReadValue();
      return ConvertBinary();
    case vaSet: {
      FReader.ReadValue();
      FOut.push_back('[');
      bool first = true;
      for (std::string name = ReadName(); !name.empty(); name = ReadName()) {
        if (!first) FOut += ", ";
        FOut += name;
        first = false;
      }
      FOut.push_back(']');
      return;
    }
    case vaCollection:
      FReader.ReadValue();
      return ConvertCollection();
  }
  FReader.ReadValue();
  throw EReadError("Invalid stream format: unknown value type " + std::to_string(type) + " at offset " +
                   std::to_string(FReader.Position() - 1));
}

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output, TObjectTextStyle style) {
  std::string text;
  bool bom;
  {
    TReader reader(input, kReaderBuffer);
    reader.ReadSignature();
    TBinaryToText converter(reader, style);
    converter.ConvertObject();
    bom = converter.NeedsBom();
    text = converter.Text();
  }
  if (bom) output.WriteBuffer("\xEF\xBB\xBF", 3);
  output.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}
