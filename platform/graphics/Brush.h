#pragma once
// TBrush: how areas are filled. A brush with a Bitmap fills with that bitmap
// as a repeating pattern; the brush does not own the bitmap.

#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObject.h"

class TBitmap;

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                   bsDiagCross };
MORVANE_ENUM_TYPEINFO(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal,
                      bsBDiagonal, bsCross, bsDiagCross);

class TBrush : public TGraphicsObject {
  MORVANE_CLASS(TBrush, TGraphicsObject)

 public:
  TBrush();
  void Assign(TPersistent* source) override;

  TColor Color() const { return FColor; }
  // Setting a colour turns a clear brush solid, as the platform does.
  void SetColor(TColor value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle value);
  TBitmap* Bitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* value);

  static void Publish(TPublisher<TBrush>& p);

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};
