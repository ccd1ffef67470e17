// Paint events as WM_PAINT, device contexts and invalidation.

#include "platform/windows/Painting.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <algorithm>

#include "platform/windows/DeviceContext.h"
#include "platform/windows/HandleTable.h"
#include "platform/windows/Handles.h"
#include "platform/windows/MessageQueue.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/WindowRecord.h"
#include "platform/windows/WindowsInternal.h"
#include "platform/windows/XorLayer.h"

namespace {

THandleTable<HDC, TDCRecord>& DCs() {
  static THandleTable<HDC, TDCRecord> table;
  return table;
}

std::vector<HWND> PaintPending;
HWND LockedWindow = nullptr;

RECT ToRect(const QRect& r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
QRect ToQRect(const RECT& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

HDC AddDC(TDCRecord::TKind kind, HWND hwnd) {
  auto record = std::make_unique<TDCRecord>();
  record->Kind = kind;
  record->Window = hwnd;
  return DCs().Add(std::move(record));
}

// A DC that draws nowhere, for BeginPaint outside painting.
HDC NowhereDC(HWND hwnd) {
  HDC dc = AddDC(TDCRecord::dcNowhere, hwnd);
  TDCRecord* r = FindDC(dc);
  r->Drawn = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
  r->Painter.begin(&r->Drawn);
  return dc;
}

QRegion EffectiveClip(const TDCRecord& dc) {
  return dc.UserClip ? *dc.UserClip & dc.BaseClip : dc.BaseClip;
}

int RegionKind(const QRegion& r) {
  if (r.isEmpty()) return NULLREGION;
  return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF ToColorRef(const QColor& c) {
  return RGB(static_cast<BYTE>(c.red()), static_cast<BYTE>(c.green()), static_cast<BYTE>(c.blue()));
}

// Raster modes on DCs that draw straight onto pixels; a layer DC combines by
// its mode when it hands its drawing over, and paints plainly meanwhile.
QPainter::CompositionMode CompositionFor(const TDCRecord& dc) {
  if (dc.Kind == TDCRecord::dcLayer) return QPainter::CompositionMode_SourceOver;
  switch (dc.Rop) {
    case R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case R2_NOT: return QPainter::RasterOp_NotDestination;
    case R2_NOTXORPEN: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
  }
}

// keepDrawing: the DC goes on drawing afterwards, so its image is cleared.
void HandOverLayerDrawing(TDCRecord& dc, bool keepDrawing) {
  if (dc.Kind != TDCRecord::dcLayer) return;
  QWidget* w = WidgetOf(dc.Window);
  const QRect drawn =
      w ? CombineIntoXorLayer(w->window(), dc.Drawn, w->mapTo(w->window(), QPoint(0, 0)), dc.Rop)
        : dc.Drawn.rect();
  if (!keepDrawing || drawn.isEmpty()) return;
  // Start the next drawing on a clear image, with the painter's state kept.
  QPainter::CompositionMode mode = dc.Painter.compositionMode();
  dc.Painter.setCompositionMode(QPainter::CompositionMode_Clear);
  dc.Painter.save();
  dc.Painter.resetTransform();
  dc.Painter.setClipping(false);
  dc.Painter.fillRect(drawn, Qt::transparent);
  dc.Painter.restore();
  dc.Painter.setCompositionMode(mode);
}

// A client DC starts below the window's menu bar and stays off it; a window
// DC covers the whole widget, bar included.
HDC LayerDC(HWND hwnd, bool client) {
  QWidget* w = WidgetOf(hwnd);
  if (!w) return nullptr;
  HDC dc = AddDC(TDCRecord::dcLayer, hwnd);
  TDCRecord* r = FindDC(dc);
  r->Drawn = QImage(w->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
  r->Drawn.fill(Qt::transparent);
  r->ClientOffset = client ? ClientOffset(w) : QPoint();
  r->BaseClip = QRegion(client ? ClientArea(w) : w->rect());
  r->Painter.begin(&r->Drawn);
  ApplyDCState(*r);
  return dc;
}

// The painter's state, kept while a native widget paints with its own.
struct TPainterState {
  explicit TPainterState(const QPainter& p)
      : Pen(p.pen()), Brush(p.brush()), Font(p.font()), Background(p.background()),
        BackgroundMode(p.backgroundMode()), Hints(p.renderHints()) {}
  void Restore(QPainter& p) const {
    p.setPen(Pen);
    p.setBrush(Brush);
    p.setFont(Font);
    p.setBackground(Background);
    p.setBackgroundMode(BackgroundMode);
    p.setRenderHints(Hints);
  }
  QPen Pen;
  QBrush Brush;
  QFont Font;
  QBrush Background;
  Qt::BGMode BackgroundMode;
  QPainter::RenderHints Hints;
};

}  // namespace

TDCRecord* FindDC(HDC dc) { return DCs().Find(dc); }

void ApplyDCState(TDCRecord& dc) {
  if (!dc.Painter.isActive()) return;
  dc.Painter.resetTransform();
  dc.Painter.setClipRegion(EffectiveClip(dc));
  QPoint origin = DeviceOrigin(dc);
  dc.Painter.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
  dc.Painter.setCompositionMode(CompositionFor(dc));
}

QPainter* DCPainter(HDC dc) {
  TDCRecord* r = FindDC(dc);
  return r ? &r->Painter : nullptr;
}

HDC CreateImageDC(QImage* image) {
  if (!image || image->isNull()) return nullptr;
  HDC dc = AddDC(TDCRecord::dcImage, nullptr);
  TDCRecord* r = FindDC(dc);
  r->BaseClip = QRegion(image->rect());
  r->Painter.begin(image);
  ApplyDCState(*r);
  return dc;
}

QImage WindowXorLayer(HWND topLevel) {
  QWidget* w = WidgetOf(topLevel);
  return w ? XorLayerMask(w->window()) : QImage();
}

// The pump calls this for the paint event of a window.
bool HandlePaintEvent(TWindowRecord& window, QPaintEvent* event) {
  if (window.InNativePaint) return false;  // the widget paints itself now
  HWND hwnd = window.Handle;
  ClearPaintPending(hwnd);
  ForgetLayerDrawingsUnder(window.Widget, event->region());
  HDC dc = AddDC(TDCRecord::dcPaint, hwnd);
  TDCRecord* r = FindDC(dc);
  // The window paints its client area, below any menu bar.
  r->ClientOffset = ClientOffset(window.Widget);
  r->BaseClip = event->region() & ClientArea(window.Widget);
  r->Painter.begin(window.Widget);
  ApplyDCState(*r);
  window.PaintDC = dc;
  struct TCleanup {
    HWND Window;
    HDC DC;
    ~TCleanup() {
      if (TWindowRecord* w = FindWindowRecord(Window)) w->PaintDC = nullptr;
      DCs().Remove(DC);  // ends its painter
    }
  } cleanup{hwnd, dc};
  SendNotification(hwnd, WM_PAINT, 0, 0);
  return true;
}

void PaintWindowNatively(HWND hwnd, HDC dc) {
  TWindowRecord* window = FindWindowRecord(hwnd);
  if (!window || !window->Widget) return;
  if (!dc) {
    PAINTSTRUCT ps;
    dc = BeginPaint(hwnd, &ps);
    PaintWindowNatively(hwnd, dc);
    EndPaint(hwnd, &ps);
    return;
  }
  TDCRecord* r = FindDC(dc);
  if (!r || r->Kind == TDCRecord::dcNowhere) return;
  QWidget* w = window->Widget;
  window->InNativePaint = true;
  struct TRestore {
    HWND Window;
    ~TRestore() {
      if (TWindowRecord* w = FindWindowRecord(Window)) w->InNativePaint = false;
    }
  } restore{hwnd};
  if (r->Kind == TDCRecord::dcPaint && r->Window == hwnd) {
    // Inside the window's own paint event: the widget paints with its own
    // painter into the same event, so ours steps aside meanwhile.
    TPainterState state(r->Painter);
    r->Painter.end();
    QPaintEvent event(r->BaseClip);
    QCoreApplication::sendEvent(w, &event);
    r->Painter.begin(w);
    state.Restore(r->Painter);
    ApplyDCState(*r);
  } else {
    w->render(&r->Painter, QPoint(), QRegion(), QWidget::RenderFlags());
  }
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* paint) {
  TWindowRecord* window = FindWindowRecord(hwnd);
  if (!window) return nullptr;
  HDC dc = window->PaintDC;
  TDCRecord* r = FindDC(dc);
  if (!r) {
    dc = NowhereDC(hwnd);
    if (paint) *paint = PAINTSTRUCT{dc, false, RECT(), false, false};
    return dc;
  }
  bool erase = false;
  if (r->BeginPaintCount++ == 0) erase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) == 0;
  QRect painted = r->BaseClip.boundingRect().translated(-r->ClientOffset);
  if (paint) *paint = PAINTSTRUCT{dc, erase, ToRect(painted), false, false};
  return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT* paint) {
  if (!paint) return false;
  TDCRecord* r = FindDC(paint->hdc);
  if (!r) return false;
  if (r->Kind == TDCRecord::dcNowhere) DCs().Remove(paint->hdc);
  return true;
}

HDC GetDC(HWND hwnd) { return LayerDC(hwnd, true); }
HDC GetWindowDC(HWND hwnd) { return LayerDC(hwnd, false); }

int ReleaseDC(HWND, HDC dc) {
  TDCRecord* r = FindDC(dc);
  if (!r || r->Kind != TDCRecord::dcLayer) return 0;
  HandOverLayerDrawing(*r, false);
  DCs().Remove(dc);
  return 1;
}

bool DeleteDC(HDC dc) {
  TDCRecord* r = FindDC(dc);
  if (!r || r->Kind != TDCRecord::dcImage) return false;
  DCs().Remove(dc);
  return true;
}

HWND WindowFromDC(HDC dc) {
  TDCRecord* r = FindDC(dc);
  return r ? r->Window : nullptr;
}

void MarkPaintPending(HWND hwnd, bool erase) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r) return;
  r->ErasePending = r->ErasePending || erase;
  if (!r->PaintPending) {
    r->PaintPending = true;
    PaintPending.push_back(hwnd);
  }
}

void ClearPaintPending(HWND hwnd) {
  if (TWindowRecord* r = FindWindowRecord(hwnd)) r->PaintPending = r->ErasePending = false;
  PaintPending.erase(std::remove(PaintPending.begin(), PaintPending.end(), hwnd), PaintPending.end());
}

HWND FirstPaintPending(HWND filter) {
  for (HWND h : PaintPending)
    if (IsWindow(h) && (!filter || h == filter || IsChild(filter, h))) return h;
  return nullptr;
}

void ForgetWindowPaint(HWND hwnd) {
  ClearPaintPending(hwnd);
  if (LockedWindow == hwnd) LockedWindow = nullptr;
}

bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase) {
  if (!hwnd) {
    ForEachWindow([&](TWindowRecord& r) { InvalidateRect(r.Handle, nullptr, erase); });
    return true;
  }
  QWidget* w = WidgetOf(hwnd);
  if (!w) return false;
  if (rect)
    w->update(ToQRect(*rect).translated(ClientOffset(w)));
  else
    w->update();
  MarkPaintPending(hwnd, erase);
  return true;
}

