#pragma once
// TParser splits the text form of component streams into tokens: symbols,
// strings ('...' runs and #nnn codes, side by side), integers (also $hex),
// floats (with an optional s, c or d suffix) and single characters. It reads
// the stream in blocks and, when destroyed, leaves the stream at the start of
// the current token, so that a caller can convert one object after another.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Streams.h"

constexpr char toEOF = 0;
constexpr char toSymbol = 1;
constexpr char toString = 2;
constexpr char toInteger = 3;
constexpr char toFloat = 4;
// A string with #nnn codes beyond ASCII: its characters are Unicode.
constexpr char toWString = 5;

class TParser {
 public:
  explicit TParser(TStream& stream);
  ~TParser();
  TParser(const TParser&) = delete;
  TParser& operator=(const TParser&) = delete;

  char Token() const { return FToken; }
  // A symbol, number or single character as written; a string's value, with
  // #nnn codes below 128 as bytes and the others as UTF-8.
  const std::string& TokenString() const { return FTokenText; }
  // A string's value as UTF-16 code units (raw bytes of a UTF-8 file decoded).
  std::u16string TokenWideString() const;
  int64_t TokenInt() const;
  long double TokenFloat() const;
  // The suffix of a float token: 's', 'c', 'd' or 0.
  char FloatType() const { return FFloatType; }
  bool TokenSymbolIs(const std::string& symbol) const;
  int32_t SourceLine() const { return FSourceLine; }
  // The offset in the stream of the current token.
  int64_t SourcePos() const { return FBufOffset + static_cast<int64_t>(FTokenStart); }
  // True when the stream started with a UTF-8 byte-order mark.
  bool Utf8Bom() const { return FUtf8Bom; }

  char NextToken();
  void CheckToken(char token) const;
  void CheckTokenSymbol(const std::string& symbol) const;
  // Reads the hex digits after a '{' token up to the closing '}' into bytes
  // and moves on to the token after it.
  std::string HexToBinary();

  [[noreturn]] void Error(const std::string& message) const;

 private:
  char Peek(size_t ahead = 0) { return FPos + ahead < FBufEnd ? FBuf[FPos + ahead] : PeekAfterFill(ahead); }
  char PeekAfterFill(size_t ahead);
  bool Fill();
  void SkipBlanks();
  void ScanSymbol();
  void ScanNumber();
  void ScanString();

  TStream& FStream;
  std::vector<char> FBuf;
  // Offset in the stream of FBuf[0].
  int64_t FBufOffset = 0;
  size_t FBufEnd = 0;
  size_t FPos = 0;
  size_t FTokenStart = 0;
  bool FEndOfStream = false;
  char FToken = toEOF;
  char FFloatType = 0;
  std::string FTokenText;
  bool FUtf8Bom = false;
  int32_t FSourceLine = 1;
};
