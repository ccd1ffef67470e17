#include "platform/graphics/Colors.h"

#include <cstdint>
#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/rtti/IntConsts.h"

namespace {
const std::vector<TIdentMapEntry>& ColorMap() {
  static const std::vector<TIdentMapEntry> map = {
      {clBlack, "clBlack"},
      {clMaroon, "clMaroon"},
      {clGreen, "clGreen"},
      {clOlive, "clOlive"},
      {clNavy, "clNavy"},
      {clPurple, "clPurple"},
      {clTeal, "clTeal"},
      {clGray, "clGray"},
      {clSilver, "clSilver"},
      {clRed, "clRed"},
      {clLime, "clLime"},
      {clYellow, "clYellow"},
      {clBlue, "clBlue"},
      {clFuchsia, "clFuchsia"},
      {clAqua, "clAqua"},
      {clWhite, "clWhite"},
      {clMoneyGreen, "clMoneyGreen"},
      {clSkyBlue, "clSkyBlue"},
      {clCream, "clCream"},
      {clMedGray, "clMedGray"},
      {clActiveBorder, "clActiveBorder"},
      {clActiveCaption, "clActiveCaption"},
      {clAppWorkSpace, "clAppWorkSpace"},
      {clBackground, "clBackground"},
      {clBtnFace, "clBtnFace"},
      {clBtnHighlight, "clBtnHighlight"},
      {clBtnShadow, "clBtnShadow"},
      {clBtnText, "clBtnText"},
      {clCaptionText, "clCaptionText"},
      {clDefault, "clDefault"},
      {clGradientActiveCaption, "clGradientActiveCaption"},
      {clGradientInactiveCaption, "clGradientInactiveCaption"},
      {clGrayText, "clGrayText"},
      {clHighlight, "clHighlight"},
      {clHighlightText, "clHighlightText"},
      {clHotLight, "clHotLight"},
      {clInactiveBorder, "clInactiveBorder"},
      {clInactiveCaption, "clInactiveCaption"},
      {clInactiveCaptionText, "clInactiveCaptionText"},
      {clInfoBk, "clInfoBk"},
      {clInfoText, "clInfoText"},
      {clMenu, "clMenu"},
      {clMenuBar, "clMenuBar"},
      {clMenuHighlight, "clMenuHighlight"},
      {clMenuText, "clMenuText"},
      {clNone, "clNone"},
      {clScrollBar, "clScrollBar"},
      {cl3DDkShadow, "cl3DDkShadow"},
      {cl3DLight, "cl3DLight"},
      {clWindow, "clWindow"},
      {clWindowFrame, "clWindowFrame"},
      {clWindowText, "clWindowText"},
  };
  return map;
}
}  // namespace

int32_t ColorToRGB(TColor color) {
  if (color < 0) return static_cast<int32_t>(GetSysColor(color & 0xFF));
  return color;
}

bool ColorToIdent(int32_t color, std::string& ident) { return IntToIdent(color, ident, ColorMap()); }

bool IdentToColor(const std::string& ident, int32_t& color) {
  return IdentToInt(ident, color, ColorMap());
}

std::string ColorToString(TColor color) {
  std::string ident;
  if (ColorToIdent(color, ident)) return ident;
  return "$" + IntToHex(color, 8);
}

TColor StringToColor(const std::string& text) {
  int32_t color = 0;
  if (IdentToColor(text, color)) return color;
  // "$80000010" names a system colour: hex numbers use all 32 bits.
  int64_t number = 0;
  if (TryStrToInt64(text, number) && number >= INT32_MIN && number <= int64_t{UINT32_MAX})
    return static_cast<TColor>(static_cast<uint32_t>(number));
  throw EConvertError("'" + text + "' is not a valid colour");
}

void GetColorValues(const std::function<void(const std::string&)>& proc) {
  for (const TIdentMapEntry& e : ColorMap()) proc(e.Name);
}
