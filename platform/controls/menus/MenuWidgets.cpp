#include "platform/controls/menus/MenuWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "platform/controls/menus/MenuItem.h"

namespace {

constexpr const char* ItemProperty = "morvaneMenuItem";

QString ActionText(const TMenuItem* item) {
  QString text = QString::fromStdString(item->Caption());
  if (item->ShortCut() != scNone) text += '\t' + QString::fromStdString(ShortCutToText(item->ShortCut()));
  return text;
}

}  // namespace

void DescribeAction(QAction* action, const TMenuItem* item) {
  action->setProperty(ItemProperty, QVariant::fromValue(static_cast<void*>(const_cast<TMenuItem*>(item))));
  action->setEnabled(item->Enabled());
  action->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
  action->setChecked(item->Checked());
  action->setStatusTip(QString::fromStdString(item->Hint()));
  if (item->Default()) {
    QFont font = action->font();
    font.setBold(true);
    action->setFont(font);
  }
}

QMenu* MakeSubMenu(const TMenuItem* parent, QWidget* owner) {
  auto* menu = new QMenu(QString::fromStdString(parent->Caption()), owner);
  FillMenu(menu, parent);
  return menu;
}

void FillMenu(QMenu* menu, const TMenuItem* parent) {
  for (int32_t i = 0; i < parent->Count(); ++i) {
    const TMenuItem* item = parent->Items(i);
    if (!item->Visible()) continue;
    if (item->IsLine()) {
      menu->addSeparator();
      continue;
    }
    QAction* action;
    if (item->Count() > 0) {
      action = menu->addMenu(MakeSubMenu(item, menu));
      action->setText(ActionText(item));
    } else {
      action = menu->addAction(ActionText(item));
    }
    DescribeAction(action, item);
  }
}

TMenuItem* ActionItem(const QAction* action) {
  return action ? static_cast<TMenuItem*>(action->property(ItemProperty).value<void*>()) : nullptr;
}
