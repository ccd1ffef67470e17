#pragma once
// The dialogs that the colour and font property editors open: the platform's
// colour and font dialogs, each created for one use, read only when the user
// chose OK, and freed in every case. Hosts and tests may replace them. A hook
// answers true when the user chose OK.

#include <functional>

#include "platform/graphics/Colors.h"

class TFont;

// Shows the colour dialog starting at color; writes the chosen colour.
extern std::function<bool(TColor& color)> ExecuteColorDialogProc;
// Shows the font dialog on font (a copy the editor owns) and edits it.
extern std::function<bool(TFont* font)> ExecuteFontDialogProc;
