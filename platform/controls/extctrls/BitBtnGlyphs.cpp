// The glyphs of the bitmap button kinds, drawn in code: 18 x 18 images on
// the transparent olive, the second image a grey copy for the disabled look.

#include <QImage>
#include <QPainter>

#include "platform/controls/extctrls/BitBtn.h"
#include "platform/graphics/Bitmap.h"

namespace {

constexpr int GlyphSize = 18;

void DrawKind(QPainter& p, TBitBtnKind kind) {
  p.setRenderHint(QPainter::Antialiasing, false);
  auto pen = [&p](QColor color, int width) {
    QPen q(color, width);
    q.setCapStyle(Qt::SquareCap);
    q.setJoinStyle(Qt::MiterJoin);
    p.setPen(q);
    p.setBrush(Qt::NoBrush);
  };
  const QColor green(0, 128, 0), red(192, 0, 0), blue(0, 0, 160), dark(64, 64, 64);
  switch (kind) {
    case bkOK:
    case bkYes:
      pen(green, 3);
      p.drawPolyline(QPolygon({QPoint(3, 9), QPoint(7, 13), QPoint(14, 4)}));
      break;
    case bkAll:
      pen(green, 2);
      p.drawPolyline(QPolygon({QPoint(1, 9), QPoint(4, 12), QPoint(9, 5)}));
      p.drawPolyline(QPolygon({QPoint(7, 11), QPoint(10, 14), QPoint(16, 6)}));
      break;
    case bkCancel:
      pen(red, 3);
      p.drawLine(4, 4, 13, 13);
      p.drawLine(13, 4, 4, 13);
      break;
    case bkNo:
      pen(red, 2);
      p.drawEllipse(3, 3, 11, 11);
      p.drawLine(5, 12, 12, 5);
      break;
    case bkAbort:
      p.setPen(Qt::NoPen);
      p.setBrush(red);
      p.drawEllipse(2, 2, 13, 13);
      pen(Qt::white, 2);
      p.drawLine(6, 6, 11, 11);
      p.drawLine(11, 6, 6, 11);
      break;
    case bkHelp: {
      QFont font;
      font.setPixelSize(15);
      font.setBold(true);
      p.setFont(font);
      p.setPen(blue);
      p.drawText(QRect(0, 0, GlyphSize, GlyphSize), Qt::AlignCenter, "?");
      break;
    }
    case bkClose:
      // A door standing open.
      pen(dark, 1);
      p.drawRect(4, 2, 9, 13);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(128, 64, 0));
      p.drawPolygon(QPolygon({QPoint(5, 3), QPoint(10, 5), QPoint(10, 16), QPoint(5, 14)}));
      break;
    case bkRetry: {
      pen(green, 2);
      p.drawArc(QRect(3, 3, 11, 11), 60 * 16, 300 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(green);
      p.drawPolygon(QPolygon({QPoint(9, 1), QPoint(14, 4), QPoint(9, 7)}));
      break;
    }
    case bkIgnore:
      pen(dark, 2);
      p.drawLine(3, 9, 14, 9);
      p.drawLine(10, 5, 14, 9);
      p.drawLine(10, 13, 14, 9);
      break;
    case bkCustom: break;
  }
}

}  // namespace

const char* BitBtnCaption(TBitBtnKind kind) {
  static const char* const captions[] = {"", "OK", "Cancel", "&Help", "&Yes", "&No",
                                         "&Close", "Abort", "&Retry", "&Ignore", "&All"};
  return captions[kind];
}

TModalResult BitBtnModalResult(TBitBtnKind kind) {
  static const TModalResult results[] = {mrNone, mrOk, mrCancel, mrNone, mrYes, mrNo,
                                         mrNone, mrAbort, mrRetry, mrIgnore, mrAll};
  return results[kind];
}

void LoadBitBtnGlyph(TBitBtnKind kind, TBitmap* glyph) {
  if (kind == bkCustom) return;  // a custom button keeps the glyph it has
  const QColor olive(128, 128, 0);
  QImage normal(GlyphSize, GlyphSize, QImage::Format_RGB32);
  normal.fill(olive);
  {
    QPainter p(&normal);
    DrawKind(p, kind);
  }
  QImage both(GlyphSize * 2, GlyphSize, QImage::Format_RGB32);
  both.fill(olive);
  for (int y = 0; y < GlyphSize; ++y)
    for (int x = 0; x < GlyphSize; ++x) {
      QRgb pixel = normal.pixel(x, y);
      both.setPixel(x, y, pixel);
      if (QColor(pixel) != olive) both.setPixel(GlyphSize + x, y, qRgb(128, 128, 128));
    }
  glyph->SetImage(both);
}
