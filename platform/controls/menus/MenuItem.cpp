#include "platform/controls/menus/MenuItem.h"

#include <algorithm>

#include "platform/controls/menus/Menu.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

std::string StripHotkey(const std::string& caption) {
  std::string result;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    else if (caption[i] == '&') continue;
    result += caption[i];
  }
  return result;
}

PTypeInfo TypeInfoTHelpContext() {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, "THelpContext", otSLong, -2147483647, 2147483647);
  return &info;
}

PTypeInfo TypeInfoTImageIndex() {
  static const TTypeInfo info = MakeOrdinalTypeInfo(tkInteger, "TImageIndex", otSLong, INT32_MIN, INT32_MAX);
  return &info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  Clear();
}

TMenuItem* TMenuItem::Items(int32_t index) const {
  if (index < 0 || index >= Count())
    throw EMenuError("Menu index out of range: " + IntToStr(index) + " of " + IntToStr(Count()));
  return FItems[static_cast<size_t>(index)];
}

void TMenuItem::Insert(int32_t index, TMenuItem* item) {
  if (!item) return;
  if (item->FParent) throw EMenuError("Menu item \"" + item->FCaption + "\" is already in a menu");
  for (const TMenuItem* p = this; p; p = p->FParent)
    if (p == item) throw EMenuError("A menu item cannot be placed below itself");
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  MenuChanged();
}

void TMenuItem::Delete(int32_t index) {
  TMenuItem* item = Items(index);
  FItems.erase(FItems.begin() + index);
  item->FParent = nullptr;
  MenuChanged();
}

void TMenuItem::Remove(TMenuItem* item) {
  int32_t index = IndexOf(item);
  if (index < 0) throw EMenuError("The item is not in this menu");
  Delete(index);
}

void TMenuItem::Clear() {
  // Each item leaves the list as it goes (its destructor calls Remove).
  while (!FItems.empty()) FItems.back()->Free();
}

int32_t TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int32_t>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& caption) const {
  const std::string wanted = StripHotkey(caption);
  for (TMenuItem* item : FItems)
    if (AnsiSameText(StripHotkey(item->FCaption), wanted)) return item;
  return nullptr;
}

int32_t TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int32_t value) {
  if (!FParent) return;
  TMenuItem* parent = FParent;
  parent->Remove(this);
  parent->Insert(value, this);
}

void TMenuItem::SetCaption(const std::string& value) {
  if (FCaption == value) return;
  FCaption = value;
  MenuChanged();
}

void TMenuItem::SetShortCut(TShortCut value) {
  if (FShortCut == value) return;
  FShortCut = value;
  MenuChanged();
}

void TMenuItem::SetChecked(bool value) {
  if (FChecked == value) return;
  FChecked = value;
  if (value && FRadioItem) TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::TurnSiblingsOff() {
  if (!FParent) return;
  for (TMenuItem* item : FParent->FItems)
    if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex && item->FChecked) {
      item->FChecked = false;
      item->MenuChanged();
    }
}

void TMenuItem::SetEnabled(bool value) {
  if (FEnabled == value) return;
  FEnabled = value;
  MenuChanged();
}

void TMenuItem::SetVisible(bool value) {
  if (FVisible == value) return;
  FVisible = value;
  MenuChanged();
}

void TMenuItem::SetDefault(bool value) {
  if (FDefault == value) return;
  // One default item per list.
  if (value && FParent)
    for (TMenuItem* item : FParent->FItems) item->FDefault = false;
  FDefault = value;
  MenuChanged();
}

void TMenuItem::SetRadioItem(bool value) {
  if (FRadioItem == value) return;
  FRadioItem = value;
  if (value && FChecked) TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::SetGroupIndex(uint8_t value) {
  if (FGroupIndex == value) return;
  FGroupIndex = value;
  if (FRadioItem && FChecked) TurnSiblingsOff();
  MenuChanged();
}

void TMenuItem::SetImageIndex(int32_t value) {
  if (FImageIndex == value) return;
  FImageIndex = value;
  MenuChanged();
}

void TMenuItem::SetAction(TComponent* value) {
  if (FAction) FAction->RemoveFreeNotification(this);
  FAction = value;
  if (value) value->FreeNotification(this);
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FAction) FAction = nullptr;
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(!FChecked);
  if (OnClick) OnClick(this);
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

void TMenuItem::MenuChanged() {
  if (TMenu* menu = GetParentMenu(); menu && !menu->ComponentState().Contains(csDestroying)) menu->Changed(this);
}

TComponent* TMenuItem::GetParentComponent() const {
  if (FParent && FParent->FMenu) return FParent->FMenu;
  return FParent;
}

void TMenuItem::SetParentComponent(TComponent* value) {
  if (FParent) FParent->Remove(this);
  if (auto* menu = dynamic_cast<TMenu*>(value)) menu->Items()->Add(this);
  else if (auto* item = dynamic_cast<TMenuItem*>(value)) item->Add(this);
}

void TMenuItem::GetChildren(const TGetChildProc& proc, TComponent* root) {
  for (TMenuItem* item : FItems)
    if (item->Owner() == root) proc(item);
}

void TMenuItem::SetChildOrder(TComponent* child, int32_t order) {
  if (auto* item = dynamic_cast<TMenuItem*>(child); item && item->FParent == this) item->SetMenuIndex(order);
}

void TMenuItem::Publish(TPublisher<TMenuItem>& p) {
  p.Property("Action", &TMenuItem::Action, &TMenuItem::SetAction);
  p.Property("AutoCheck", &TMenuItem::AutoCheck, &TMenuItem::SetAutoCheck).Default(false);
  p.Property("AutoHotkeys", &TMenuItem::AutoHotkeys, &TMenuItem::SetAutoHotkeys).Default(maParent);
  p.Property("AutoLineReduction", &TMenuItem::AutoLineReduction, &TMenuItem::SetAutoLineReduction)
      .Default(maParent);
  p.Property("Break", &TMenuItem::Break, &TMenuItem::SetBreak).Default(mbNone);
  p.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption).Type(TypeInfoTCaption());
  p.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
  p.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).Default(false);
  p.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
  p.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
  p.Property("HelpContext", &TMenuItem::HelpContext, &TMenuItem::SetHelpContext)
      .Type(TypeInfoTHelpContext())
      .Default(0);
  p.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
  p.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
      .Type(TypeInfoTImageIndex())
      .Default(-1);
  p.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
  p.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Type(TypeInfoTShortCut()).Default(0);
  p.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
  p.Event("OnClick", &TMenuItem::OnClick);
}
