// TWriter, value level: single values in the classic encodings, collected in
// the filer's buffer and handed to the stream in blocks.

#include <bit>
#include <cstring>

#include "platform/classes/ExtendedFloat.h"
#include "platform/classes/UnicodeText.h"
#include "platform/classes/Writer.h"
#include "platform/core/Exceptions.h"

static_assert(std::endian::native == std::endian::little, "the stream's integers are written in host order");

namespace {

bool SameIdent(const std::string& a, const char* b) {
  size_t n = std::strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i) {
    char x = a[i] >= 'A' && a[i] <= 'Z' ? a[i] + 32 : a[i];
    char y = b[i] >= 'A' && b[i] <= 'Z' ? b[i] + 32 : b[i];
    if (x != y) return false;
  }
  return true;
}

}  // namespace

TWriter::TWriter(TStream& stream, int32_t bufSize) : TFiler(stream, bufSize) {
  FStreamPos = stream.Position();
}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // Nothing to report to from a destructor; the stream keeps what it took.
  }
}

void TWriter::FlushBuffer() {
  if (FBufPos == 0) return;
  size_t pending = FBufPos;
  FBufPos = 0;
  FStream.WriteBuffer(FBuffer.data(), static_cast<int64_t>(pending));
  FStreamPos += static_cast<int64_t>(pending);
}

void TWriter::Write(const void* buffer, int64_t count) {
  if (count <= 0) return;
  size_t n = static_cast<size_t>(count);
  if (n <= FBuffer.size() - FBufPos) {
    std::memcpy(FBuffer.data() + FBufPos, buffer, n);
    FBufPos += n;
    return;
  }
  FlushBuffer();
  if (n >= FBuffer.size()) {
    FStream.WriteBuffer(buffer, count);
    FStreamPos += count;
    return;
  }
  std::memcpy(FBuffer.data(), buffer, n);
  FBufPos = n;
}

int64_t TWriter::Position() const { return FStreamPos + static_cast<int64_t>(FBufPos); }

void TWriter::WriteValue(TValueType value) {
  if (FBufPos == FBuffer.size()) FlushBuffer();
  FBuffer[FBufPos++] = value;
}

void TWriter::WriteSignature() { Write(kFilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags flags, int32_t childPos) {
  if (flags.Empty()) return;
  uint8_t prefix = static_cast<uint8_t>(0xF0 | flags.ToOrdinal());
  Write(&prefix, 1);
  if (flags.Contains(ffChildPos)) WriteInteger(childPos);
}

void TWriter::WriteListBegin() { WriteValue(vaList); }
void TWriter::WriteListEnd() { WriteValue(vaNull); }
void TWriter::WriteBoolean(bool value) { WriteValue(value ? vaTrue : vaFalse); }

void TWriter::WriteChar(char value) { WriteString(std::string(1, value)); }

void TWriter::WriteInteger(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValue(vaInt8);
    int8_t v = static_cast<int8_t>(value);
    Write(&v, 1);
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValue(vaInt16);
    int16_t v = static_cast<int16_t>(value);
    Write(&v, 2);
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValue(vaInt32);
    int32_t v = static_cast<int32_t>(value);
    Write(&v, 4);
  } else {
    WriteValue(vaInt64);
    Write(&value, 8);
  }
}

void TWriter::WriteFloat(long double value) {
  uint8_t bytes[10];
  LongDoubleToExtended(value, bytes);
  WriteValue(vaExtended);
  Write(bytes, 10);
}

void TWriter::WriteSingle(float value) {
  WriteValue(vaSingle);
  Write(&value, 4);
}

void TWriter::WriteCurrency(double value) {
  // Currency is a 64-bit count of ten-thousandths.
  long double scaled = static_cast<long double>(value) * 10000;
  if (!(scaled > -9.2233720368547758e18L && scaled < 9.2233720368547758e18L))
    throw EWriteError("Currency value out of range");
  int64_t raw = static_cast<int64_t>(scaled < 0 ? scaled - 0.5L : scaled + 0.5L);
  WriteValue(vaCurrency);
  Write(&raw, 8);
}

void TWriter::WriteDate(double value) {
  WriteValue(vaDate);
  Write(&value, 8);
}

void TWriter::WriteIdent(const std::string& ident) {
  if (SameIdent(ident, "False")) {
    WriteValue(vaFalse);
  } else if (SameIdent(ident, "True")) {
    WriteValue(vaTrue);
  } else if (SameIdent(ident, "nil")) {
    WriteValue(vaNil);
  } else if (SameIdent(ident, "Null")) {
    WriteValue(vaNull);
  } else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TWriter::WriteStr(const std::string& value) {
  if (value.size() > 255)
    throw EWriteError("Name too long for the stream (" + std::to_string(value.size()) + " bytes, at most 255)");
  uint8_t length = static_cast<uint8_t>(value.size());
  Write(&length, 1);
  Write(value.data(), static_cast<int64_t>(value.size()));
}

void TWriter::WriteLength32(size_t length) {
  if (length > INT32_MAX) throw EWriteError("Value too long for the stream");
  int32_t n = static_cast<int32_t>(length);
  Write(&n, 4);
}

void TWriter::WriteRawString(const std::string& value) {
  if (value.size() <= 255) {
    WriteValue(vaString);
    WriteStr(value);
  } else {
    WriteValue(vaLString);
    WriteLength32(value.size());
    Write(value.data(), static_cast<int64_t>(value.size()));
  }
}

void TWriter::WriteUtf16(const std::u16string& value) {
  WriteValue(vaWString);
  WriteLength32(value.size());
  Write(value.data(), static_cast<int64_t>(value.size() * 2));
}

void TWriter::WriteString(const std::string& value) {
  if (IsAsciiText(value) || !IsValidUtf8(value)) return WriteRawString(value);
  WriteUnicodeString(Utf8ToUtf16(value));
}

void TWriter::WriteUnicodeString(const std::u16string& value) {
  bool ascii = true;
  for (char16_t c : value) ascii = ascii && c < 0x80;
  std::string utf8 = Utf16ToUtf8(value);
  if (ascii) return WriteRawString(utf8);
  if (utf8.size() < value.size() * 2) return WriteUTF8String(utf8);
  WriteUtf16(value);
}

void TWriter::WriteWideString(const std::string& value) { WriteUtf16(Utf8ToUtf16(value)); }

void TWriter::WriteUTF8String(const std::string& value) {
  WriteValue(vaUTF8String);
  WriteLength32(value.size());
  Write(value.data(), static_cast<int64_t>(value.size()));
}

void TWriter::WriteBinary(const std::function<void(TStream&)>& writeData) {
  TMemoryStream data;
  if (writeData) writeData(data);
  WriteValue(vaBinary);
  WriteLength32(static_cast<size_t>(data.Size()));
  Write(data.Memory(), data.Size());
}

void TWriter::WriteSet(const std::vector<std::string>& elements) {
  WriteValue(vaSet);
  for (const std::string& e : elements) WriteStr(e);
  WriteStr("");
}

void TWriter::WritePropName(const std::string& name) { WriteStr(FPropPath + name); }

void TWriter::DefineProperty(const std::string& name, TReaderProc, TWriterProc writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  writeData(*this);
}

void TWriter::DefineBinaryProperty(const std::string& name, TStreamProc, TStreamProc writeData, bool hasData) {
  if (!hasData || !writeData) return;
  WritePropName(name);
  WriteBinary(writeData);
}
