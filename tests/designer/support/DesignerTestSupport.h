#pragma once
// Shared by the designer's tests: one QApplication with the platform and the
// designer started, a form with a few controls, and real Qt input that
// travels the message pump, the thread hooks and the designer like a user's.

#include <QPoint>
#include <QString>
#include <string>

#include "ContractRecorder.h"
#include "designer/ObjEdit.h"
#include "platform/controls/Forms.h"
#include "platform/controls/ModalResponder.h"

// A shown top-level form of the given client size at (40, 40) on the
// offscreen screen; freed at the end unless Form was set to null.
struct TDesignedForm {
  explicit TDesignedForm(int32_t clientWidth = 400, int32_t clientHeight = 300);
  ~TDesignedForm();
  TForm* Form;
};

// Makes a control of class T owned by the form, parented to parent, named and placed.
template <class T>
T* AddControl(TForm* form, TWinControl* parent, const std::string& name, int32_t left,
              int32_t top, int32_t width, int32_t height) {
  auto* control = new T(form);
  control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

// Lets queued and posted work run (paints, posted messages, releases).
void ProcessEvents();

// Real mouse input at a point in the client area of control (a windowed
// control, or a graphic control through its parent). Modifiers are Qt's:
// Qt::ShiftModifier, Qt::ControlModifier. The pointer is first moved there so
// that the cursor shown is the one the point asks for.
void MouseMoveTo(TControl* control, QPoint local, Qt::MouseButtons buttons = Qt::NoButton,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void MousePress(TControl* control, QPoint local, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                Qt::MouseButton button = Qt::LeftButton);
void MouseRelease(TControl* control, QPoint local,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  Qt::MouseButton button = Qt::LeftButton);
void MouseDoubleClick(TControl* control, QPoint local);
// Press at from, move in steps to to, release at to.
void MouseDrag(TControl* control, QPoint from, QPoint to,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier, int steps = 4);
// A key press and its release sent to the window of control.
void KeyStroke(TWinControl* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
