// Text form -> binary component stream, one object per call, choosing the
// value types the classic converter chooses: the smallest integer type,
// extended floats unless a suffix says otherwise, vaString/vaLString for
// strings of bytes and a Unicode type for strings with #nnn codes beyond ASCII.

#include <string>

#include "platform/classes/ObjectText.h"
#include "platform/classes/Parser.h"
#include "platform/classes/Reader.h"
#include "platform/classes/UnicodeText.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr int32_t kWriterBuffer = 64 * 1024;

class TTextToBinary {
 public:
  TTextToBinary(TParser& parser, TWriter& writer) : FParser(parser), FWriter(writer) {}
  void ConvertObject();

 private:
  // Counts one level of objects, lists or collections in the text.
  class TDepth {
   public:
    explicit TDepth(TTextToBinary& owner) : FOwner(owner) {
      if (++FOwner.FDepth > TReader::kMaxNestingDepth)
        FOwner.FParser.Error("Objects or values nested too deeply");
    }
    ~TDepth() { --FOwner.FDepth; }

   private:
    TTextToBinary& FOwner;
  };

  bool AtObjectStart() const {
    return FParser.TokenSymbolIs("OBJECT") || FParser.TokenSymbolIs("INHERITED") || FParser.TokenSymbolIs("INLINE");
  }
  void ConvertHeader(TFilerFlags flags);
  void ConvertProperty();
  void ConvertValue();
  void ConvertString();
  void ConvertSet();
  void ConvertCollection();

  TParser& FParser;
  TWriter& FWriter;
  int FDepth = 0;
};

void TTextToBinary::ConvertObject() {
  TDepth depth(*this);
  TFilerFlags flags;
  if (FParser.TokenSymbolIs("INHERITED")) {
    flags.Include(ffInherited);
  } else if (FParser.TokenSymbolIs("INLINE")) {
    flags.Include(ffInline);
  } else {
    FParser.CheckTokenSymbol("OBJECT");
  }
  FParser.NextToken();
  ConvertHeader(flags);
  while (!FParser.TokenSymbolIs("END") && !AtObjectStart()) ConvertProperty();
  FWriter.WriteListEnd();
  while (!FParser.TokenSymbolIs("END")) ConvertObject();
  FWriter.WriteListEnd();
  FParser.NextToken();
}

void TTextToBinary::ConvertHeader(TFilerFlags flags) {
  FParser.CheckToken(toSymbol);
  std::string className = FParser.TokenString();
  int32_t classLine = FParser.SourceLine();
  std::string objectName;
  if (FParser.NextToken() == ':') {
    FParser.NextToken();
    FParser.CheckToken(toSymbol);
    objectName = className;
    className = FParser.TokenString();
    classLine = FParser.SourceLine();
    FParser.NextToken();
  }
  // A length byte from 0xF0 up where an object starts would read as a prefix.
  if (className.size() >= 0xF0)
    throw EParserError("Class name longer than 239 characters on line " + std::to_string(classLine), classLine);
  int32_t childPos = 0;
  if (FParser.Token() == '[') {
    FParser.NextToken();
    FParser.CheckToken(toInteger);
    int64_t pos = FParser.TokenInt();
    if (pos < INT32_MIN || pos > INT32_MAX) FParser.Error("Child position out of range");
    childPos = static_cast<int32_t>(pos);
    FParser.NextToken();
    FParser.CheckToken(']');
    FParser.NextToken();
    flags.Include(ffChildPos);
  }
  if (objectName.size() > 255) FParser.Error("Name longer than 255 characters");
  FWriter.WritePrefix(flags, childPos);
  FWriter.WriteStr(className);
  FWriter.WriteStr(objectName);
}

void TTextToBinary::ConvertProperty() {
  FParser.CheckToken(toSymbol);
  std::string name = FParser.TokenString();
  while (FParser.NextToken() == '.') {
    FParser.NextToken();
    FParser.CheckToken(toSymbol);
    name += "." + FParser.TokenString();
  }
  if (name.size() > 255) FParser.Error("Property name longer than 255 characters");
  FWriter.WriteStr(name);
  FParser.CheckToken('=');
  FParser.NextToken();
  ConvertValue();
}

