#pragma once
// TMainMenu: the menu bar of the form whose Menu it is. The bar is a real
// QMenuBar along the top of the form's window; it follows every change to
// the items. While one of its menus is open the form gets WM_ENTERMENULOOP,
// and WM_EXITMENULOOP when it closes. The form's key messages are checked
// against the items' shortcuts.

#include "platform/controls/menus/Menu.h"

class QMenuBar;
class TCustomForm;

class TMainMenu : public TMenu {
  MORVANE_CLASS(TMainMenu, TMenu)

 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;

  bool AutoMerge() const { return FAutoMerge; }
  void SetAutoMerge(bool value) { FAutoMerge = value; }

  // The form showing the bar, or null.
  TCustomForm* Form() const { return FForm; }
  // Shows the bar on form (null: nowhere).
  void AttachTo(TCustomForm* form);
  // The bar on screen, or null while no form shows it.
  QMenuBar* MenuBar() const;
  // The bar's height on screen, 0 without one.
  int32_t BarHeight() const;

  void Changed(TMenuItem* item) override;
  // The form's Menu changed or its window was made: the bar goes to the
  // form's main menu, away from any other.
  static void FormMenuChanged(TCustomForm* form);

  static void Publish(TPublisher<TMainMenu>& p);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void RebuildBar();
  bool FAutoMerge = false;
  TCustomForm* FForm = nullptr;
};
