#pragma once
// UTF-8 <-> UTF-16 conversion for the stream formats. Strings in the platform
// are UTF-8; the binary stream also carries UTF-16 strings (vaWString), whose
// code units the text form writes one by one as #nnn.

#include <string>

bool IsAsciiText(const std::string& s);
bool IsValidUtf8(const std::string& s);

// Decodes UTF-8 into UTF-16 code units. Lenient, so that every byte string
// survives: encoded surrogates (as written for unpaired #nnn codes) decode to
// their own unit, and bytes that are not UTF-8 decode as Latin-1.
std::u16string Utf8ToUtf16(const std::string& s);

// Encodes UTF-16 code units as UTF-8; an unpaired surrogate is encoded on its
// own so that Utf8ToUtf16 gives it back.
std::string Utf16ToUtf8(const std::u16string& s);

// Appends the UTF-8 encoding of one code point (at most 0x10FFFF).
void AppendUtf8(std::string& out, char32_t codePoint);
