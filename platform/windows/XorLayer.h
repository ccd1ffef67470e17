#pragma once
// Internal: the layer above a top-level window that keeps what GetDC draws.

#include <QImage>
#include <QPoint>
#include <QRegion>

class QWidget;

// Combines what a DC drew (non-transparent pixels of drawn, placed at offset
// in the top-level window) into the layer by the raster mode, and shows the
// change at once without repainting the windows below. Answers the part of
// drawn that held drawing (empty when nothing was drawn).
QRect CombineIntoXorLayer(QWidget* topLevel, const QImage& drawn, QPoint offset, int rop);
// Copy-mode drawings go where the windows below repaint.
void ForgetLayerDrawingsUnder(QWidget* widget, const QRegion& region);
QImage XorLayerMask(QWidget* topLevel);
// Keeps the layer above the children of its window.
void RaiseXorLayer(QWidget* topLevel);
