// Edges, frame controls and focus rectangles in the system colours.

#include <QPainter>
#include <QPolygon>
#include <algorithm>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/DrawFunctions.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

namespace {
// One line of an edge all around: the top and left sides first, then the
// bottom and right sides, which take the shared corners.
void EdgeLine(QPainter& p, const TRect& r, UINT sides, const QColor& topLeft,
              const QColor& bottomRight) {
  int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  if (sides & BF_TOP) p.fillRect(r.Left, r.Top, w - 1, 1, topLeft);
  if (sides & BF_LEFT) p.fillRect(r.Left, r.Top, 1, h - 1, topLeft);
  if (sides & BF_BOTTOM) p.fillRect(r.Left, r.Bottom - 1, w, 1, bottomRight);
  if (sides & BF_RIGHT) p.fillRect(r.Right - 1, r.Top, 1, h, bottomRight);
}

void Shrink(TRect& r, UINT sides) {
  if (sides & BF_LEFT) ++r.Left;
  if (sides & BF_TOP) ++r.Top;
  if (sides & BF_RIGHT) --r.Right;
  if (sides & BF_BOTTOM) --r.Bottom;
}

// Sets the DC to plain copying while a function draws, as fills on the
// platform ignore the DC's raster mode.
class TCopyDrawing {
 public:
  explicit TCopyDrawing(HDC dc) : FDC(dc), FPainter(DCPainter(dc)) {
    if (!FPainter || !FPainter->isActive()) {
      FPainter = nullptr;
      return;
    }
    FOld = SetROP2(dc, R2_COPYPEN);
    FPainter->save();
  }
  ~TCopyDrawing() {
    if (!FPainter) return;
    FPainter->restore();
    SetROP2(FDC, FOld);
  }
  TCopyDrawing(const TCopyDrawing&) = delete;
  TCopyDrawing& operator=(const TCopyDrawing&) = delete;
  QPainter* Painter() const { return FPainter; }

 private:
  HDC FDC;
  QPainter* FPainter;
  int FOld = R2_COPYPEN;
};

QColor Sys(TColor c) { return ColorToQColor(c); }

void DrawEdgeOn(QPainter& p, TRect& r, UINT edge, UINT flags) {
  UINT sides = flags & BF_RECT;
  QColor outerTL, outerBR, innerTL, innerBR;
  if (flags & BF_MONO) {
    outerTL = outerBR = Sys(clWindowFrame);
    innerTL = innerBR = Sys(clWindow);
  } else if (flags & BF_FLAT) {
    outerTL = outerBR = Sys(clBtnShadow);
    innerTL = innerBR = Sys(clBtnFace);
  } else {
    if (edge & BDR_RAISEDOUTER) {
      outerTL = Sys((flags & BF_SOFT) ? clBtnHighlight : cl3DLight);
      outerBR = Sys(cl3DDkShadow);
    } else if (edge & BDR_SUNKENOUTER) {
      outerTL = Sys(clBtnShadow);
      outerBR = Sys(clBtnHighlight);
    }
    if (edge & BDR_RAISEDINNER) {
      innerTL = Sys((flags & BF_SOFT) ? cl3DLight : clBtnHighlight);
      innerBR = Sys(clBtnShadow);
    } else if (edge & BDR_SUNKENINNER) {
      innerTL = Sys(cl3DDkShadow);
      innerBR = Sys(cl3DLight);
    }
  }
  if (edge & BDR_OUTER) {
    EdgeLine(p, r, sides, outerTL, outerBR);
    Shrink(r, sides);
  }
  if (edge & BDR_INNER) {
    EdgeLine(p, r, sides, innerTL, innerBR);
    Shrink(r, sides);
  }
  if ((flags & BF_MIDDLE) && r.Width() > 0 && r.Height() > 0)
    p.fillRect(r.Left, r.Top, r.Width(), r.Height(),
               Sys((flags & BF_MONO) ? clWindow : clBtnFace));
}

enum TArrow { arUp, arDown, arLeft, arRight };

void DrawArrow(QPainter& p, const TRect& r, TArrow dir, const QColor& color) {
  int size = std::max(2, std::min(r.Width(), r.Height()) / 4);  // half the base
  int cx = r.Left + r.Width() / 2, cy = r.Top + r.Height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.setRenderHint(QPainter::Antialiasing, false);
  // The arrow is drawn line by line so that it looks the same at every size.
  for (int i = 0; i < size; ++i) {
    int half = size - 1 - i;
    int along = i - size / 2;
    switch (dir) {
      case arDown: p.fillRect(cx - half, cy + along, 2 * half + 1, 1, color); break;
      case arUp: p.fillRect(cx - half, cy - along, 2 * half + 1, 1, color); break;
      case arRight: p.fillRect(cx + along, cy - half, 1, 2 * half + 1, color); break;
      case arLeft: p.fillRect(cx - along, cy - half, 1, 2 * half + 1, color); break;
    }
  }
}

void DrawButtonFace(QPainter& p, TRect& r, UINT state) {
  if (state & DFCS_FLAT) DrawEdgeOn(p, r, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
  else if (state & DFCS_PUSHED) DrawEdgeOn(p, r, EDGE_RAISED, BF_RECT | BF_FLAT | BF_MIDDLE | BF_ADJUST);
  else DrawEdgeOn(p, r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
}

void DrawScrollControl(QPainter& p, TRect r, UINT state) {
  DrawButtonFace(p, r, state);
  TArrow dir = arDown;
  switch (state & 0xFF) {
    case DFCS_SCROLLUP: dir = arUp; break;
    case DFCS_SCROLLLEFT: dir = arLeft; break;
    case DFCS_SCROLLRIGHT: dir = arRight; break;
    default: dir = arDown; break;
  }
  if (state & DFCS_PUSHED) OffsetRect(r, 1, 1);
  if (state & DFCS_INACTIVE) {
    TRect shadow = r;
    OffsetRect(shadow, 1, 1);
    DrawArrow(p, shadow, dir, Sys(clBtnHighlight));
    DrawArrow(p, r, dir, Sys(clBtnShadow));
  } else {
    DrawArrow(p, r, dir, Sys(clBtnText));
  }
}

void DrawButtonControl(QPainter& p, TRect r, UINT state) {
  if (state & DFCS_BUTTONPUSH) {
    DrawButtonFace(p, r, state);
    return;
  }
  // Check boxes and radio buttons: a square or a circle of the box size.
  int size = std::min(r.Width(), r.Height());
  TRect box = Bounds(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size, size);
  QColor face = Sys((state & (DFCS_INACTIVE | DFCS_PUSHED)) ? clBtnFace : clWindow);
  QColor mark = Sys((state & DFCS_INACTIVE) ? clGrayText : clWindowText);
  if (state & DFCS_BUTTONRADIO) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Sys(clBtnShadow));
    p.setBrush(face);
    p.drawEllipse(QRectF(box.Left + 0.5, box.Top + 0.5, size - 1, size - 1));
    if (state & DFCS_CHECKED) {
      p.setPen(Qt::NoPen);
      p.setBrush(mark);
      double inset = size * 0.3;
      p.drawEllipse(QRectF(box.Left + inset, box.Top + inset, size - 2 * inset, size - 2 * inset));
    }
    return;
  }
  DrawEdgeOn(p, box, EDGE_SUNKEN, (state & DFCS_FLAT ? BF_FLAT : 0) | BF_RECT | BF_ADJUST);
  p.fillRect(box.Left, box.Top, box.Width(), box.Height(), face);
  if (state & DFCS_CHECKED) {
    QPen pen(mark, std::max(1, size / 8));
    p.setPen(pen);
    int w = box.Width(), h = box.Height();
    p.drawPolyline(QPolygon({QPoint(box.Left + w / 5, box.Top + h / 2),
                             QPoint(box.Left + w * 2 / 5, box.Top + h * 3 / 4),
                             QPoint(box.Left + w * 4 / 5, box.Top + h / 4)}));
  }
}
}  // namespace

bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
  TCopyDrawing drawing(dc);
  if (!drawing.Painter() || !rect) return false;
  TRect r = *rect;
  DrawEdgeOn(*drawing.Painter(), r, edge, flags);
  if (flags & BF_ADJUST) *rect = r;
  return true;
}

bool DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state) {
  TCopyDrawing drawing(dc);
  if (!drawing.Painter() || !rect) return false;
  switch (type) {
    case DFC_SCROLL: DrawScrollControl(*drawing.Painter(), *rect, state); return true;
    case DFC_BUTTON: DrawButtonControl(*drawing.Painter(), *rect, state); return true;
    default: return false;
  }
}

bool DrawFocusRect(HDC dc, const RECT* rect) {
  QPainter* p = DCPainter(dc);
  if (!p || !p->isActive() || !rect || IsRectEmpty(*rect)) return false;
  QPolygon dots;
  const TRect& r = *rect;
  auto dot = [&](int x, int y) {
    if (((x - r.Left) + (y - r.Top)) % 2 == 0) dots << QPoint(x, y);
  };
  for (int x = r.Left; x < r.Right; ++x) dot(x, r.Top);
  if (r.Height() > 1)
    for (int x = r.Left; x < r.Right; ++x) dot(x, r.Bottom - 1);
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    dot(r.Left, y);
    if (r.Width() > 1) dot(r.Right - 1, y);
  }
  int old = SetROP2(dc, R2_NOT);
  p->save();
  p->setPen(QPen(Qt::black, 1));
  p->drawPoints(dots);
  p->restore();
  SetROP2(dc, old);
  return true;
}

void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
  QPainter* p = CanvasPainter(canvas);
  TCopyDrawing drawing(canvas->Handle());
  for (; width > 0; --width) {
    int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) break;
    QColor top = ColorToQColor(topColor), bottom = ColorToQColor(bottomColor);
    p->fillRect(rect.Left, rect.Top, w - 1, 1, top);
    p->fillRect(rect.Left, rect.Top + 1, 1, h - 2, top);
    p->fillRect(rect.Left, rect.Bottom - 1, w, 1, bottom);
    p->fillRect(rect.Right - 1, rect.Top, 1, h - 1, bottom);
    InflateRect(rect, -1, -1);
  }
}
