#pragma once
// Shared by the standard controls' tests: the family started once, and real
// key input.

#include <QKeyEvent>
#include <string>

#include "ControlsTestSupport.h"
#include "platform/controls/stdctrls/StdCtrls.h"

// Starts the standard controls (once).
void StartStdCtrls();
// Each character as a key press and release on the control's window.
void TypeText(TWinControl* control, const std::string& text);
void PressKey(TWinControl* control, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
