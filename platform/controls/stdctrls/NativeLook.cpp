#include "platform/controls/stdctrls/NativeLook.h"

#include <QPalette>
#include <QWidget>

#include "platform/controls/Control.h"
#include "platform/graphics/QtGraphics.h"

void ApplyNativeLook(QWidget* widget, const TControl* control, TNativeColorRole role) {
  if (!widget) return;
  widget->setFont(FontToQFont(*control->Font()));
  QPalette palette = widget->palette();
  QColor text = ColorToQColor(control->Font()->Color());
  if (text.isValid()) {
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
  }
  QColor back = ColorToQColor(control->Color());
  if (back.isValid()) {
    QPalette::ColorRole qtRole = role == ncrBase ? QPalette::Base : role == ncrButton ? QPalette::Button
                                                                                      : QPalette::Window;
    palette.setColor(qtRole, back);
  }
  widget->setPalette(palette);
}
