#pragma once
// Start-up of the graphics layer: registers the identifiers of colours and
// font character sets with the type information, so that TColor and
// TFontCharset properties stream and edit as names ("clBtnFace"). Called by the
// application's start-up; fonts, pens and brushes call it too, so it is safe to
// call any number of times.

void InitializeGraphics();
// Removes the registrations again (the application's shut-down).
void FinalizeGraphics();
