#pragma once
// TPen: how lines and outlines are drawn. Mode combines the pen with what is
// already there; pmXor and pmNot make drawings that a second drawing erases.

#include "platform/graphics/Colors.h"
#include "platform/graphics/GraphicsObject.h"

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
MORVANE_ENUM_TYPEINFO(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear,
                      psInsideFrame);

enum TPenMode {
  pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
  pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
MORVANE_ENUM_TYPEINFO(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot,
                      pmMaskPenNot, pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask,
                      pmNotMask, pmXor, pmNotXor);

class TPen : public TGraphicsObject {
  MORVANE_CLASS(TPen, TGraphicsObject)

 public:
  TPen();
  void Assign(TPersistent* source) override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  TPenMode Mode() const { return FMode; }
  void SetMode(TPenMode value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle value);
  int32_t Width() const { return FWidth; }
  void SetWidth(int32_t value);

  static void Publish(TPublisher<TPen>& p);

 private:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int32_t FWidth = 1;
};
