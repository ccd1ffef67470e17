#include "platform/controls/extctrls/ButtonGlyph.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DrawFunctions.h"
#include "platform/graphics/QtGraphics.h"

namespace {
void CanvasDrawImage(TCanvas* canvas, TPoint pos, const QImage& image) {
  CanvasPainter(canvas)->drawImage(QPoint(pos.X, pos.Y), image);
}
}  // namespace

TButtonGlyph::TButtonGlyph() : FGlyph(new TBitmap) {
  FGlyph->OnChange = [this](TObject*) { Changed(); };
}

void TButtonGlyph::Changed() {
  if (OnChange) OnChange(nullptr);
}

TButtonGlyph::~TButtonGlyph() { delete FGlyph; }

void TButtonGlyph::SetGlyph(TBitmap* value) {
  FGlyph->Assign(value);
  if (value && value->Height() > 0 && value->Width() % value->Height() == 0) {
    int32_t count = value->Width() / value->Height();
    SetNumGlyphs(count > 4 ? 1 : count);
  }
}

void TButtonGlyph::SetNumGlyphs(TNumGlyphs value) {
  if (value < 1 || value > 4) value = 1;
  if (value == FNumGlyphs) return;
  FNumGlyphs = value;
  Changed();
}

void TButtonGlyph::SetLayout(TButtonLayout value) {
  if (FLayout == value) return;
  FLayout = value;
  Changed();
}

void TButtonGlyph::SetMargin(int32_t value) {
  if (FMargin == value || value < -1) return;
  FMargin = value;
  Changed();
}

void TButtonGlyph::SetSpacing(int32_t value) {
  if (FSpacing == value) return;
  FSpacing = value;
  Changed();
}

TSize TButtonGlyph::ImageSize() const {
  if (FGlyph->Empty()) return {0, 0};
  return {FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::CalcLayout(TCanvas* canvas, const TRect& client, const std::string& caption,
                              TPoint& glyphPos, TRect& textBounds) const {
  TButtonLayout layout = FLayout;
  int32_t margin = FMargin, spacing = FSpacing;
  TSize glyph = ImageSize();
  TSize text{0, 0};
  if (!caption.empty()) {
    RECT r = Rect(0, 0, client.Width(), 0);
    DrawText(canvas->Handle(), caption.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    text = {r.Right - r.Left, r.Bottom - r.Top};
  }
  TSize size{client.Width(), client.Height()};
  bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  // Across the layout's direction, both are centred.
  if (horizontal) {
    glyphPos.Y = (size.cy - glyph.cy + 1) / 2;
    textBounds.Top = (size.cy - text.cy + 1) / 2;
  } else {
    glyphPos.X = (size.cx - glyph.cx + 1) / 2;
    textBounds.Left = (size.cx - text.cx + 1) / 2;
  }
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  int32_t along = horizontal ? size.cx : size.cy;
  int32_t glyphAlong = horizontal ? glyph.cx : glyph.cy;
  int32_t textAlong = horizontal ? text.cx : text.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (along - (glyphAlong + textAlong)) / 3;
      spacing = margin;
    } else {
      margin = (along - (glyphAlong + spacing + textAlong) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (along - (margin + glyphAlong) - textAlong) / 2;
  }
  switch (layout) {
    case blGlyphLeft:
      glyphPos.X = margin;
      textBounds.Left = glyphPos.X + glyph.cx + spacing;
      break;
    case blGlyphRight:
      glyphPos.X = size.cx - margin - glyph.cx;
      textBounds.Left = glyphPos.X - spacing - text.cx;
      break;
    case blGlyphTop:
      glyphPos.Y = margin;
      textBounds.Top = glyphPos.Y + glyph.cy + spacing;
      break;
    case blGlyphBottom:
      glyphPos.Y = size.cy - margin - glyph.cy;
      textBounds.Top = glyphPos.Y - spacing - text.cy;
      break;
  }
  glyphPos.X += client.Left;
  glyphPos.Y += client.Top;
  textBounds.Left += client.Left;
  textBounds.Top += client.Top;
  textBounds.Right = textBounds.Left + text.cx;
  textBounds.Bottom = textBounds.Top + text.cy;
}

TRect TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, TPoint offset,
                         const std::string& caption, TButtonState state) const {
  TPoint glyphPos;
  TRect textBounds;
  CalcLayout(canvas, client, caption, glyphPos, textBounds);
  glyphPos.X += offset.X;
  glyphPos.Y += offset.Y;
  OffsetRect(textBounds, offset.X, offset.Y);
  DrawImage(canvas, glyphPos, state);
  DrawCaption(canvas, textBounds, caption, state);
  return textBounds;
}

void TButtonGlyph::DrawImage(TCanvas* canvas, TPoint pos, TButtonState state) const {
  TSize size = ImageSize();
  if (size.cx == 0 || size.cy == 0) return;
  int index = static_cast<int>(state);
  bool greyed = false;
  if (index >= FNumGlyphs) {
    greyed = state == bsDisabled;
    index = 0;
  }
  const QImage& all = FGlyph->Image();
  QRgb key = all.pixel(0, all.height() - 1) | 0xFF000000u;
  QImage image = all.copy(index * size.cx, 0, size.cx, size.cy).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if ((line[x] | 0xFF000000u) == key) line[x] = 0;
  }
  if (!greyed) {
    CanvasDrawImage(canvas, pos, image);
    return;
  }
  // The disabled look of a single image: its dark pixels embossed, a light
  // copy one pixel down and right under a shadow copy.
  auto emboss = [&image](TColor color) {
    QImage out(image.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QRgb rgb = ColorToQColor(color).rgb();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        QRgb p = image.pixel(x, y);
        if (qAlpha(p) != 0 && qGray(p) < 192) out.setPixel(x, y, rgb);
      }
    return out;
  };
  CanvasDrawImage(canvas, Point(pos.X + 1, pos.Y + 1), emboss(clBtnHighlight));
  CanvasDrawImage(canvas, pos, emboss(clBtnShadow));
}

void TButtonGlyph::DrawCaption(TCanvas* canvas, TRect bounds, const std::string& caption,
                               TButtonState state) const {
  if (caption.empty()) return;
  canvas->Brush()->SetStyle(bsClear);
  UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state == bsDisabled) {
    TColor color = canvas->Font()->Color();
    OffsetRect(bounds, 1, 1);
    canvas->Font()->SetColor(clBtnHighlight);
    RECT r = bounds;
    DrawText(canvas->Handle(), caption.c_str(), -1, &r, format);
    OffsetRect(bounds, -1, -1);
    canvas->Font()->SetColor(clBtnShadow);
    r = bounds;
    DrawText(canvas->Handle(), caption.c_str(), -1, &r, format);
    canvas->Font()->SetColor(color);
    return;
  }
  RECT r = bounds;
  DrawText(canvas->Handle(), caption.c_str(), -1, &r, format);
}
