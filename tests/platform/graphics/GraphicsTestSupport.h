#pragma once
// Shared by the graphics tests: one QApplication for the test program, a
// component holding a font and a picture for streaming, and pixel helpers.

#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Picture.h"

// A component with the published properties a control would have.
class TGraphicsHolder : public TComponent {
  MORVANE_CLASS(TGraphicsHolder, TComponent)

 public:
  explicit TGraphicsHolder(TComponent* owner) : TComponent(owner) {}
  ~TGraphicsHolder() override {
    delete FFont;
    delete FPicture;
    delete FGlyph;
    delete FIcon;
  }
  TFont* Font() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TPicture* Picture() const { return FPicture; }
  void SetPicture(TPicture* value) { FPicture->Assign(value); }
  TBitmap* Glyph() const { return FGlyph; }
  void SetGlyph(TBitmap* value) { FGlyph->Assign(value); }
  TIcon* Icon() const { return FIcon; }
  void SetIcon(TIcon* value) { FIcon->Assign(value); }
  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }

  static void Publish(TPublisher<TGraphicsHolder>& p) {
    p.Property("Color", &TGraphicsHolder::Color, &TGraphicsHolder::SetColor)
        .Type(TypeInfoTColor())
        .Default(clWindow);
    p.Property("Font", &TGraphicsHolder::Font, &TGraphicsHolder::SetFont);
    p.Property("Picture", &TGraphicsHolder::Picture, &TGraphicsHolder::SetPicture);
    p.Property("Glyph", &TGraphicsHolder::Glyph, &TGraphicsHolder::SetGlyph);
    p.Property("Icon", &TGraphicsHolder::Icon, &TGraphicsHolder::SetIcon);
  }

 private:
  TFont* FFont = new TFont;
  TPicture* FPicture = new TPicture;
  TBitmap* FGlyph = new TBitmap;
  TIcon* FIcon = new TIcon;
  TColor FColor = clWindow;
};

// A bitmap of the given size filled with one colour.
void MakeBitmap(TBitmap& bitmap, int width, int height, TColor fill);
// The pixels of a bitmap as $00BBGGRR colours, row by row.
std::vector<TColor> PixelsOf(const TBitmap& bitmap);
// Bytes from the hexadecimal text of a form file's binary property.
std::vector<uint8_t> HexBytes(const std::string& hex);
// The hexadecimal text of the first "<property> = {" ... "}" block in a
// corpus file, blanks removed.
std::string CorpusBinaryProperty(const std::string& fileName, const std::string& property);
