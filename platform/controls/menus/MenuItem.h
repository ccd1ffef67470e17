#pragma once
// TMenuItem: one entry of a menu, and the list of the entries below it.
//
// A caption marks its accelerator with '&' ("&File"; "&&" is a plain '&'),
// and "-" makes a separator. Items are components of the form (their Owner)
// and children of their parent item: a parent frees its children, and an
// item freed on its own leaves its parent's list. In form files the items of
// a menu are nested objects below the menu.

#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/controls/menus/ShortCuts.h"

class TMenu;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
MORVANE_ENUM_TYPEINFO(TMenuBreak, mbNone, mbBreak, mbBarBreak);

// Named integer types of the items' properties, for their editors.
PTypeInfo TypeInfoTHelpContext();
PTypeInfo TypeInfoTImageIndex();

enum TMenuItemAutoFlag { maAutomatic, maManual, maParent };
MORVANE_ENUM_TYPEINFO(TMenuItemAutoFlag, maAutomatic, maManual, maParent);

class TMenuItem : public TComponent {
  MORVANE_CLASS(TMenuItem, TComponent)

 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;

  // The items below this one.
  int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
  TMenuItem* Items(int32_t index) const;
  TMenuItem* operator[](int32_t index) const { return Items(index); }
  // Raises EMenuError for an item that already has a parent.
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Insert(int32_t index, TMenuItem* item);
  // Takes the item out of the list without freeing it, as Remove does.
  void Delete(int32_t index);
  void Remove(TMenuItem* item);
  // Frees the items below this one.
  void Clear();
  int32_t IndexOf(const TMenuItem* item) const;
  // The item below this one with that caption, accelerators and letter case
  // not counting; null when there is none.
  TMenuItem* Find(const std::string& caption) const;
  TMenuItem* Parent() const { return FParent; }
  // The place in the parent's list; setting it moves the item there.
  int32_t MenuIndex() const;
  void SetMenuIndex(int32_t value);
  bool IsLine() const { return FCaption == "-"; }

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  // Checking a radio item unchecks the others of its group beside it.
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value);
  uint8_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(uint8_t value);
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool value) { FAutoCheck = value; }
  TMenuItemAutoFlag AutoHotkeys() const { return FAutoHotkeys; }
  void SetAutoHotkeys(TMenuItemAutoFlag value) { FAutoHotkeys = value; }
  TMenuItemAutoFlag AutoLineReduction() const { return FAutoLineReduction; }
  void SetAutoLineReduction(TMenuItemAutoFlag value) { FAutoLineReduction = value; }
  TMenuBreak Break() const { return FBreak; }
  void SetBreak(TMenuBreak value) { FBreak = value; }
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  int32_t HelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t value) { FHelpContext = value; }
  int32_t ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t value);
  // The action the item stands for; a plain reference kept for the files.
  TComponent* Action() const { return FAction; }
  void SetAction(TComponent* value);

  // Toggles Checked when AutoCheck holds, then fires OnClick; nothing for a
  // disabled item.
  virtual void Click();
  TNotifyEvent OnClick;

  // The menu the item belongs to (through its parents), or null.
  TMenu* GetParentMenu() const;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* value) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void SetChildOrder(TComponent* child, int32_t order) override;

  static void Publish(TPublisher<TMenuItem>& p);

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Tells the menu that it must show itself again.
  void MenuChanged();

 private:
  friend class TMenu;
  void TurnSiblingsOff();

  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  // Set on a menu's root item only.
  TMenu* FMenu = nullptr;
  std::string FCaption;
  TShortCut FShortCut = scNone;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FDefault = false;
  bool FRadioItem = false;
  uint8_t FGroupIndex = 0;
  bool FAutoCheck = false;
  TMenuItemAutoFlag FAutoHotkeys = maParent;
  TMenuItemAutoFlag FAutoLineReduction = maParent;
  TMenuBreak FBreak = mbNone;
  std::string FHint;
  int32_t FHelpContext = 0;
  int32_t FImageIndex = -1;
  TComponent* FAction = nullptr;
};

// The caption without its accelerator marks: "&Save && Exit" -> "Save & Exit".
std::string StripHotkey(const std::string& caption);
