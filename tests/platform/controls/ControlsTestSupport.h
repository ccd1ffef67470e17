#pragma once
// Shared by the controls tests: one QApplication with the controls layer
// started, small controls of each kind, and real Qt input.

#include <QImage>
#include <QMouseEvent>
#include <QWidget>
#include <string>

#include "platform/controls/Controls.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ModalResponder.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/windows/Windows.h"

// A graphic control that fills itself with its colour.
class TTestShape : public TGraphicControl {
  MORVANE_CLASS(TTestShape, TGraphicControl)

 public:
  explicit TTestShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 20, 20); }
  static void Publish(TPublisher<TTestShape>& p);

 protected:
  void Paint() override;
};

// A windowed control that paints a frame and accepts children.
class TTestPanel : public TCustomControl {
  MORVANE_CLASS(TTestPanel, TCustomControl)

 public:
  explicit TTestPanel(TComponent* owner);
  static void Publish(TPublisher<TTestPanel>& p);

 protected:
  void Paint() override;
};

// A form shown offscreen, freed at the end.
struct TShownForm {
  TShownForm(int width = 200, int height = 150);
  ~TShownForm();
  TForm* Form;
};

QWidget* WidgetOf(TWinControl* control);
// What the window shows now, painted through the message pump.
QImage Snapshot(TWinControl* control);
TColor PixelAt(const QImage& image, int x, int y);
void SendMouse(TWinControl* control, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons);
void ClickAt(TWinControl* control, QPoint local);
