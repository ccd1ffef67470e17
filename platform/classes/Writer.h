#pragma once
// TWriter writes the binary component stream. The value level (this header's
// first half, Writer.cpp) writes single values in the classic encodings; the
// component level (WriterComponents.cpp) writes components through them.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"

class TWriter : public TFiler {
 public:
  TWriter(TStream& stream, int32_t bufSize);
  // Writes what is still buffered to the stream.
  ~TWriter() override;

  // --- value level ---
  void WriteValue(TValueType value);
  void WriteSignature();
  // Writes an object header prefix when flags is not empty.
  void WritePrefix(TFilerFlags flags, int32_t childPos);
  void WriteListBegin();
  void WriteListEnd();
  void WriteBoolean(bool value);
  void WriteChar(char value);
  // As vaInt8, vaInt16, vaInt32 or vaInt64, whichever is smallest.
  void WriteInteger(int64_t value);
  // As vaExtended (the 10-byte extended format).
  void WriteFloat(long double value);
  void WriteSingle(float value);
  void WriteCurrency(double value);
  void WriteDate(double value);
  // False, True, nil and Null become their own value types.
  void WriteIdent(const std::string& ident);
  // A short string (length byte, at most 255 bytes).
  void WriteStr(const std::string& value);
  // ASCII text and bytes that are not UTF-8 (8-bit strings read from older
  // streams) as vaString (up to 255 bytes) or vaLString; other UTF-8 text as
  // vaUTF8String when that is shorter than UTF-16, else as vaWString.
  void WriteString(const std::string& value);
  // As vaWString (UTF-16), from UTF-8.
  void WriteWideString(const std::string& value);
  void WriteUTF8String(const std::string& value);
  // As vaString or vaLString whatever the bytes are, as the text form's
  // strings without codes beyond ASCII are written.
  void WriteRawString(const std::string& value);
  // The choice WriteString makes for a string given as UTF-16 code units
  // (from the text form's #nnn codes).
  void WriteUnicodeString(const std::u16string& value);
  // As vaBinary: writeData fills a memory stream whose size and bytes follow.
  void WriteBinary(const std::function<void(TStream&)>& writeData);
  void WriteSet(const std::vector<std::string>& elements);
  void Write(const void* buffer, int64_t count);
  int64_t Position() const;
  void FlushBuffer() override;

  // Write `PropPath() + name` and then the value when hasData.
  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                            bool hasData) override;

  const std::string& PropPath() const { return FPropPath; }
  void SetPropPath(const std::string& path) { FPropPath = path; }
  // Writes PropPath() + name as a short string.
  void WritePropName(const std::string& name);

  // --- component level (WriterComponents.cpp) ---
  void WriteComponent(TComponent* component);
  void WriteRootComponent(TComponent* root);
  void WriteDescendent(TComponent* root, TComponent* ancestor);
  void WriteCollection(TCollection* collection);
  void WriteProperties(TPersistent* instance);
  void WriteProperty(TPersistent* instance, const TPropInfo* propInfo);
  void WriteData(TComponent* instance);

 private:
  void WriteLength32(size_t length);
  void WriteUtf16(const std::u16string& value);

  int64_t FStreamPos = 0;

  std::string FPropPath;

  // --- component-level state (owned by WriterComponents.cpp) ---
 public:
  // Asked for the name of a handler the root's method table does not know
  // (a handler given as a lambda, say); an empty answer leaves the event out.
  std::function<void(TWriter&, const struct TMethod& method, std::string& name)> OnFindMethodName;

 private:
  // How the root writes a component that refers to another one.
  std::string ComponentReference(TComponent* component) const;
  void WriteObjectProp(TPersistent* instance, const TPropInfo* propInfo, TPersistent* ancestor);
  // The ancestor's counterpart of a child about to be written, or nullptr.
  TComponent* FindChildAncestor(TComponent* child) const;

  TComponent* FRootAncestor = nullptr;
};
