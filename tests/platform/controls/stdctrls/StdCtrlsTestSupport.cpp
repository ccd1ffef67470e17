#include "StdCtrlsTestSupport.h"

#include <QApplication>

void StartStdCtrls() {
  static bool started = false;
  if (started) return;
  InitializeStdCtrls();
  started = true;
}

namespace {

void SendKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

}  // namespace

void TypeText(TWinControl* control, const std::string& text) {
  for (QChar c : QString::fromStdString(text)) {
    auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    SendKey(WidgetOf(control), key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier, QString(c));
  }
}

void PressKey(TWinControl* control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QString text;
  if (key == Qt::Key_Return) text = "\r";
  if (key == Qt::Key_Escape) text = QString(QChar(0x1B));
  if (key == Qt::Key_Tab) text = "\t";
  SendKey(WidgetOf(control), key, modifiers, text);
}
