// TReader, value level: single values of the binary component stream, read
// through the filer's buffer.

#include <algorithm>
#include <bit>
#include <cstring>

#include "platform/classes/ExtendedFloat.h"
#include "platform/classes/Reader.h"
#include "platform/classes/UnicodeText.h"
#include "platform/core/Exceptions.h"

static_assert(std::endian::native == std::endian::little, "the stream's integers are read in host order");

namespace {

bool SameIdent(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
         });
}

}  // namespace

TReader::TReader(TStream& stream, int32_t bufSize) : TFiler(stream, bufSize) {
  FStreamPos = stream.Position();
  FStreamSize = stream.Size();
}

TReader::~TReader() {
  try {
    FlushBuffer();
  } catch (...) {
    // A stream that cannot seek back leaves its position where reading ended.
  }
}

void TReader::FillBuffer() {
  FBufPos = 0;
  FBufEnd = static_cast<size_t>(FStream.Read(FBuffer.data(), static_cast<int64_t>(FBuffer.size())));
  FStreamPos += static_cast<int64_t>(FBufEnd);
  if (FBufEnd == 0) throw EReadError("Stream read error: unexpected end of stream at offset " +
                                     std::to_string(FStreamPos));
}

void TReader::UnexpectedEnd(int64_t wanted) const {
  throw EReadError("Stream read error: unexpected end of stream at offset " + std::to_string(Position()) + " (" +
                   std::to_string(wanted) + " bytes wanted, " + std::to_string(Remaining()) + " left)");
}

void TReader::Read(void* buffer, int64_t count) {
  if (count <= 0) return;
  auto* out = static_cast<uint8_t*>(buffer);
  size_t available = FBufEnd - FBufPos;
  if (static_cast<uint64_t>(count) <= available) {
    std::memcpy(out, FBuffer.data() + FBufPos, static_cast<size_t>(count));
    FBufPos += static_cast<size_t>(count);
    return;
  }
  if (count > Remaining()) UnexpectedEnd(count);
  std::memcpy(out, FBuffer.data() + FBufPos, available);
  out += available;
  count -= static_cast<int64_t>(available);
  FBufPos = FBufEnd = 0;
  if (count >= static_cast<int64_t>(FBuffer.size())) {
    // Large blocks go straight from the stream.
    int64_t n = FStream.Read(out, count);
    FStreamPos += n;
    if (n != count) throw EReadError("Stream read error: unexpected end of stream");
    return;
  }
  while (count > 0) {
    FillBuffer();
    size_t n = std::min(static_cast<size_t>(count), FBufEnd);
    std::memcpy(out, FBuffer.data(), n);
    FBufPos = n;
    out += n;
    count -= static_cast<int64_t>(n);
  }
}

void TReader::SkipBytes(int64_t count) {
  if (count > Remaining()) UnexpectedEnd(count);
  size_t available = FBufEnd - FBufPos;
  if (static_cast<uint64_t>(count) <= available) {
    FBufPos += static_cast<size_t>(count);
    return;
  }
  SetPosition(Position() + count);
}

int64_t TReader::Position() const { return FStreamPos - static_cast<int64_t>(FBufEnd - FBufPos); }

void TReader::SetPosition(int64_t value) {
  FStream.SetPosition(value);
  FStreamPos = value;
  FBufPos = FBufEnd = 0;
}

int64_t TReader::Remaining() const { return std::max<int64_t>(0, FStreamSize - Position()); }

void TReader::FlushBuffer() {
  if (FBufPos != FBufEnd) SetPosition(Position());
  FBufPos = FBufEnd = 0;
}

TReader::TNesting::TNesting(TReader& reader) : FReader(reader) {
  if (++FReader.FNestingDepth > kMaxNestingDepth) {
    --FReader.FNestingDepth;
    throw EReadError("Stream nested deeper than " + std::to_string(kMaxNestingDepth) + " levels");
  }
}

// --- value types ---

TValueType TReader::ReadValue() {
  if (FBufPos == FBufEnd) FillBuffer();
  return static_cast<TValueType>(FBuffer[FBufPos++]);
}