bool ValidateRect(HWND hwnd, const RECT* rect) {
  if (!IsWindow(hwnd)) return false;
  if (!rect) ClearPaintPending(hwnd);
  return true;
}

bool GetUpdateRect(HWND hwnd, RECT* rect, bool) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  bool pending = r && r->PaintPending;
  if (rect) {
    *rect = RECT();
    if (pending) GetClientRect(hwnd, rect);
  }
  return pending;
}

bool UpdateWindow(HWND hwnd) {
  TWindowRecord* r = FindWindowRecord(hwnd);
  if (!r || !r->Widget) return false;
  if (r->PaintPending) {
    ClearPaintPending(hwnd);
    r->Widget->repaint();
  }
  return true;
}

bool RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT flags) {
  QWidget* w = WidgetOf(hwnd);
  if (!w) return false;
  if (flags & RDW_INVALIDATE) InvalidateRect(hwnd, rect, flags & RDW_ERASE);
  if (flags & RDW_VALIDATE) ValidateRect(hwnd, rect);
  if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
    ClearPaintPending(hwnd);
    if (rect)
      w->repaint(ToQRect(*rect).translated(ClientOffset(w)));
    else
      w->repaint();
  }
  return true;
}

bool LockWindowUpdate(HWND hwnd) {
  if (hwnd) {
    if (LockedWindow && LockedWindow != hwnd) return false;
    QWidget* w = WidgetOf(hwnd);
    if (!w) return false;
    LockedWindow = hwnd;
    w->setUpdatesEnabled(false);
    return true;
  }
  if (QWidget* w = WidgetOf(LockedWindow)) w->setUpdatesEnabled(true);
  LockedWindow = nullptr;
  return true;
}

