#pragma once
// TReader reads the binary component stream. The value level (this header's
// first half, Reader.cpp) reads single values; the component level
// (ReaderComponents.cpp) builds components from them.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/Filer.h"

class TReader : public TFiler {
 public:
  // Nesting deeper than this (lists in lists, objects in objects) is refused:
  // no real form comes near it, and it bounds the recursion a hostile stream
  // can cause.
  static constexpr int32_t kMaxNestingDepth = 1000;

  TReader(TStream& stream, int32_t bufSize);
  // Gives back to the stream what was buffered but not read (FlushBuffer).
  ~TReader() override;

  // --- value level ---
  TValueType ReadValue();
  // The next value type without consuming it.
  TValueType NextValue();
  // Reads a value type and raises EReadError unless it is `value`.
  void CheckValue(TValueType value);
  // Skips one value of any type, lists and collections included.
  void SkipValue();
  // True when the next value is vaNull (the end of a list); consumes nothing.
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  // Raises EReadError "Invalid stream format" unless the next four bytes are TPF0.
  void ReadSignature();
  // Reads an object header prefix when there is one (a byte 0xF0..0xFF);
  // otherwise leaves flags empty and childPos unchanged.
  void ReadPrefix(TFilerFlags& flags, int32_t& childPos);
  bool ReadBoolean();
  char ReadChar();
  // Any integer value type; raises EReadError when the value does not fit.
  int32_t ReadInteger();
  int64_t ReadInt64();
  // Any float or integer value type.
  long double ReadFloat();
  float ReadSingle();
  // Currency is stored as a 64-bit integer scaled by 10,000.
  double ReadCurrency();
  double ReadDate();
  // An identifier; vaFalse, vaTrue, vaNil and vaNull answer their names.
  std::string ReadIdent();
  // A short string: an object's class name or name, a property name.
  std::string ReadStr();
  // Any string value type as UTF-8; 8-bit strings keep their raw bytes.
  std::string ReadString();
  // Like ReadString; kept for callers that read wide-string properties.
  std::string ReadWideString();
  // A set as the names of its elements.
  std::vector<std::string> ReadSet();
  // Raw bytes; raises EReadError when the stream ends first.
  void Read(void* buffer, int64_t count);
  int64_t Position() const;
  void SetPosition(int64_t value);
  // Seeks the stream back to the first unread byte and empties the buffer.
  void FlushBuffer() override;

  // Calls readData when `name` is the property being read.
  void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData,
                      bool hasData) override;
  void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                            bool hasData) override;

  const std::string& PropName() const { return FPropName; }
  void SetPropName(const std::string& name) { FPropName = name; }
  bool PropertyHandled() const { return FPropertyHandled; }
  void SetPropertyHandled(bool handled) { FPropertyHandled = handled; }
  TComponent* Owner() const { return FOwner; }
  void SetOwner(TComponent* owner) { FOwner = owner; }
  TComponent* Parent() const { return FParent; }
  void SetParent(TComponent* parent) { FParent = parent; }

  // The bytes left in the stream after the read position. Lengths read from
  // the stream are checked against it before anything is allocated.
  int64_t Remaining() const;

  // Counts one level of nesting for as long as it lives; raises EReadError
  // beyond kMaxNestingDepth.
  class TNesting {
   public:
    explicit TNesting(TReader& reader);
    ~TNesting() { --FReader.FNestingDepth; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

   private:
    TReader& FReader;
  };

  std::function<void(TReader&, const std::string& message, bool& handled)> OnError;
  std::function<void(TReader&, const std::string& methodName, void*& address, bool& error)> OnFindMethod;
  std::function<void(TReader&, TComponent* component, std::string& name)> OnSetName;
  std::function<void(TReader&, std::string& name)> OnReferenceName;

  // --- component level (ReaderComponents.cpp) ---
  void BeginReferences();
  void FixupReferences();
  void EndReferences();
  // Reads one object; a null component is created from the class name
  // through the class registry.
  TComponent* ReadComponent(TComponent* component);
  void ReadComponents(TComponent* owner, TComponent* parent, std::function<void(TComponent*)> proc);
  TComponent* ReadRootComponent(TComponent* root);
  void ReadCollection(TCollection* collection);
  void ReadProperty(TPersistent* instance);
  void ReadData(TComponent* instance);

 private:
  // A fixed-size little-endian payload.
  template <typename T>
  T ReadRaw() {
    T v;
    Read(&v, sizeof v);
    return v;
  }
  // Reads a value's 8-, 16-, 32- or 64-bit integer payload.
  int64_t ReadIntegerPayload(TValueType type);
  // Reads a length-prefixed payload after checking the length against Remaining().
  std::string ReadBytes(int64_t length);
  int64_t ReadLength32();
  void SkipBytes(int64_t count);
  void FillBuffer();
  [[noreturn]] void InvalidValue(TValueType found) const;
  [[noreturn]] void UnexpectedEnd(int64_t wanted) const;

  // The stream's position after the buffered bytes, and its size when reading began.
  int64_t FStreamPos = 0;
  int64_t FStreamSize = 0;
  int32_t FNestingDepth = 0;
  std::string FPropName;
  bool FPropertyHandled = false;
  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;

  // --- component-level state (owned by ReaderComponents.cpp) ---
 public:
  // Asked for a class the registry does not know; may answer one.
  std::function<void(TReader&, const std::string& className, const struct TClassInfo*& componentClass)>
      OnFindComponentClass;

 private:
  // A component reference read by name, resolved when reading is complete.
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* PropInfo;
    std::string Name;
  };
  void ReadDataInner(TComponent* instance);
  // Reads one property value; consumed tells whether the stream is past the
  // value, so that an error can be reported to OnError and reading go on.
  void ReadPropValue(TPersistent* instance, const TPropInfo* propInfo, bool& consumed);
  void SkipComponent(bool skipHeader);
  // Offers message to OnError; true when the handler chose to go on.
  bool HandleError(const std::string& message);
  const struct TClassInfo* FindComponentClass(const std::string& className);
  void* FindMethod(TComponent* root, const std::string& methodName);
  void ResolveFixups();
  void ClearLoadingStates();

  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
  bool FReferencesActive = false;  // BeginReferences .. EndReferences
  bool FFixupsActive = false;      // a ReadData collects fixups
};