TValueType TReader::NextValue() {
  if (FBufPos == FBufEnd) FillBuffer();
  return static_cast<TValueType>(FBuffer[FBufPos]);
}

void TReader::InvalidValue(TValueType found) const {
  if (found > kLastValueType)
    throw EReadError("Invalid stream format: unknown value type " + std::to_string(found) + " at offset " +
                     std::to_string(Position() - 1));
  throw EReadError("Invalid property value");
}

void TReader::CheckValue(TValueType value) {
  TValueType found = ReadValue();
  if (found != value) InvalidValue(found);
}

bool TReader::EndOfList() { return NextValue() == vaNull; }
void TReader::ReadListBegin() { CheckValue(vaList); }
void TReader::ReadListEnd() { CheckValue(vaNull); }

void TReader::ReadSignature() {
  char signature[4] = {};
  if (Remaining() < 4) throw EReadError("Invalid stream format");
  Read(signature, 4);
  if (std::memcmp(signature, kFilerSignature, 4) != 0) throw EReadError("Invalid stream format");
}

void TReader::ReadPrefix(TFilerFlags& flags, int32_t& childPos) {
  flags.Clear();
  uint8_t prefix = static_cast<uint8_t>(NextValue());
  if ((prefix & 0xF0) != 0xF0) return;
  ReadValue();
  flags = TFilerFlags::FromOrdinal(prefix & 0x0F);
  if (flags.Contains(ffChildPos)) childPos = ReadInteger();
}

// --- numbers ---

int64_t TReader::ReadIntegerPayload(TValueType type) {
  switch (type) {
    case vaInt8:
      return ReadRaw<int8_t>();
    case vaInt16:
      return ReadRaw<int16_t>();
    case vaInt32:
      return ReadRaw<int32_t>();
    case vaInt64:
      return ReadRaw<int64_t>();
    default:
      InvalidValue(type);
  }
}

int32_t TReader::ReadInteger() {
  TValueType type = ReadValue();
  int64_t v = ReadIntegerPayload(type);
  if (v < INT32_MIN || v > INT32_MAX) throw EReadError("Integer value " + std::to_string(v) + " out of range");
  return static_cast<int32_t>(v);
}

int64_t TReader::ReadInt64() { return ReadIntegerPayload(ReadValue()); }

long double TReader::ReadFloat() {
  TValueType type = ReadValue();
  switch (type) {
    case vaExtended: {
      uint8_t bytes[10];
      Read(bytes, 10);
      return ExtendedToLongDouble(bytes);
    }
    case vaDouble:
    case vaDate:
      return ReadRaw<double>();
    case vaSingle:
      return ReadRaw<float>();
    case vaCurrency:
      return static_cast<long double>(ReadRaw<int64_t>()) / 10000;
    default:
      return static_cast<long double>(ReadIntegerPayload(type));
  }
}

float TReader::ReadSingle() {
  TValueType type = ReadValue();
  return type == vaSingle ? ReadRaw<float>() : static_cast<float>(ReadIntegerPayload(type));
}

double TReader::ReadCurrency() {
  TValueType type = ReadValue();
  return type == vaCurrency ? static_cast<double>(ReadRaw<int64_t>()) / 10000
                            : static_cast<double>(ReadIntegerPayload(type));
}

double TReader::ReadDate() {
  TValueType type = ReadValue();
  return type == vaDate ? ReadRaw<double>() : static_cast<double>(ReadIntegerPayload(type));
}

bool TReader::ReadBoolean() {
  TValueType type = ReadValue();
  if (type != vaTrue && type != vaFalse) InvalidValue(type);
  return type == vaTrue;
}

// --- strings ---

std::string TReader::ReadBytes(int64_t length) {
  if (length < 0 || length > Remaining())
    throw EReadError("Invalid stream format: string of " + std::to_string(length) + " bytes at offset " +
                     std::to_string(Position()) + " runs past the end of the stream");
  std::string s(static_cast<size_t>(length), '\0');
  Read(s.data(), length);
  return s;
}

