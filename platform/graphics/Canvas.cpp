#include "platform/graphics/Canvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <cmath>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/DrawFunctions.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

namespace {
// The DC's raster mode for a pen mode. The DCs know inverting and XOR; the
// constant modes become the constant colour drawn plainly.
int RasterModeOf(TPenMode mode) {
  switch (mode) {
    case pmNot: return R2_NOT;
    case pmXor: return R2_XORPEN;
    case pmNotXor: return R2_NOTXORPEN;
    default: return R2_COPYPEN;
  }
}

QColor PenColorFor(const TPen& pen) {
  switch (pen.Mode()) {
    case pmBlack: return Qt::black;
    case pmWhite: return Qt::white;
    case pmNotCopy: {
      QColor c = ColorToQColor(pen.Color());
      return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
    }
    default: return ColorToQColor(pen.Color());
  }
}

QPen QtPen(const TPen& pen) {
  if (pen.Style() == psClear || pen.Mode() == pmNop) return Qt::NoPen;
  QPen q(PenColorFor(pen));
  q.setWidth(std::max(1, pen.Width()));
  q.setCosmetic(pen.Width() <= 1);
  q.setCapStyle(Qt::FlatCap);
  q.setJoinStyle(Qt::MiterJoin);
  switch (pen.Style()) {
    case psDash: q.setDashPattern({18, 6}); break;
    case psDot: q.setDashPattern({3, 3}); break;
    case psDashDot: q.setDashPattern({9, 6, 3, 6}); break;
    case psDashDotDot: q.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
  }
  return q;
}

QBrush QtBrush(const TBrush& brush) {
  if (brush.Style() == bsClear) return Qt::NoBrush;
  if (brush.Bitmap() && !brush.Bitmap()->Empty()) return QBrush(brush.Bitmap()->Image());
  QColor c = ColorToQColor(brush.Color());
  switch (brush.Style()) {
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern);
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern);
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    default: return QBrush(c);
  }
}

QRect OutlineRect(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
               QPoint(std::max(x1, x2) - 1, std::max(y1, y2) - 1));
}

QPainter::CompositionMode CompositionOfCopyMode(TCopyMode mode) {
  switch (mode) {
    case cmSrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case cmSrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case cmSrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case cmNotSrcCopy: return QPainter::RasterOp_NotSource;
    case cmSrcErase: return QPainter::RasterOp_SourceAndNotDestination;
    case cmNotSrcErase: return QPainter::RasterOp_NotSourceAndNotDestination;
    case cmMergePaint: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_Source;
  }
}
}  // namespace

// The painter set up for one drawing operation: the canvas's pen, brush and
// raster mode, handed back to the DC's own state afterwards.
class TCanvasDrawing {
 public:
  TCanvasDrawing(TCanvas& canvas, bool usePenMode) : FCanvas(canvas) {
    FPainter = canvas.RequirePainter();
    canvas.Changing();
    FPainter->save();
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setPen(QtPen(*canvas.FPen));
    FPainter->setBrush(QtBrush(*canvas.FBrush));
    FOldRop = SetROP2(canvas.FHandle, usePenMode ? RasterModeOf(canvas.FPen->Mode()) : R2_COPYPEN);
  }
  ~TCanvasDrawing() {
    SetROP2(FCanvas.FHandle, FOldRop);
    FPainter->restore();
    FCanvas.Changed();
  }
  TCanvasDrawing(const TCanvasDrawing&) = delete;
  TCanvasDrawing& operator=(const TCanvasDrawing&) = delete;
  QPainter& Painter() { return *FPainter; }

 private:
  TCanvas& FCanvas;
  QPainter* FPainter;
  int FOldRop;
};

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush) {}

TCanvas::~TCanvas() {
  delete FFont;
  delete FPen;
  delete FBrush;
}

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  // Whoever draws on the DC directly (DrawText ...) finds the canvas's font,
  // its colour as the text colour, and the brush selected, as on the platform.
  if (QPainter* p = FHandle ? DCPainter(FHandle) : nullptr; p && p->isActive()) {
    p->setFont(FontToQFont(*FFont));
    p->setPen(ColorToQColor(FFont->Color()));
    p->setBrush(QtBrush(*FBrush));
  }
  return FHandle;
}

void TCanvas::SetHandle(HDC value) {
  if (value == FHandle) return;
  Changing();
  FHandle = value;
  Changed();
}

