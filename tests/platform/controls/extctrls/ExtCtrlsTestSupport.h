#pragma once
// Shared by the extra controls' tests: the family started once, and small
// helpers for placing controls and solid glyphs.

#include <QImage>

#include "ControlsTestSupport.h"
#include "platform/controls/extctrls/ExtCtrls.h"
#include "platform/graphics/Bitmap.h"

template <class T>
T* Place(TWinControl* parent, int32_t left, int32_t top, int32_t width, int32_t height) {
  auto* control = new T(parent);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  return control;
}

// A bitmap of count images of size x size side by side, image i filled with
// colors[i], with a one-pixel frame of the transparent colour clOlive.
TBitmap* SolidGlyph(int32_t size, std::initializer_list<TColor> colors);

// Presses and releases the left button at a point of a parent's window.
void PressAt(TWinControl* parent, QPoint local);
void ReleaseAt(TWinControl* parent, QPoint local);
void MoveTo(TWinControl* parent, QPoint local, Qt::MouseButtons buttons = Qt::NoButton);
