#include "platform/graphics/FontCharsets.h"

#include <vector>

#include "platform/rtti/IntConsts.h"

namespace {
const std::vector<TIdentMapEntry>& CharsetMap() {
  static const std::vector<TIdentMapEntry> map = {
      {ANSI_CHARSET, "ANSI_CHARSET"},
      {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
      {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
      {MAC_CHARSET, "MAC_CHARSET"},
      {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
      {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
      {JOHAB_CHARSET, "JOHAB_CHARSET"},
      {GB2312_CHARSET, "GB2312_CHARSET"},
      {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
      {GREEK_CHARSET, "GREEK_CHARSET"},
      {TURKISH_CHARSET, "TURKISH_CHARSET"},
      {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
      {HEBREW_CHARSET, "HEBREW_CHARSET"},
      {ARABIC_CHARSET, "ARABIC_CHARSET"},
      {BALTIC_CHARSET, "BALTIC_CHARSET"},
      {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
      {THAI_CHARSET, "THAI_CHARSET"},
      {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
      {OEM_CHARSET, "OEM_CHARSET"},
  };
  return map;
}
}  // namespace

bool CharsetToIdent(int32_t charset, std::string& ident) {
  return IntToIdent(charset, ident, CharsetMap());
}

bool IdentToCharset(const std::string& ident, int32_t& charset) {
  return IdentToInt(ident, charset, CharsetMap());
}