bool SetViewportOrgEx(HDC dc, int x, int y, POINT* old) {
  TDCRecord* r = FindDC(dc);
  if (!r) return false;
  if (old) *old = {r->Origin.x(), r->Origin.y()};
  r->Origin = QPoint(x, y);
  ApplyDCState(*r);
  return true;
}

bool GetViewportOrgEx(HDC dc, POINT* origin) {
  TDCRecord* r = FindDC(dc);
  if (!r || !origin) return false;
  *origin = {r->Origin.x(), r->Origin.y()};
  return true;
}

bool OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* old) {
  TDCRecord* r = FindDC(dc);
  return r && SetViewportOrgEx(dc, r->Origin.x() + dx, r->Origin.y() + dy, old);
}

int SaveDC(HDC dc) {
  TDCRecord* r = FindDC(dc);
  if (!r) return 0;
  r->Saved.push_back({r->Origin, r->UserClip, r->Rop});
  r->Painter.save();
  return static_cast<int>(r->Saved.size());
}

bool RestoreDC(HDC dc, int savedDC) {
  TDCRecord* r = FindDC(dc);
  if (!r || r->Saved.empty()) return false;
  int level = savedDC < 0 ? static_cast<int>(r->Saved.size()) + 1 + savedDC : savedDC;
  if (level < 1 || level > static_cast<int>(r->Saved.size())) return false;
  while (static_cast<int>(r->Saved.size()) >= level) {
    TDCRecord::TSaved s = r->Saved.back();
    r->Saved.pop_back();
    r->Painter.restore();
    r->Origin = s.Origin;
    r->UserClip = s.UserClip;
    r->Rop = s.Rop;
  }
  ApplyDCState(*r);
  return true;
}

