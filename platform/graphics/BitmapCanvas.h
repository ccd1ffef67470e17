#pragma once
// Internal: the canvas of a TBitmap, on a memory DC over the bitmap's image.
// The DC is made when drawing starts and freed before the image is replaced.

#include "platform/graphics/Canvas.h"

class TBitmap;

class TBitmapCanvas : public TCanvas {
  MORVANE_CLASS(TBitmapCanvas, TCanvas)

 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }
  void FreeContext();

 protected:
  void CreateHandle() override;

 private:
  TBitmap* FBitmap;
};
