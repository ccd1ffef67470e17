#pragma once
// Character sets of fonts (TFont.Charset), and their identifiers, which form
// files use instead of the numbers ("Font.Charset = DEFAULT_CHARSET").

#include <cstdint>
#include <string>

using TFontCharset = uint8_t;

constexpr TFontCharset ANSI_CHARSET = 0;
constexpr TFontCharset DEFAULT_CHARSET = 1;
constexpr TFontCharset SYMBOL_CHARSET = 2;
constexpr TFontCharset MAC_CHARSET = 77;
constexpr TFontCharset SHIFTJIS_CHARSET = 128;
constexpr TFontCharset HANGEUL_CHARSET = 129;
constexpr TFontCharset JOHAB_CHARSET = 130;
constexpr TFontCharset GB2312_CHARSET = 134;
constexpr TFontCharset CHINESEBIG5_CHARSET = 136;
constexpr TFontCharset GREEK_CHARSET = 161;
constexpr TFontCharset TURKISH_CHARSET = 162;
constexpr TFontCharset VIETNAMESE_CHARSET = 163;
constexpr TFontCharset HEBREW_CHARSET = 177;
constexpr TFontCharset ARABIC_CHARSET = 178;
constexpr TFontCharset BALTIC_CHARSET = 186;
constexpr TFontCharset RUSSIAN_CHARSET = 204;
constexpr TFontCharset THAI_CHARSET = 222;
constexpr TFontCharset EASTEUROPE_CHARSET = 238;
constexpr TFontCharset OEM_CHARSET = 255;

bool CharsetToIdent(int32_t charset, std::string& ident);
// Case-insensitive.
bool IdentToCharset(const std::string& ident, int32_t& charset);
