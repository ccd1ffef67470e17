#pragma once
// TCanvas: drawing with a pen, a brush and a font on a device context. A
// canvas draws on whatever DC its Handle is: a window's paint DC, a window
// DC on the XOR layer (outlines), or a bitmap's memory DC. Descendants that
// make their own DC on demand override CreateHandle (a bitmap's canvas, the
// controls' canvas); a plain canvas draws only once a handle was given.
//
// Coordinates follow the platform: rectangles exclude their right and bottom
// edges, and LineTo leaves out the end point.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/core/Types.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/windows/WinTypes.h"

class QPainter;
class TGraphic;
class TBitmap;

// Copy modes of CopyRect and Draw, with the values of the raster operations.
using TCopyMode = int32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmMergeCopy = 0x00C000CA;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmPatCopy = 0x00F00021;
constexpr TCopyMode cmPatInvert = 0x005A0049;
constexpr TCopyMode cmPatPaint = 0x00FB0A09;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

class TCanvas : public TPersistent {
  MORVANE_CLASS(TCanvas, TPersistent)

 public:
  TCanvas();
  ~TCanvas() override;

  // The DC drawn on; asking creates one when the canvas can (CreateHandle).
  HDC Handle();
  // Sets the DC to draw on; the canvas does not free it.
  void SetHandle(HDC value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont* Font() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* value) { FPen->Assign(value); }
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }
  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint value) { FPenPos = value; }
  TCopyMode CopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode value) { FCopyMode = value; }
  // The area drawing reaches, in the canvas's coordinates.
  TRect ClipRect();

  // Another thread must not draw while a canvas is locked; here the lock only
  // counts, as drawing happens on the user-interface thread.
  void Lock() { ++FLockCount; }
  void Unlock() { if (FLockCount > 0) --FLockCount; }
  bool TryLock();
  int LockCount() const { return FLockCount; }

  void MoveTo(int32_t x, int32_t y);
  void LineTo(int32_t x, int32_t y);
  void Rectangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);
  // A one-pixel frame in the brush colour.
  void FrameRect(const TRect& r);
  void Ellipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  // Both points lie on the ellipse's bounding rectangle's rays; counter-clockwise.
  void Arc(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3, int32_t x4,
           int32_t y4);
  // Text at (x, y) as its top-left corner, on the brush colour unless the
  // brush is clear; PenPos moves to the end of the text.
  void TextOut(int32_t x, int32_t y, const std::string& text);
  // Text at (x, y) clipped to r, whose area gets the brush first.
  void TextRect(const TRect& r, int32_t x, int32_t y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int32_t TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int32_t TextHeight(const std::string& text) { return TextExtent(text).cy; }
  void Draw(int32_t x, int32_t y, TGraphic* graphic);
  void StretchDraw(const TRect& r, TGraphic* graphic);
  // Copies source of bitmap into dest, with the pixels of color turned into
  // the brush colour.
  void BrushCopy(const TRect& dest, TBitmap* bitmap, const TRect& source, TColor color);
  // Copies source of another canvas into dest by CopyMode.
  void CopyRect(const TRect& dest, TCanvas* canvas, const TRect& source);
  // The dotted frame of a focused item, drawn by inverting: twice erases it.
  void DrawFocusRect(const TRect& r);

  // A pixel's colour; -1 (CLR_INVALID) where the DC cannot be read.
  TColor Pixels(int32_t x, int32_t y);
  void SetPixels(int32_t x, int32_t y, TColor color);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  // Makes a DC when none is set; the default makes none.
  virtual void CreateHandle() {}
  // Forgets the DC (a descendant that made it frees it first).
  void ClearHandle() { FHandle = nullptr; }
  virtual void Changing();
  virtual void Changed();

 private:
  friend QPainter* CanvasPainter(TCanvas* canvas);
  friend class TCanvasDrawing;
  // The painter of the DC, with a handle made or EInvalidOperation raised.
  QPainter* RequirePainter();

  HDC FHandle = nullptr;
  TFont* FFont;
  TPen* FPen;
  TBrush* FBrush;
  TPoint FPenPos;
  TCopyMode FCopyMode = cmSrcCopy;
  int FLockCount = 0;
};