int64_t TReader::ReadLength32() {
  int32_t length;
  Read(&length, 4);
  if (length < 0) throw EReadError("Invalid stream format: negative length " + std::to_string(length));
  return length;
}

std::string TReader::ReadStr() {
  uint8_t length;
  Read(&length, 1);
  return ReadBytes(length);
}

std::string TReader::ReadString() {
  TValueType type = ReadValue();
  switch (type) {
    case vaString:
      return ReadStr();
    case vaLString:
    case vaUTF8String:
      return ReadBytes(ReadLength32());
    case vaWString: {
      int64_t units = ReadLength32();
      if (units > Remaining() / 2)
        throw EReadError("Invalid stream format: wide string of " + std::to_string(units) +
                         " characters runs past the end of the stream");
      std::u16string w(static_cast<size_t>(units), u'\0');
      Read(w.data(), units * 2);
      return Utf16ToUtf8(w);
    }
    default:
      InvalidValue(type);
  }
}

std::string TReader::ReadWideString() { return ReadString(); }

char TReader::ReadChar() {
  std::string s = ReadString();
  if (s.size() != 1) throw EReadError("Invalid property value");
  return s[0];
}

std::string TReader::ReadIdent() {
  TValueType type = ReadValue();
  switch (type) {
    case vaIdent:
      return ReadStr();
    case vaFalse:
      return "False";
    case vaTrue:
      return "True";
    case vaNil:
      return "nil";
    case vaNull:
      return "Null";
    default:
      InvalidValue(type);
  }
}

std::vector<std::string> TReader::ReadSet() {
  CheckValue(vaSet);
  std::vector<std::string> elements;
  for (std::string name = ReadStr(); !name.empty(); name = ReadStr()) elements.push_back(std::move(name));
  return elements;
}

// --- skipping ---

void TReader::SkipValue() {
  TValueType type = ReadValue();
  switch (type) {
    case vaNull:
    case vaFalse:
    case vaTrue:
    case vaNil:
      return;
    case vaList: {
      TNesting nesting(*this);
      while (!EndOfList()) SkipValue();
      ReadListEnd();
      return;
    }
    case vaInt8:
      return SkipBytes(1);
    case vaInt16:
      return SkipBytes(2);
    case vaInt32:
    case vaSingle:
      return SkipBytes(4);
    case vaInt64:
    case vaDouble:
    case vaCurrency:
    case vaDate:
      return SkipBytes(8);
    case vaExtended:
      return SkipBytes(10);
    case vaString:
    case vaIdent: {
      uint8_t length;
      Read(&length, 1);
      return SkipBytes(length);
    }
    case vaLString:
    case vaUTF8String:
    case vaBinary:
      return SkipBytes(ReadLength32());
    case vaWString:
      return SkipBytes(ReadLength32() * 2);
    case vaSet:
      while (!ReadStr().empty()) {
      }
      return;
    case vaCollection: {
      TNesting nesting(*this);
      while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == vaInt8 || next == vaInt16 || next == vaInt32) SkipValue();
        CheckValue(vaList);
        while (!EndOfList()) {
          ReadStr();
          SkipValue();
        }
        ReadListEnd();
      }
      ReadListEnd();
      return;
    }
    default:
      InvalidValue(type);
  }
}

// --- defined properties ---

void TReader::DefineProperty(const std::string& name, TReaderProc readData, TWriterProc, bool) {
  if (readData && SameIdent(name, FPropName)) {
    readData(*this);
    FPropertyHandled = true;
  }
}

void TReader::DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc, bool) {
  if (!readData || !SameIdent(name, FPropName)) return;
  CheckValue(vaBinary);
  int64_t size = ReadLength32();
  if (size > Remaining()) throw EReadError("Invalid stream format: binary data runs past the end of the stream");
  TMemoryStream data;
  data.SetSize(size);
  Read(data.Memory(), size);
  data.SetPosition(0);
  readData(data);
  FPropertyHandled = true;
}
