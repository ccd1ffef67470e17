#pragma once
// The menus unit: main and popup menus, their items and shortcuts.

#include "platform/controls/menus/MainMenu.h"
#include "platform/controls/menus/Menu.h"
#include "platform/controls/menus/MenuItem.h"
#include "platform/controls/menus/MenusUnit.h"
#include "platform/controls/menus/PopupMenu.h"
#include "platform/controls/menus/ShortCuts.h"
