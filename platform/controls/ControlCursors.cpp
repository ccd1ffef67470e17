// The identifiers of the standard cursors, as TCursor properties stream and
// edit them ("crHandPoint").

#include <vector>

#include "platform/controls/Control.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/IntConsts.h"

namespace {

const std::vector<TIdentMapEntry>& CursorIdents() {
  static const std::vector<TIdentMapEntry> idents = {
      {crDefault, "crDefault"},     {crArrow, "crArrow"},         {crCross, "crCross"},
      {crIBeam, "crIBeam"},         {crSize, "crSize"},           {crSizeNESW, "crSizeNESW"},
      {crSizeNS, "crSizeNS"},       {crSizeNWSE, "crSizeNWSE"},   {crSizeWE, "crSizeWE"},
      {crUpArrow, "crUpArrow"},     {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
      {crNoDrop, "crNoDrop"},       {crHSplit, "crHSplit"},       {crVSplit, "crVSplit"},
      {crMultiDrag, "crMultiDrag"}, {crSQLWait, "crSQLWait"},     {crNo, "crNo"},
      {crAppStart, "crAppStart"},   {crHelp, "crHelp"},           {crHandPoint, "crHandPoint"},
      {crSizeAll, "crSizeAll"}};
  return idents;
}

}  // namespace

bool CursorToIdent(int32_t cursor, std::string& ident) { return IntToIdent(cursor, ident, CursorIdents()); }

bool IdentToCursor(const std::string& ident, int32_t& cursor) {
  return IdentToInt(ident, cursor, CursorIdents());
}

std::string CursorToString(TCursor cursor) {
  std::string ident;
  return CursorToIdent(cursor, ident) ? ident : IntToStr(cursor);
}

TCursor StringToCursor(const std::string& text) {
  int32_t value = 0;
  if (!IdentToCursor(text, value)) {
    value = StrToInt(text);  // raises EConvertError for anything else
    if (value < -32768 || value > 32767) throw EConvertError("'" + text + "' is not a valid cursor");
  }
  return static_cast<TCursor>(value);
}

void GetCursorValues(const std::function<void(const std::string&)>& proc) {
  for (const TIdentMapEntry& entry : CursorIdents()) proc(entry.Name);
}
