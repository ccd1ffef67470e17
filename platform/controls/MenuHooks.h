#pragma once
// What the base controls need of the menus layer, which sits above them: a
// control's popup menu on a right click, a form's main menu bar and its
// shortcuts. InitializeMenus fills these in; while they are empty, controls
// simply have no menus.

#include "platform/core/TSet.h"
#include "platform/core/Types.h"
#include "platform/windows/Keyboard.h"

class TComponent;
class TControl;
class TCustomForm;

struct TMenuHooks {
  // Shows control's popup menu (AutoPopup) at a screen point; false when
  // there is none to show, so that the parent may show its own.
  bool (*ShowPopupMenu)(TControl* control, TPoint screen) = nullptr;
  // Runs the item of menu whose shortcut the key is; true when one ran.
  bool (*IsShortCut)(TComponent* menu, WORD key, TShiftState shift) = nullptr;
  // The form's Menu changed or its window was made: show the menu's bar.
  void (*MenuChanged)(TCustomForm* form) = nullptr;
};

TMenuHooks& MenuHooks();
