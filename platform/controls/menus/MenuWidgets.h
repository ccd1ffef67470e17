#pragma once
// Internal to the menus: the Qt menus that show a menu's items. Each action
// carries its item; a caption "-" is a separator, invisible items are left
// out, the shortcut shows after a tab (the keys themselves go through the
// form's key messages, not through Qt).

class QMenu;
class QAction;
class QWidget;
class TMenuItem;

// Adds the items below parent to menu, submenus included.
void FillMenu(QMenu* menu, const TMenuItem* parent);
// Marks action as item's and gives it the item's state.
void DescribeAction(QAction* action, const TMenuItem* item);
// The action's item, or null for actions of no item.
TMenuItem* ActionItem(const QAction* action);
// A menu of parent's items, parented to owner.
QMenu* MakeSubMenu(const TMenuItem* parent, QWidget* owner);
