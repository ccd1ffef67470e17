#pragma once
// Start-up of the menus: registers TMenuItem, TMainMenu and TPopupMenu with
// the class registry and connects the base controls to menus (a control's
// popup menu on a right click, a form's menu bar and its shortcuts). Safe to
// call again.

void InitializeMenus();
