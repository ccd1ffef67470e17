#include "platform/controls/menus/Menu.h"

#include "platform/controls/Application.h"
#include "platform/controls/Control.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinControl.h"

PTypeInfo TypeInfoTMenuAutoFlag() {
  static const TTypeInfo info = MakeEnumTypeInfo("TMenuAutoFlag", "maAutomatic, maManual");
  return &info;
}

// The root is the menu's own, not a component of anyone: it never streams.
TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() {
  // The root frees the items below it; they leave the owner as they go.
  TMenuItem* items = FItems;
  items->FMenu = nullptr;
  FItems = nullptr;
  items->Free();
}

void TMenu::SetImages(TComponent* value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = value;
  if (value) value->FreeNotification(this);
  Changed(nullptr);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation == opRemove && component == FImages) FImages = nullptr;
}

namespace {

TMenuItem* FindShortCutIn(const TMenuItem* parent, TShortCut shortCut) {
  for (int32_t i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (!item->Visible()) continue;
    if (item->ShortCut() == shortCut && item->Count() == 0) return item;
    // A disabled submenu hides the shortcuts below it, as a user could not
    // reach them either.
    if (item->Enabled())
      if (TMenuItem* found = FindShortCutIn(item, shortCut)) return found;
  }
  return nullptr;
}

bool Contains(const TMenuItem* parent, const TMenuItem* wanted) {
  for (int32_t i = 0; i < parent->Count(); ++i)
    if (parent->Items(i) == wanted || Contains(parent->Items(i), wanted)) return true;
  return false;
}

}  // namespace

TMenuItem* TMenu::FindShortCut(TShortCut shortCut) const {
  return shortCut == scNone ? nullptr : FindShortCutIn(FItems, shortCut);
}

bool TMenu::IsShortCut(WORD key, TShiftState shift) {
  TMenuItem* item = FindShortCut(ShortCut(key, shift));
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}

bool TMenu::ContainsItem(const TMenuItem* item) const { return item && FItems && Contains(FItems, item); }

void TMenu::Changed(TMenuItem* item) {
  if (OnChange) OnChange(this, item, true);
}

void TMenu::GetChildren(const TGetChildProc& proc, TComponent* root) { FItems->GetChildren(proc, root); }

void TMenu::SetChildOrder(TComponent* child, int32_t order) { FItems->SetChildOrder(child, order); }

HWND TMenu::LoopWindow(TComponent* fallback) const {
  for (TComponent* c = Owner(); c; c = c->Owner())
    if (auto* window = dynamic_cast<TWinControl*>(c)) return window->Handle();
  if (auto* control = dynamic_cast<TControl*>(fallback))
    if (TCustomForm* form = control->ParentForm()) return form->Handle();
  // A menu of nobody's (the designer's) still runs its loop on a window, so
  // that hooks watching for menu loops see it.
  return Application ? Application->Handle() : nullptr;
}

void TMenu::Publish(TPublisher<TMenu>& p) {
  p.Property("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys)
      .Type(TypeInfoTMenuAutoFlag())
      .Default(maAutomatic);
  p.Property("AutoLineReduction", &TMenu::AutoLineReduction, &TMenu::SetAutoLineReduction)
      .Type(TypeInfoTMenuAutoFlag())
      .Default(maAutomatic);
  p.Property("Images", &TMenu::Images, &TMenu::SetImages);
  p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
  p.Event("OnChange", &TMenu::OnChange);
}