// Leaves the parser on the token after the value.
void TTextToBinary::ConvertValue() {
  switch (FParser.Token()) {
    case toString:
    case toWString:
      return ConvertString();
    case toSymbol: {
      // A dotted name (a reference into another form) is one identifier.
      std::string ident = FParser.TokenString();
      while (FParser.NextToken() == '.') {
        FParser.NextToken();
        FParser.CheckToken(toSymbol);
        ident += "." + FParser.TokenString();
      }
      if (ident.size() > 255) FParser.Error("Identifier longer than 255 characters");
      FWriter.WriteIdent(ident);
      return;
    }
    case toInteger:
      FWriter.WriteInteger(FParser.TokenInt());
      break;
    case toFloat: {
      long double value = FParser.TokenFloat();
      switch (FParser.FloatType()) {
        case 's':
          FWriter.WriteSingle(static_cast<float>(value));
          break;
        case 'c':
          // The text shows currency as its count of ten-thousandths.
          if (!(value > -9.2233720368547758e18L && value < 9.2233720368547758e18L))
            FParser.Error("Currency value out of range");
          FWriter.WriteCurrency(static_cast<double>(value / 10000));
          break;
        case 'd':
          FWriter.WriteDate(static_cast<double>(value));
          break;
        default:
          FWriter.WriteFloat(value);
      }
      break;
    }
    case '[':
      ConvertSet();
      break;
    case '(': {
      TDepth depth(*this);
      FParser.NextToken();
      FWriter.WriteListBegin();
      while (FParser.Token() != ')') {
        if (FParser.Token() == toEOF) FParser.CheckToken(')');
        // Null is written as the value type that also ends a list.
        if (FParser.TokenSymbolIs("Null")) FParser.Error("Null cannot be an item of a list");
        ConvertValue();
      }
      FWriter.WriteListEnd();
      break;
    }
    case '{': {
      std::string bytes = FParser.HexToBinary();
      FWriter.WriteBinary([&](TStream& s) { s.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size())); });
      return;
    }
    case '<':
      ConvertCollection();
      break;
    default:
      FParser.Error("Invalid property value");
  }
  FParser.NextToken();
}

// Strings joined with '+' are one value; one Unicode part makes the whole
// value Unicode.
void TTextToBinary::ConvertString() {
  std::string value = FParser.TokenString();
  bool unicode = FParser.Token() == toWString;
  while (FParser.NextToken() == '+') {
    FParser.NextToken();
    FParser.CheckToken(toString);
    value += FParser.TokenString();
    unicode = unicode || FParser.Token() == toWString;
  }
  if (value.size() > INT32_MAX) FParser.Error("String too long");
  if (unicode) {
    FWriter.WriteUnicodeString(Utf8ToUtf16(value));
  } else {
    FWriter.WriteRawString(value);
  }
}

void TTextToBinary::ConvertSet() {
  FWriter.WriteValue(vaSet);
  if (FParser.NextToken() != ']') {
    for (;;) {
      if (FParser.Token() != toInteger) FParser.CheckToken(toSymbol);
      if (FParser.TokenString().size() > 255) FParser.Error("Set element longer than 255 characters");
      FWriter.WriteStr(FParser.TokenString());
      if (FParser.NextToken() == ']') break;
      FParser.CheckToken(',');
      FParser.NextToken();
    }
  }
  FWriter.WriteStr("");
}

void TTextToBinary::ConvertCollection() {
  TDepth depth(*this);
  FWriter.WriteValue(vaCollection);
  FParser.NextToken();
  while (FParser.Token() != '>') {
    FParser.CheckTokenSymbol("item");
    if (FParser.NextToken() == '[') {
      FParser.NextToken();
      FParser.CheckToken(toInteger);
      FWriter.WriteInteger(FParser.TokenInt());
      FParser.NextToken();
      FParser.CheckToken(']');
      FParser.NextToken();
    }
    FWriter.WriteListBegin();
    while (!FParser.TokenSymbolIs("end")) ConvertProperty();
    FWriter.WriteListEnd();
    FParser.NextToken();
  }
  FWriter.WriteListEnd();
}

}  // namespace

void ObjectTextToBinary(TStream& input, TStream& output) {
  TMemoryStream binary;
  {
    TParser parser(input);
    TWriter writer(binary, kWriterBuffer);
    writer.WriteSignature();
    TTextToBinary converter(parser, writer);
    converter.ConvertObject();
  }
  output.WriteBuffer(binary.Memory(), binary.Size());
}
