#pragma once
// TFont: the font of a canvas or a control. Name, Height and the rest are kept
// as the user set them and stream as sub-properties ("Font.Name = 'Tahoma'");
// only drawing maps them to an installed family (QtGraphics.h).
//
// Height < 0 is the character height in pixels, Height > 0 the cell height;
// Size is in points at PixelsPerInch: Size = -Height * 72 / PixelsPerInch.

#include <string>

#include "platform/core/TSet.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/FontCharsets.h"
#include "platform/graphics/GraphicsObject.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
MORVANE_ENUM_TYPEINFO(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut);
using TFontStyles = TSet<TFontStyle>;
MORVANE_SET_TYPEINFO(TFontStyles, TFontStyle);

enum TFontPitch { fpDefault, fpVariable, fpFixed };
MORVANE_ENUM_TYPEINFO(TFontPitch, fpDefault, fpVariable, fpFixed);

// The font every new TFont starts with.
constexpr const char* DefaultFontName = "MS Sans Serif";
constexpr int32_t DefaultFontHeight = -11;

class TFont : public TGraphicsObject {
  MORVANE_CLASS(TFont, TGraphicsObject)

 public:
  TFont();
  void Assign(TPersistent* source) override;

  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset value);
  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  int32_t Height() const { return FHeight; }
  void SetHeight(int32_t value);
  const std::string& Name() const { return FName; }
  void SetName(const std::string& value);
  TFontPitch Pitch() const { return FPitch; }
  void SetPitch(TFontPitch value);
  int32_t Size() const;
  void SetSize(int32_t value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles value);
  // The resolution Size converts at; changing it keeps Height.
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value > 0 ? value : 96; }

  static void Publish(TPublisher<TFont>& p);

 private:
  TFontCharset FCharset = DEFAULT_CHARSET;
  TColor FColor = clWindowText;
  int32_t FHeight = DefaultFontHeight;
  std::string FName = DefaultFontName;
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  int32_t FPixelsPerInch = 96;
};
