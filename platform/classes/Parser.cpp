#include "platform/classes/Parser.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/classes/UnicodeText.h"
#include "platform/core/Exceptions.h"

namespace {

constexpr size_t kBlockSize = 64 * 1024;

bool IsIdentStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80; }
bool IsIdentChar(unsigned char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
int HexValue(unsigned char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string TokenName(char token) {
  switch (token) {
    case toSymbol:
      return "Identifier";
    case toString:
    case toWString:
      return "String";
    case toInteger:
    case toFloat:
      return "Number";
    default:
      return "'" + std::string(1, token) + "'";
  }
}

}  // namespace

TParser::TParser(TStream& stream) : FStream(stream), FBuf(kBlockSize) {
  FBufOffset = stream.Position();
  if (Peek() == '\xEF' && Peek(1) == '\xBB' && Peek(2) == '\xBF') {
    FUtf8Bom = true;
    FPos = 3;
  }
  NextToken();
}

TParser::~TParser() {
  try {
    FStream.SetPosition(SourcePos());
  } catch (...) {
    // The stream keeps the position reading reached.
  }
}

// Keeps the current token in the buffer and reads the next block behind it.
bool TParser::Fill() {
  if (FEndOfStream) return false;
  if (FTokenStart > 0) {
    std::memmove(FBuf.data(), FBuf.data() + FTokenStart, FBufEnd - FTokenStart);
    FBufOffset += static_cast<int64_t>(FTokenStart);
    FBufEnd -= FTokenStart;
    FPos -= FTokenStart;
    FTokenStart = 0;
  }
  if (FBufEnd + kBlockSize > FBuf.size()) FBuf.resize(FBufEnd + kBlockSize);
  int64_t n = FStream.Read(FBuf.data() + FBufEnd, static_cast<int64_t>(kBlockSize));
  if (n <= 0) {
    FEndOfStream = true;
    return false;
  }
  FBufEnd += static_cast<size_t>(n);
  return true;
}

char TParser::PeekAfterFill(size_t ahead) {
  while (FPos + ahead >= FBufEnd)
    if (!Fill()) return '\0';
  return FBuf[FPos + ahead];
}

void TParser::Error(const std::string& message) const {
  throw EParserError(message + " on line " + std::to_string(FSourceLine), FSourceLine);
}

void TParser::SkipBlanks() {
  for (;;) {
    if (FPos >= FBufEnd) {
      FTokenStart = FPos;
      if (!Fill()) return;
    }
    char c = FBuf[FPos];
    if (c == '\n') {
      ++FSourceLine;
    } else if (static_cast<unsigned char>(c) > ' ' || c == '\0') {
      return;
    }
    ++FPos;
  }
}

char TParser::NextToken() {
  SkipBlanks();
  FTokenStart = FPos;
  FFloatType = 0;
  FTokenText.clear();
  if (FPos >= FBufEnd && FEndOfStream) {
    FToken = toEOF;
    return FToken;
  }
  unsigned char c = static_cast<unsigned char>(Peek());
  if (IsIdentStart(c)) {
    ScanSymbol();
  } else if (c == '\'' || c == '#') {
    ScanString();
  } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && (IsDigit(static_cast<unsigned char>(Peek(1))) ||
                                                                  Peek(1) == '.'))) {
    ScanNumber();
  } else if (c == '\0') {
    Error("Invalid character (code 0)");
  } else {
    ++FPos;
    FToken = static_cast<char>(c);
    FTokenText.assign(1, static_cast<char>(c));
  }
  return FToken;
}

void TParser::ScanSymbol() {
  // Filling keeps the token in the buffer, from FTokenStart on.
  while (IsIdentChar(static_cast<unsigned char>(Peek()))) ++FPos;
  FTokenText.assign(FBuf.data() + FTokenStart, FPos - FTokenStart);
  FToken = toSymbol;
}

void TParser::ScanNumber() {
  if (Peek() == '$') {
    FTokenText.push_back(FBuf[FPos++]);
    while (HexValue(static_cast<unsigned char>(Peek())) >= 0) FTokenText.push_back(FBuf[FPos++]);
    if (FTokenText.size() == 1) Error("Invalid hexadecimal number '$'");
    FToken = toInteger;
    return;
  }
  FToken = toInteger;
  if (Peek() == '-' || Peek() == '+') FTokenText.push_back(FBuf[FPos++]);
  while (IsDigit(static_cast<unsigned char>(Peek()))) FTokenText.push_back(FBuf[FPos++]);
  if (Peek() == '.' && IsDigit(static_cast<unsigned char>(Peek(1)))) {
    FToken = toFloat;
    FTokenText.push_back(FBuf[FPos++]);
    while (IsDigit(static_cast<unsigned char>(Peek()))) FTokenText.push_back(FBuf[FPos++]);
  }
  char e = Peek();
  if ((e == 'e' || e == 'E') &&
      (IsDigit(static_cast<unsigned char>(Peek(1))) ||
       ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(static_cast<unsigned char>(Peek(2)))))) {
    FToken = toFloat;
    FTokenText.push_back(FBuf[FPos++]);
    FTokenText.push_back(FBuf[FPos++]);
    while (IsDigit(static_cast<unsigned char>(Peek()))) FTokenText.push_back(FBuf[FPos++]);
  }
  char suffix = Peek();
  if (suffix == 's' || suffix == 'S' || suffix == 'c' || suffix == 'C' || suffix == 'd' || suffix == 'D') {
    FToken = toFloat;
    FFloatType = static_cast<char>(suffix | 0x20);
    ++FPos;
  }
}

