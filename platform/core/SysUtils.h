#pragma once
// The platform's string, number and file-name helpers. Strings are UTF-8
// byte strings; case folding and blank trimming work on ASCII only, as the
// platform's non-"Ansi" routines do. Indexes taken by Pos and Copy are 1-based.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/core/TSet.h"

// One argument of Format: an integer, a float, a string, a character or a
// pointer. Built implicitly from the C++ value, so Format("%d %s", {n, s}) reads
// like the platform's open array of constants.
class TVarRec {
 public:
  enum TKind { vtInteger, vtExtended, vtString, vtChar, vtPointer, vtBoolean };

  TVarRec(int v) : FKind(vtInteger), FInt(v) {}
  TVarRec(long v) : FKind(vtInteger), FInt(v) {}
  TVarRec(long long v) : FKind(vtInteger), FInt(v) {}
  TVarRec(unsigned v) : FKind(vtInteger), FInt(v) {}
  TVarRec(unsigned long v) : FKind(vtInteger), FInt(static_cast<int64_t>(v)) {}
  TVarRec(unsigned long long v) : FKind(vtInteger), FInt(static_cast<int64_t>(v)) {}
  TVarRec(short v) : FKind(vtInteger), FInt(v) {}
  TVarRec(unsigned short v) : FKind(vtInteger), FInt(v) {}
  TVarRec(float v) : FKind(vtExtended), FFloat(v) {}
  TVarRec(double v) : FKind(vtExtended), FFloat(v) {}
  TVarRec(long double v) : FKind(vtExtended), FFloat(v) {}
  TVarRec(char v) : FKind(vtChar), FString(1, v) {}
  TVarRec(bool v) : FKind(vtBoolean), FInt(v) {}
  TVarRec(const char* v) : FKind(vtString), FString(v ? v : "") {}
  TVarRec(std::string v) : FKind(vtString), FString(std::move(v)) {}
  TVarRec(std::string_view v) : FKind(vtString), FString(v) {}
  TVarRec(const void* v) : FKind(vtPointer), FInt(static_cast<int64_t>(reinterpret_cast<uintptr_t>(v))) {}

  TKind Kind() const { return FKind; }
  int64_t AsInteger() const { return FInt; }
  long double AsFloat() const { return FFloat; }
  const std::string& AsString() const { return FString; }

 private:
  TKind FKind;
  int64_t FInt = 0;
  long double FFloat = 0;
  std::string FString;
};

// Formats like the platform's Format: "%" [index ":"] ["-"] [width] ["." prec]
// type, with type one of d u e f g n p s x (either case; hexadecimal digits are
// always upper case) and width/precision "*" taken from the arguments. Integers
// go only to d u x, floats only to e f g n, as the platform insists. Raises
// EConvertError on a malformed directive, a mismatched or a missing argument.
std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);

// Integers.
std::string IntToStr(int64_t value);
// Upper-case hexadecimal with at least `digits` digits; a negative 32-bit value
// shows its 8 two's-complement digits, a negative 64-bit value its 16.
std::string IntToHex(int32_t value, int digits);
std::string IntToHex(int64_t value, int digits);
// Decimal or hexadecimal ("$1F", "0x1F"), an optional sign, leading blanks
// allowed, nothing after the digits. Raise EConvertError "'s' is not a valid
// integer value" otherwise, also on overflow.
int32_t StrToInt(std::string_view s);
int64_t StrToInt64(std::string_view s);
int32_t StrToIntDef(std::string_view s, int32_t defaultValue);
int64_t StrToInt64Def(std::string_view s, int64_t defaultValue);
bool TryStrToInt(std::string_view s, int32_t& value);
bool TryStrToInt64(std::string_view s, int64_t& value);

// Floats. FloatToStr prints 15 significant digits in the general format: fixed
// notation unless the value needs more than 15 integer digits or is below
// 0.0001 ("1E20", "1E-5"). The decimal separator is '.'.
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber };
std::string FloatToStr(long double value);
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
// Blanks around the number are allowed. EConvertError "'s' is not a valid
// floating point value" otherwise.
long double StrToFloat(std::string_view s);
bool TryStrToFloat(std::string_view s, long double& value);
long double StrToFloatDef(std::string_view s, long double defaultValue);

// Blanks are all characters up to and including the space, control
// characters too.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Negative, zero or positive. CompareText folds ASCII letters to upper case
// first (so '_' sorts after letters); CompareStr compares the bytes.
int CompareText(std::string_view a, std::string_view b);
int CompareStr(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// The "natural" order used by sorted string lists: letters fold to lower case,
// so punctuation such as '_' sorts before letters.
int AnsiCompareText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

std::string QuotedStr(std::string_view s);
std::string AnsiQuotedStr(std::string_view s, char quote);
// Removes the quotes of a quoted string and undoubles the quotes inside; a
// string that does not start with the quote or is not closed comes back as is.
std::string AnsiDequotedStr(std::string_view s, char quote);
// Reads the quoted string starting at s[pos] (which must be the quote) and
// moves pos past its closing quote, or to the end when it is never closed.
std::string AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote, bool* closed = nullptr);

enum TReplaceFlag { rfReplaceAll, rfIgnoreCase };
using TReplaceFlags = TSet<TReplaceFlag>;
std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);

// 1-based position of sub in s, 0 when absent (or sub is empty).
int Pos(std::string_view sub, std::string_view s);
// Up to count bytes from the 1-based index; out-of-range parts are clipped.
std::string Copy(std::string_view s, int index, int count);
// A letter or '_' followed by letters, digits or '_' (ASCII); with allowDots,
// dot-separated identifiers.
bool IsValidIdent(std::string_view ident, bool allowDots = false);

// File names. The path delimiter is '/'.
constexpr char PathDelim = '/';
std::string ExtractFilePath(std::string_view fileName);  // up to and including the last '/'
std::string ExtractFileDir(std::string_view fileName);   // the same without the trailing '/'
std::string ExtractFileName(std::string_view fileName);
std::string ExtractFileExt(std::string_view fileName);   // ".ext" or ""
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view s);
std::string ExcludeTrailingPathDelimiter(std::string_view s);
// Absolute, with "." and ".." resolved by name (links are not followed).
std::string ExpandFileName(std::string_view fileName);
std::string GetCurrentDir();
bool FileExists(const std::string& fileName);
bool DirectoryExists(const std::string& directory);
bool DeleteFile(const std::string& fileName);
bool RenameFile(const std::string& oldName, const std::string& newName);
