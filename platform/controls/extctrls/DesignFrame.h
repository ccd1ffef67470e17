#pragma once
// The dashed outline that controls with nothing to show at design time
// (an empty image, a paint box, a spacer bevel) draw so that the user can
// find them on the form.

#include "platform/core/Types.h"

class TCanvas;

void DrawDesignFrame(TCanvas* canvas, const TRect& rect);
