#include "ControlsTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/QtGraphics.h"
#include "platform/windows/QtWindows.h"

namespace {

class TQtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_platform_controls";
    static char* argv[] = {name, nullptr};
    App = new QApplication(argc, argv);
    InitializeControls();
    RegisterClasses({TTestShape::StaticClass(), TTestPanel::StaticClass()});
  }
  void TearDown() override {
    FinalizeControls();
    delete App;
  }

 private:
  QApplication* App = nullptr;
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TQtEnvironment);

}  // namespace

void TTestShape::Publish(TPublisher<TTestShape>& p) {
  PublishAlign(p);
  PublishColor(p);
  PublishParentColor(p);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnMouseDown(p);
}

void TTestShape::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(Rect(0, 0, Width(), Height()));
}

TTestPanel::TTestPanel(TComponent* owner) : TCustomControl(owner) {
  FControlStyle.Include(csAcceptsControls);
  SetBounds(0, 0, 100, 60);
}

void TTestPanel::Publish(TPublisher<TTestPanel>& p) {
  PublishAlign(p);
  PublishCaption(p);
  PublishColor(p);
  PublishFont(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishTabOrder(p);
  PublishVisible(p);
  PublishOnClick(p);
}

void TTestPanel::Paint() {
  Canvas()->Brush()->SetColor(clBlack);
  Canvas()->FrameRect(ClientRect());
}

TShownForm::TShownForm(int width, int height) : Form(new TForm(nullptr)) {
  Form->SetBounds(10, 10, width, height);
  Form->Show();
  QApplication::processEvents();
}

TShownForm::~TShownForm() { Form->Free(); }

QWidget* WidgetOf(TWinControl* control) { return WindowWidget(control->Handle()); }

QImage Snapshot(TWinControl* control) {
  return WidgetOf(control)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TColor PixelAt(const QImage& image, int x, int y) { return QColorToColor(image.pixelColor(x, y)); }

void SendMouse(TWinControl* control, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QWidget* widget = WidgetOf(control);
  QMouseEvent event(type, QPointF(local), widget->mapToGlobal(QPointF(local)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void ClickAt(TWinControl* control, QPoint local) {
  SendMouse(control, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton);
  SendMouse(control, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton);
}
