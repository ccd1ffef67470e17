#pragma once
// The filer: the common base of TReader and TWriter, which read and write the
// platform's binary component stream ("TPF0", value types, object prefixes).
// Both work through a buffer of their own over the stream so that a stream of
// many small values costs memory copies, not a virtual call per byte.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/Streams.h"
#include "platform/core/TSet.h"

class TPersistent;
class TComponent;
class TCollection;
struct TPropInfo;
class TReader;
class TWriter;

// The value types of the binary stream, numbered as the classic format numbers
// them: the numbers are the bytes in the stream.
enum TValueType : uint8_t {
  vaNull = 0,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String,
  vaDouble
};
constexpr int kLastValueType = vaDouble;

// Flags of an object header: the prefix byte is 0xF0 | flags.
enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, 8>;

// The four bytes every component stream starts with.
constexpr char kFilerSignature[4] = {'T', 'P', 'F', '0'};

class TFiler {
 public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  TFiler(TStream& stream, int32_t bufSize);
  virtual ~TFiler() = default;
  TFiler(const TFiler&) = delete;
  TFiler& operator=(const TFiler&) = delete;

  TStream& Stream() { return FStream; }

  TComponent* Root() const { return FRoot; }
  // Setting the root also sets the lookup root, the component against which
  // names in the stream are resolved.
  virtual void SetRoot(TComponent* root);
  TComponent* LookupRoot() const { return FLookupRoot; }
  TPersistent* Ancestor() const { return FAncestor; }
  void SetAncestor(TPersistent* ancestor) { FAncestor = ancestor; }
  bool IgnoreChildren() const { return FIgnoreChildren; }
  void SetIgnoreChildren(bool ignore) { FIgnoreChildren = ignore; }

  virtual void DefineProperty(const std::string& name, TReaderProc readData, TWriterProc writeData,
                              bool hasData) = 0;
  virtual void DefineBinaryProperty(const std::string& name, TStreamProc readData, TStreamProc writeData,
                                    bool hasData) = 0;
  virtual void FlushBuffer() = 0;

 protected:
  TStream& FStream;
  std::vector<uint8_t> FBuffer;
  // Reading: bytes [FBufPos, FBufEnd) of FBuffer are not consumed yet.
  // Writing: bytes [0, FBufPos) of FBuffer are not written to the stream yet.
  size_t FBufPos = 0;
  size_t FBufEnd = 0;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TPersistent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};
