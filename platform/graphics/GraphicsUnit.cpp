#include "platform/graphics/GraphicsUnit.h"

#include "platform/graphics/Colors.h"
#include "platform/graphics/FontCharsets.h"
#include "platform/rtti/IntConsts.h"

namespace {
bool Initialized = false;
}  // namespace

void InitializeGraphics() {
  if (Initialized) return;
  Initialized = true;
  RegisterIntegerConsts(TypeInfoTColor(), IdentToColor, ColorToIdent);
  RegisterIntegerConsts(TypeInfoTFontCharset(), IdentToCharset, CharsetToIdent);
}

void FinalizeGraphics() {
  if (!Initialized) return;
  Initialized = false;
  UnregisterIntegerConsts(TypeInfoTColor());
  UnregisterIntegerConsts(TypeInfoTFontCharset());
}
