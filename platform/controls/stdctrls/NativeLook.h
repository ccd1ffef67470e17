#pragma once
// Gives a native widget of the standard controls the control's font and
// colours (internal to the standard controls). The base layer leaves native
// widgets to Qt's look; these controls show what their properties say.

class QWidget;
class TControl;

enum TNativeColorRole { ncrBase, ncrButton, ncrWindow };

// Font, text colour and, for role, the background from the control's Color.
void ApplyNativeLook(QWidget* widget, const TControl* control, TNativeColorRole role);