QPainter* TCanvas::RequirePainter() {
  if (!FHandle) CreateHandle();
  QPainter* painter = FHandle ? DCPainter(FHandle) : nullptr;
  if (!painter || !painter->isActive())
    throw EInvalidOperation("Canvas does not allow drawing");
  return painter;
}

QPainter* CanvasPainter(TCanvas* canvas) { return canvas->RequirePainter(); }

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

bool TCanvas::TryLock() {
  if (FLockCount > 0) return false;
  Lock();
  return true;
}

TRect TCanvas::ClipRect() {
  QPainter* p = RequirePainter();
  QRect r = p->hasClipping()
                ? p->clipBoundingRect().toAlignedRect()
                : p->transform().inverted().mapRect(QRect(0, 0, p->device()->width(),
                                                          p->device()->height()));
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void TCanvas::MoveTo(int32_t x, int32_t y) { FPenPos = {x, y}; }

void TCanvas::LineTo(int32_t x, int32_t y) {
  {
    TCanvasDrawing d(*this, true);
    QPoint from(FPenPos.X, FPenPos.Y);
    QPoint to(x, y);
    // A flat cap leaves the end point out, as the platform's lines do.
    if (from != to) d.Painter().drawLine(from, to);
  }
  FPenPos = {x, y};
}

void TCanvas::Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  TCanvasDrawing d(*this, true);
  QPainter& p = d.Painter();
  QRect outline = OutlineRect(x1, y1, x2, y2);
  if (outline.width() <= 0 || outline.height() <= 0) return;
  // Inside and outline apart, so that no pixel is combined twice in XOR mode.
  QPen pen = p.pen();
  if (pen.style() == Qt::NoPen) {
    p.fillRect(outline.adjusted(0, 0, -1, -1), p.brush());
    return;
  }
  p.fillRect(outline.adjusted(1, 1, -1, -1), p.brush());
  p.setBrush(Qt::NoBrush);
  int w = pen.width();
  if (w <= 1) {
    p.drawRect(outline.adjusted(0, 0, -1, -1));
  } else {
    p.drawRect(QRectF(outline).adjusted(w / 2.0 - 0.5, w / 2.0 - 0.5, 0.5 - w / 2.0, 0.5 - w / 2.0));
  }
}

void TCanvas::FillRect(const TRect& r) {
  TCanvasDrawing d(*this, false);
  QRect q(r.Left, r.Top, r.Width(), r.Height());
  if (q.isValid()) d.Painter().fillRect(q, QtBrush(*FBrush));
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.Width() <= 0 || r.Height() <= 0) return;
  TCanvasDrawing d(*this, false);
  QPainter& p = d.Painter();
  QBrush b = QtBrush(*FBrush);
  p.fillRect(QRect(r.Left, r.Top, r.Width(), 1), b);
  if (r.Height() > 1) p.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), b);
  if (r.Height() > 2) {
    p.fillRect(QRect(r.Left, r.Top + 1, 1, r.Height() - 2), b);
    if (r.Width() > 1) p.fillRect(QRect(r.Right - 1, r.Top + 1, 1, r.Height() - 2), b);
  }
}

void TCanvas::Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  TCanvasDrawing d(*this, true);
  QRect outline = OutlineRect(x1, y1, x2, y2);
  d.Painter().drawEllipse(outline.adjusted(0, 0, -1, -1));
}

void TCanvas::RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3) {
  TCanvasDrawing d(*this, true);
  QRect outline = OutlineRect(x1, y1, x2, y2);
  d.Painter().drawRoundedRect(outline.adjusted(0, 0, -1, -1), x3 / 2.0, y3 / 2.0);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  TCanvasDrawing d(*this, true);
  QPolygon poly;
  for (const TPoint& pt : points) poly << QPoint(pt.X, pt.Y);
  d.Painter().drawPolygon(poly);
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  TCanvasDrawing d(*this, true);
  QPolygon poly;
  for (const TPoint& pt : points) poly << QPoint(pt.X, pt.Y);
  d.Painter().drawPolyline(poly);
}

