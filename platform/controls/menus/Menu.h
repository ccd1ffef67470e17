#pragma once
// TMenu: the base of main and popup menus. Its Items is a root item that the
// menu owns; the items below it are the menu's entries.

#include "platform/controls/menus/MenuItem.h"
#include "platform/windows/WinTypes.h"

class TWinControl;

using TMenuChangeEvent = TEvent<void(TObject* Sender, TMenuItem* Source, bool Rebuild)>;
MORVANE_EVENT_TYPEINFO(TMenuChangeEvent, "Sender: TObject; Source: TMenuItem; Rebuild: Boolean");

// A menu's AutoHotkeys and AutoLineReduction take the first two values of
// TMenuItemAutoFlag.
using TMenuAutoFlag = TMenuItemAutoFlag;
PTypeInfo TypeInfoTMenuAutoFlag();

class TMenu : public TComponent {
  MORVANE_CLASS(TMenu, TComponent)

 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem* Items() const { return FItems; }
  TComponent* Images() const { return FImages; }
  void SetImages(TComponent* value);
  TMenuAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuAutoFlag value) { FAutoHotkeys = value; }
  TMenuAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuAutoFlag value) { FAutoLineReduction = value; }
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value) { FOwnerDraw = value; }

  // Runs the enabled, visible item whose shortcut the key makes; true when
  // one ran.
  bool IsShortCut(WORD key, TShiftState shift);
  // The item, anywhere below Items, with that shortcut; null when none.
  TMenuItem* FindShortCut(TShortCut shortCut) const;
  // Whether item is still one of this menu's (a click must not reach an
  // item freed while its menu was open).
  bool ContainsItem(const TMenuItem* item) const;

  // Fires OnChange and shows the menu again where it is shown.
  virtual void Changed(TMenuItem* item);
  TMenuChangeEvent OnChange;

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int32_t order) override;

  static void Publish(TPublisher<TMenu>& p);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The window that hears WM_ENTERMENULOOP and WM_EXITMENULOOP: the nearest
  // windowed owner, else fallback's form, else the application's window.
  HWND LoopWindow(TComponent* fallback) const;

 private:
  TMenuItem* FItems;
  TComponent* FImages = nullptr;
  TMenuAutoFlag FAutoHotkeys = maAutomatic;
  TMenuAutoFlag FAutoLineReduction = maAutomatic;
  bool FOwnerDraw = false;
};
