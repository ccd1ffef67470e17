#include "platform/classes/Filer.h"

#include "platform/core/Exceptions.h"

TFiler::TFiler(TStream& stream, int32_t bufSize) : FStream(stream) {
  if (bufSize <= 0) throw EFilerError("Filer buffer size must be positive");
  FBuffer.resize(static_cast<size_t>(bufSize));
}

void TFiler::SetRoot(TComponent* root) {
  FRoot = root;
  FLookupRoot = root;
}
