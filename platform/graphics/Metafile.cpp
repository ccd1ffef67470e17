#include "platform/graphics/Metafile.h"

#include "platform/core/Exceptions.h"

void TMetafile::LoadFromStream(TStream&) {
  throw EInvalidGraphic("Metafiles cannot be shown here: there is no metafile renderer");
}
