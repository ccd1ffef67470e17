#pragma once
// TShape: a rectangle, square, rounded one, ellipse or circle drawn with its
// own pen and brush by its parent (a graphic control).

#include "platform/controls/Controls.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Pen.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
MORVANE_ENUM_TYPEINFO(TShapeType, stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse,
                      stCircle);

class TShape : public TGraphicControl {
  MORVANE_CLASS(TShape, TGraphicControl)

 public:
  explicit TShape(TComponent* owner);
  ~TShape() override;

  TShapeType Shape() const { return FShape; }
  void SetShape(TShapeType value);
  TPen* Pen() const { return FPen; }
  void SetPen(TPen* value) { FPen->Assign(value); }
  TBrush* Brush() const { return FBrush; }
  void SetBrush(TBrush* value) { FBrush->Assign(value); }

  static void Publish(TPublisher<TShape>& p);

 protected:
  void Paint() override;

 private:
  TShapeType FShape = stRectangle;
  TPen* FPen;
  TBrush* FBrush;
};