// A string is a run of quoted parts and #nnn codes with nothing between them.
// Codes below 128 become bytes; codes from 128 make the string a Unicode one
// (toWString), carried in FTokenText as UTF-8 (each unit on its own, so that
// unpaired surrogates survive).
void TParser::ScanString() {
  FToken = toString;
  for (;;) {
    char c = Peek();
    if (c == '\'') {
      ++FPos;
      for (;;) {
        // The run up to the next quote or line end goes in at once.
        size_t run = FPos;
        while (FPos < FBufEnd && FBuf[FPos] != '\'' && FBuf[FPos] != '\n' && FBuf[FPos] != '\r') ++FPos;
        FTokenText.append(FBuf.data() + run, FPos - run);
        if (FPos >= FBufEnd) {
          if (!Fill()) Error("Unterminated string");
          continue;
        }
        if (FBuf[FPos] != '\'') Error("Unterminated string");
        ++FPos;
        if (Peek() != '\'') break;
        ++FPos;
        FTokenText.push_back('\'');
      }
    } else if (c == '#') {
      ++FPos;
      uint32_t code = 0;
      size_t digits = 0;
      if (Peek() == '$') {
        ++FPos;
        for (int h; (h = HexValue(static_cast<unsigned char>(Peek()))) >= 0; ++FPos, ++digits) {
          code = code * 16 + static_cast<uint32_t>(h);
          if (code > 0xFFFF) Error("Character code out of range");
        }
      } else {
        for (; IsDigit(static_cast<unsigned char>(Peek())); ++FPos, ++digits) {
          code = code * 10 + static_cast<uint32_t>(FBuf[FPos] - '0');
          if (code > 0xFFFF) Error("Character code out of range");
        }
      }
      if (digits == 0) Error("Number expected");
      if (code < 0x80) {
        FTokenText.push_back(static_cast<char>(code));
      } else {
        FToken = toWString;
        AppendUtf8(FTokenText, code);
      }
    } else {
      return;
    }
  }
}

std::u16string TParser::TokenWideString() const { return Utf8ToUtf16(FTokenText); }

int64_t TParser::TokenInt() const {
  const std::string& t = FTokenText;
  if (FToken != toInteger) Error("Integer expected");
  errno = 0;
  char* end = nullptr;
  int64_t v;
  if (t[0] == '$') {
    uint64_t u = std::strtoull(t.c_str() + 1, &end, 16);
    v = static_cast<int64_t>(u);
  } else {
    v = std::strtoll(t.c_str(), &end, 10);
  }
  if (errno == ERANGE || *end != '\0') Error("'" + t + "' is not a valid integer value");
  return v;
}

long double TParser::TokenFloat() const {
  if (FToken != toFloat && FToken != toInteger) Error("Number expected");
  if (FTokenText[0] == '$') return static_cast<long double>(TokenInt());
  char* end = nullptr;
  long double v = std::strtold(FTokenText.c_str(), &end);
  if (*end != '\0' || std::isinf(v)) Error("'" + FTokenText + "' is not a valid floating point value");
  return v;
}

bool TParser::TokenSymbolIs(const std::string& symbol) const {
  if (FToken != toSymbol || FTokenText.size() != symbol.size()) return false;
  for (size_t i = 0; i < symbol.size(); ++i) {
    char a = FTokenText[i], b = symbol[i];
    if ((a >= 'a' && a <= 'z' ? a - 32 : a) != (b >= 'a' && b <= 'z' ? b - 32 : b)) return false;
  }
  return true;
}

void TParser::CheckToken(char token) const {
  if (FToken == token || (token == toString && FToken == toWString)) return;
  Error(TokenName(token) + " expected");
}

void TParser::CheckTokenSymbol(const std::string& symbol) const {
  if (!TokenSymbolIs(symbol)) Error(symbol + " expected");
}

std::string TParser::HexToBinary() {
  CheckToken('{');
  std::string bytes;
  for (;;) {
    FTokenStart = FPos;
    char c = Peek();
    if (c == '}') {
      ++FPos;
      break;
    }
    if (c == '\n') {
      ++FSourceLine;
      ++FPos;
      continue;
    }
    if (static_cast<unsigned char>(c) <= ' ' && !(c == '\0' && FPos >= FBufEnd)) {
      ++FPos;
      continue;
    }
    int hi = HexValue(static_cast<unsigned char>(c));
    int lo = HexValue(static_cast<unsigned char>(Peek(1)));
    if (hi < 0 || lo < 0) Error("Invalid binary value");
    bytes.push_back(static_cast<char>(hi * 16 + lo));
    FPos += 2;
  }
  NextToken();
  return bytes;
}
