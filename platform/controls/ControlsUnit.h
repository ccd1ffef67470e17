#pragma once
// Start-up and shut-down of the controls layer: the graphics layer's
// start-up, the cursor identifiers, the Screen and Application globals and
// the exception handling of the message pump. Needs a QApplication; safe to
// call again.

void InitializeControls();
// Frees Application (and the forms it owns) and Screen.
void FinalizeControls();
