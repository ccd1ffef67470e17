#include "platform/controls/menus/MenusUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Control.h"
#include "platform/controls/Form.h"
#include "platform/controls/MenuHooks.h"
#include "platform/controls/menus/MainMenu.h"
#include "platform/controls/menus/PopupMenu.h"

namespace {

bool ShowPopupMenu(TControl* control, TPoint screen) {
  auto* menu = dynamic_cast<TPopupMenu*>(control->PopupMenu());
  if (!menu || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(control);
  menu->Popup(screen.X, screen.Y);
  return true;
}

bool IsShortCut(TComponent* menu, WORD key, TShiftState shift) {
  auto* mainMenu = dynamic_cast<TMainMenu*>(menu);
  return mainMenu && mainMenu->IsShortCut(key, shift);
}

}  // namespace

void InitializeMenus() {
  RegisterClasses({TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass()});
  TMenuHooks& hooks = MenuHooks();
  hooks.ShowPopupMenu = ShowPopupMenu;
  hooks.IsShortCut = IsShortCut;
  hooks.MenuChanged = TMainMenu::FormMenuChanged;
}
