#include "DesignerTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "platform/controls/dialogs/DialogsUnit.h"
#include "platform/controls/extctrls/ExtCtrlsUnit.h"
#include "platform/controls/grids/GridsUnit.h"
#include "platform/controls/menus/MenusUnit.h"
#include "platform/controls/stdctrls/StdCtrlsUnit.h"
#include "platform/controls/tabs/TabsUnit.h"
#include "platform/windows/QtWindows.h"

namespace {

class TDesignerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_designer";
    static char* argv[] = {name, nullptr};
    App = new QApplication(argc, argv);
    InitializeControls();
    InitializeStdCtrls();
    InitializeExtCtrls();
    InitializeTabs();
    InitializeGrids();
    InitializeMenus();
    InitializeDialogs();
    InitializeObjIntf();
    InitializeObjEdit();
  }
  void TearDown() override {
    FinalizeObjEdit();
    FinalizeObjIntf();
    FinalizeControls();
    delete App;
  }

 private:
  QApplication* App = nullptr;
};

[[maybe_unused]] ::testing::Environment* const Environment =
    ::testing::AddGlobalTestEnvironment(new TDesignerEnvironment);

// The widget that receives input for a point of control, and the point in it.
QWidget* TargetOf(TControl* control, QPoint& local) {
  while (!dynamic_cast<TWinControl*>(control)) {
    local += QPoint(control->Left(), control->Top());
    control = control->Parent();
  }
  return WindowWidget(static_cast<TWinControl*>(control)->Handle());
}

void SendMouse(TControl* control, QEvent::Type type, QPoint local, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  QWidget* widget = TargetOf(control, local);
  QMouseEvent event(type, QPointF(local), widget->mapToGlobal(QPointF(local)), button, buttons,
                    modifiers);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

TDesignedForm::TDesignedForm(int32_t clientWidth, int32_t clientHeight)
    : Form(new TForm(nullptr)) {
  Form->SetName("Form1");
  Form->SetBounds(40, 40, clientWidth, clientHeight);
  Form->SetClientWidth(clientWidth);
  Form->SetClientHeight(clientHeight);
  Form->Show();
  ProcessEvents();
}

TDesignedForm::~TDesignedForm() {
  if (Form) Form->Free();
  ProcessEvents();
}

void ProcessEvents() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void MouseMoveTo(TControl* control, QPoint local, Qt::MouseButtons buttons,
                 Qt::KeyboardModifiers modifiers) {
  SendMouse(control, QEvent::MouseMove, local, Qt::NoButton, buttons, modifiers);
}

void MousePress(TControl* control, QPoint local, Qt::KeyboardModifiers modifiers,
                Qt::MouseButton button) {
  MouseMoveTo(control, local, Qt::NoButton, modifiers);
  SendMouse(control, QEvent::MouseButtonPress, local, button, button, modifiers);
}

void MouseRelease(TControl* control, QPoint local, Qt::KeyboardModifiers modifiers,
                  Qt::MouseButton button) {
  SendMouse(control, QEvent::MouseButtonRelease, local, button, Qt::NoButton, modifiers);
}

void MouseDoubleClick(TControl* control, QPoint local) {
  MousePress(control, local);
  MouseRelease(control, local);
  SendMouse(control, QEvent::MouseButtonDblClick, local, Qt::LeftButton, Qt::LeftButton,
            Qt::NoModifier);
  MouseRelease(control, local);
}

void MouseDrag(TControl* control, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers,
               int steps) {
  MousePress(control, from, modifiers);
  for (int i = 1; i <= steps; ++i) {
    QPoint step = from + (to - from) * i / steps;
    MouseMoveTo(control, step, Qt::LeftButton, modifiers);
  }
  MouseRelease(control, to, modifiers);
}

void KeyStroke(TWinControl* control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QWidget* widget = WindowWidget(control->Handle());
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QApplication::sendEvent(widget, &release);
}
