#include "platform/controls/extctrls/DesignFrame.h"

#include "platform/graphics/Canvas.h"

void DrawDesignFrame(TCanvas* canvas, const TRect& rect) {
  canvas->Pen()->SetStyle(psDash);
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(rect);
}
