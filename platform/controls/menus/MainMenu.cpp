#include "platform/controls/menus/MainMenu.h"

#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "platform/controls/Form.h"
#include "platform/controls/menus/MenuWidgets.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

constexpr const char* BarName = "morvaneMainMenuBar";

// The main menus alive, so that a form's new menu can take the bar from
// the one it had.
std::vector<TMainMenu*>& MainMenus() {
  static std::vector<TMainMenu*> menus;
  return menus;
}

QWidget* FormWidget(TCustomForm* form) {
  if (!form || !form->HandleAllocated() || form->ComponentState().Contains(csDestroying)) return nullptr;
  return WindowWidget(form->Handle());
}

}  // namespace

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) { MainMenus().push_back(this); }

TMainMenu::~TMainMenu() {
  AttachTo(nullptr);
  std::erase(MainMenus(), this);
}

void TMainMenu::FormMenuChanged(TCustomForm* form) {
  auto* wanted = dynamic_cast<TMainMenu*>(form->Menu());
  for (TMainMenu* menu : MainMenus())
    if (menu->FForm == form && menu != wanted) menu->AttachTo(nullptr);
  if (wanted) wanted->AttachTo(form);
}

QMenuBar* TMainMenu::MenuBar() const {
  QWidget* widget = FormWidget(FForm);
  return widget ? widget->findChild<QMenuBar*>(BarName, Qt::FindDirectChildrenOnly) : nullptr;
}

int32_t TMainMenu::BarHeight() const {
  QMenuBar* bar = MenuBar();
  return bar ? bar->height() : 0;
}

void TMainMenu::AttachTo(TCustomForm* form) {
  if (FForm && FForm != form) {
    // deleteLater: the bar may be the sender of what runs now.
    if (QMenuBar* bar = MenuBar()) {
      // The client area takes the bar's room back.
      SetWindowMenuBar(FForm->Handle(), nullptr);
      bar->hide();
      bar->deleteLater();
      bar->setObjectName(QString());
    }
    FForm->RemoveFreeNotification(this);
  }
  FForm = form;
  if (!form) return;
  form->FreeNotification(this);
  RebuildBar();
}

void TMainMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FForm) FForm = nullptr;
}

void TMainMenu::Changed(TMenuItem* item) {
  inherited::Changed(item);
  RebuildBar();
}

void TMainMenu::RebuildBar() {
  QWidget* widget = FormWidget(FForm);
  if (!widget) return;
  QMenuBar* bar = MenuBar();
  if (!bar) {
    bar = new QMenuBar(widget);
    bar->setObjectName(BarName);
    QObject::connect(bar, &QMenuBar::triggered, bar, [this](QAction* action) {
      TMenuItem* item = ActionItem(action);
      if (ContainsItem(item)) item->Click();
    });
  }
  // The old actions and menus may be running a signal now: they go later.
  for (QAction* action : bar->actions()) {
    bar->removeAction(action);
    if (QMenu* menu = action->menu()) menu->deleteLater();
    if (action->parent() == bar) action->deleteLater();
  }
  HWND window = FForm->Handle();
  for (int32_t i = 0; i < Items()->Count(); ++i) {
    TMenuItem* item = Items()->Items(i);
    if (!item->Visible()) continue;
    QAction* action;
    if (item->Count() > 0) {
      QMenu* menu = MakeSubMenu(item, bar);
      // The form hears that a menu runs, as it does for a popup menu.
      QObject::connect(menu, &QMenu::aboutToShow, bar, [window] {
        if (IsWindow(window)) SendMessage(window, WM_ENTERMENULOOP, 0, 0);
      });
      QObject::connect(menu, &QMenu::aboutToHide, bar, [window] {
        if (IsWindow(window)) SendMessage(window, WM_EXITMENULOOP, 0, 0);
      });
      action = bar->addMenu(menu);
    } else {
      action = bar->addAction(QString::fromStdString(item->Caption()));
    }
    DescribeAction(action, item);
  }
  // The window keeps the bar across its top and its client area below it;
  // a bar that changed height moves the client area along.
  SetWindowMenuBar(window, bar);
}

void TMainMenu::Publish(TPublisher<TMainMenu>& p) {
  p.Property("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(false);
}
