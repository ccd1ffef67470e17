#include "platform/design/DialogHooks.h"

std::function<bool(TColor& color)> ExecuteColorDialogProc;
std::function<bool(TFont* font)> ExecuteFontDialogProc;