void TCanvas::Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3,
                  int32_t x4, int32_t y4) {
  TCanvasDrawing d(*this, true);
  QRect outline = OutlineRect(x1, y1, x2, y2).adjusted(0, 0, -1, -1);
  QPointF c = QRectF(outline).center();
  auto angle = [c](int x, int y) { return std::atan2(c.y() - y, x - c.x()) * 180.0 / M_PI; };
  double start = angle(x3, y3);
  double span = angle(x4, y4) - start;
  if (span <= 0) span += 360;
  d.Painter().drawArc(outline, static_cast<int>(std::lround(start * 16)),
                      static_cast<int>(std::lround(span * 16)));
}

void TCanvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  {
    TCanvasDrawing d(*this, false);
    QPainter& p = d.Painter();
    QFont font = FontToQFont(*FFont);
    QFontMetrics metrics(font);
    QString s = QString::fromStdString(text);
    QRect area(x, y, metrics.horizontalAdvance(s), metrics.height());
    if (FBrush->Style() != bsClear) p.fillRect(area, ColorToQColor(FBrush->Color()));
    p.setFont(font);
    p.setPen(ColorToQColor(FFont->Color()));
    p.drawText(QPoint(x, y + metrics.ascent()), s);
    FPenPos = {x + area.width(), y};
  }
}

void TCanvas::TextRect(const TRect& r, int32_t x, int32_t y, const std::string& text) {
  TCanvasDrawing d(*this, false);
  QPainter& p = d.Painter();
  QRect area(r.Left, r.Top, r.Width(), r.Height());
  if (FBrush->Style() != bsClear) p.fillRect(area, ColorToQColor(FBrush->Color()));
  p.setClipRect(area, Qt::IntersectClip);
  QFont font = FontToQFont(*FFont);
  p.setFont(font);
  p.setPen(ColorToQColor(FFont->Color()));
  p.drawText(QPoint(x, y + QFontMetrics(font).ascent()), QString::fromStdString(text));
}

TSize TCanvas::TextExtent(const std::string& text) {
  QFontMetrics metrics(FontToQFont(*FFont));
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void TCanvas::Draw(int32_t x, int32_t y, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  TCanvasDrawing d(*this, false);
  graphic->Draw(this, r);
}

void TCanvas::BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color) {
  if (!bitmap || bitmap->Empty()) return;
  QImage part = bitmap->Image()
                    .copy(source.Left, source.Top, source.Width(), source.Height())
                    .convertToFormat(QImage::Format_RGB32);
  QRgb from = ColorToQColor(color).rgb();
  QRgb to = ColorToQColor(FBrush->Color()).rgb();
  for (int yy = 0; yy < part.height(); ++yy) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(yy));
    for (int xx = 0; xx < part.width(); ++xx)
      if (line[xx] == from) line[xx] = to;
  }
  TCanvasDrawing d(*this, false);
  d.Painter().drawImage(QRect(dest.Left, dest.Top, dest.Width(), dest.Height()), part);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source) {
  if (!canvas) return;
  auto* image = dynamic_cast<QImage*>(canvas->RequirePainter()->device());
  if (!image) return;  // a window's DC has no pixels to read back
  QImage part = image->copy(source.Left, source.Top, source.Width(), source.Height());
  TCanvasDrawing d(*this, false);
  QPainter& p = d.Painter();
  QRect target(dest.Left, dest.Top, dest.Width(), dest.Height());
  switch (FCopyMode) {
    case cmBlackness: p.fillRect(target, Qt::black); return;
    case cmWhiteness: p.fillRect(target, Qt::white); return;
    case cmDstInvert:
      SetROP2(FHandle, R2_NOT);
      p.fillRect(target, Qt::black);
      return;
    default:
      p.setCompositionMode(CompositionOfCopyMode(FCopyMode));
      p.drawImage(target, part);
  }
}

void TCanvas::DrawFocusRect(const TRect& r) {
  RequirePainter();
  Changing();
  ::DrawFocusRect(FHandle, &r);
  Changed();
}

TColor TCanvas::Pixels(int32_t x, int32_t y) {
  QPainter* p = RequirePainter();
  auto* image = dynamic_cast<QImage*>(p->device());
  if (!image) return -1;
  QPoint at = p->transform().map(QPoint(x, y));
  if (!image->valid(at)) return -1;
  return QColorToColor(image->pixelColor(at));
}

void TCanvas::SetPixels(int32_t x, int32_t y, TColor color) {
  TCanvasDrawing d(*this, false);
  d.Painter().fillRect(QRect(x, y, 1, 1), ColorToQColor(color));
}
