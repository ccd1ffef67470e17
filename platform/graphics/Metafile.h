#pragma once
// TMetafile: the vector picture formats .wmf and .emf. They are registered so
// that file filters list them, but there is no metafile renderer here:
// loading one raises EInvalidGraphic with a message that says so, and an
// empty metafile draws nothing.

#include "platform/graphics/Graphic.h"

class TMetafile : public TGraphic {
  MORVANE_CLASS(TMetafile, TGraphic)

 public:
  bool Empty() const override { return true; }
  int32_t Width() const override { return FWidth; }
  void SetWidth(int32_t value) override { FWidth = value; }
  int32_t Height() const override { return FHeight; }
  void SetHeight(int32_t value) override { FHeight = value; }
  bool Enhanced() const { return FEnhanced; }
  void SetEnhanced(bool value) { FEnhanced = value; }

  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream&) override {}

 protected:
  void Draw(TCanvas*, const TRect&) override {}

 private:
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  bool FEnhanced = true;
};
