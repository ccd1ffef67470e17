#pragma once
// The dialogs that the colour and font property editors open. The platform's
// common dialogs live above this layer, so they plug themselves in here when
// they start; until then (and in tests that want no dialog) Edit finds no
// dialog and changes nothing. A hook answers true when the user chose OK.

#include <functional>

#include "platform/graphics/Colors.h"

class TFont;

// Shows the colour dialog starting at color; writes the chosen colour.
extern std::function<bool(TColor& color)> ExecuteColorDialogProc;
// Shows the font dialog on font (a copy the editor owns) and edits it.
extern std::function<bool(TFont* font)> ExecuteFontDialogProc;