namespace {

int ChangeClip(HDC dc, int left, int top, int right, int bottom, bool intersect) {
  TDCRecord* r = FindDC(dc);
  if (!r) return RGN_ERROR;
  QRegion current = EffectiveClip(*r);
  QRect area = QRect(left, top, right - left, bottom - top).translated(DeviceOrigin(*r));
  r->UserClip = intersect ? current & area : current - area;
  ApplyDCState(*r);
  return RegionKind(*r->UserClip);
}

}  // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
  return ChangeClip(dc, left, top, right, bottom, true);
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
  return ChangeClip(dc, left, top, right, bottom, false);
}

int SelectClipRgn(HDC dc, HRGN region) {
  TDCRecord* r = FindDC(dc);
  if (!r || region) return RGN_ERROR;
  r->UserClip.reset();
  ApplyDCState(*r);
  return RegionKind(r->BaseClip);
}

int GetClipBox(HDC dc, RECT* rect) {
  TDCRecord* r = FindDC(dc);
  if (!r || !rect) return RGN_ERROR;
  QRegion clip = EffectiveClip(*r);
  *rect = ToRect(clip.boundingRect().translated(-DeviceOrigin(*r)));
  return RegionKind(clip);
}

int SetROP2(HDC dc, int mode) {
  TDCRecord* r = FindDC(dc);
  if (!r) return 0;
  int old = r->Rop;
  if (old == mode) return old;
  HandOverLayerDrawing(*r, true);  // what was drawn so far keeps its own mode
  r->Rop = mode;
  r->Painter.setCompositionMode(CompositionFor(*r));
  return old;
}

int GetROP2(HDC dc) {
  TDCRecord* r = FindDC(dc);
  return r ? r->Rop : 0;
}

COLORREF SetDCPenColor(HDC dc, COLORREF color) {
  TDCRecord* r = FindDC(dc);
  if (!r) return CLR_INVALID;
  QPen pen = r->Painter.pen();
  COLORREF old = ToColorRef(pen.color());
  pen.setColor(ToQColor(color));
  r->Painter.setPen(pen);
  return old;
}

COLORREF SetDCBrushColor(HDC dc, COLORREF color) {
  TDCRecord* r = FindDC(dc);
  if (!r) return CLR_INVALID;
  COLORREF old = ToColorRef(r->Painter.brush().color());
  r->Painter.setBrush(ToQColor(color));
  return old;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  TDCRecord* r = FindDC(dc);
  if (!r) return CLR_INVALID;
  r->Painter.fillRect(QRect(x, y, 1, 1), ToQColor(color));
  return color;
}

bool MoveToEx(HDC dc, int x, int y, POINT* old) {
  TDCRecord* r = FindDC(dc);
  if (!r) return false;
  if (old) *old = {r->CurrentPos.x(), r->CurrentPos.y()};
  r->CurrentPos = QPoint(x, y);
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  TDCRecord* r = FindDC(dc);
  if (!r) return false;
  QPoint from = r->CurrentPos;
  QPoint to(x, y);
  QPoint step((to.x() > from.x()) - (to.x() < from.x()), (to.y() > from.y()) - (to.y() < from.y()));
  if (from != to) r->Painter.drawLine(from, to - step);
  r->CurrentPos = to;
  return true;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  TDCRecord* r = FindDC(dc);
  if (!r) return false;
  if (right - left < 1 || bottom - top < 1) return true;
  r->Painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
  return true;
}

bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  TDCRecord* r = FindDC(dc);
  if (!r) return false;
  QRect area(x, y, width, height);
  QColor brush = r->Painter.brush().color();
  switch (rop) {
    case PATCOPY: r->Painter.fillRect(area, brush); return true;
    case BLACKNESS: r->Painter.fillRect(area, Qt::black); return true;
    case WHITENESS: r->Painter.fillRect(area, Qt::white); return true;
    case PATINVERT:
    case DSTINVERT: {
      int old = SetROP2(dc, rop == DSTINVERT ? R2_NOT : R2_XORPEN);
      r->Painter.fillRect(area, rop == DSTINVERT ? QColor(Qt::white) : brush);
      SetROP2(dc, old);
      return true;
    }
    default: return false;
  }
}
