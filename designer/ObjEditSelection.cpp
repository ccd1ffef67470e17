#include "designer/ObjEdit.h"

#include <algorithm>

// The selection: which items are selected, their grab and marks, and what the
// inspector is told.

bool TObjectEditor::IsSelected(TControl* Item) const {
  return std::find(Selection.begin(), Selection.end(), Item) != Selection.end();
}

void TObjectEditor::AddToSelection(TControl* Item, bool ClearFirst) {
  if (ClearFirst) UnselectAll();
  if (!Item || IsSelected(Item)) return;
  Selection.push_back(Item);
  if (Selection.size() == 1) {
    Grab->SetControl(Item);
    if (DragState.Kind == dkNone) Grab->SetVisible(true);
  } else {
    if (Grab->Visible) {
      Grab->SetVisible(false);
      if (Grab->Control) DrawSelectionMarks(Grab->Control);
    }
    DrawSelectionMarks(Item);
  }
  new TEditSelector(this, Item);  // frees itself on WM_UNSELECT
}

void TObjectEditor::RemoveFromSelection(TControl* Item) {
  auto it = std::find(Selection.begin(), Selection.end(), Item);
  if (it == Selection.end()) return;
  Selection.erase(it);
  Item->Perform(WM_UNSELECT, 0, 0);
  EraseSelectionMarks(Item);
  if (Item == Grab->Control) Grab->SetControl(nullptr);
  if (Selection.size() != 1) return;
  TControl* remaining = Selection.front();
  // The last one's mark painter goes: one item shows handles, not marks.
  remaining->Perform(WM_UNSELECT, 0, 0);
  EraseSelectionMarks(remaining);
  if (remaining == Grab->Control)
    Grab->Reposition();
  else
    Grab->SetControl(remaining);
  if (DragState.Kind == dkNone) Grab->SetVisible(true);
}

void TObjectEditor::UnselectAll() {
  // Taken out of the list first: a painter's unhooking may reach back here.
  std::vector<TControl*> items;
  items.swap(Selection);
  for (TControl* item : items) item->Perform(WM_UNSELECT, 0, 0);
  for (TControl* item : items) EraseSelectionMarks(item);
  if (Grab) Grab->SetControl(nullptr);
}

void TObjectEditor::KeepSameParent(TControl* Reference) {
  if (Selection.empty()) return;
  TWinControl* parent = (Reference ? Reference : Selection.front())->Parent();
  bool removed = false;
  for (size_t i = Selection.size(); i-- > 0;) {
    if (i >= Selection.size()) continue;
    TControl* item = Selection[i];
    if (item->Parent() != parent) {
      RemoveFromSelection(item);
      removed = true;
    }
  }
  if (removed) NotifySelection();
}

// TEditContainer is a custom control that is only declared until containers
// are made; the casts below are plain pointer conversions along its bases.
void TObjectEditor::UnselectContainers() {
  for (size_t i = Selection.size(); i-- > 0;) {
    if (i >= Selection.size()) continue;
    TControl* item = Selection[i];
    if (std::find(Containers.begin(), Containers.end(),
                  reinterpret_cast<TEditContainer*>(item)) != Containers.end())
      RemoveFromSelection(item);
  }
}

void TObjectEditor::NotifySelection() {
  if (!Inspector) return;
  if (Selection.size() >= 2) {
    auto* list = new TComponentList;
    for (TControl* item : Selection) list->Add(ComponentOf(item));
    Inspector->SetSelections(list);
  } else if (Selection.size() == 1) {
    Inspector->InspectObject(ComponentOf(Grab->Control ? Grab->Control : Selection.front()));
  } else if (EditControl) {
    Inspector->InspectObject(EditControl);
  }
}

TComponent* TObjectEditor::PrimaryComponent() {
  return Grab && Grab->Visible && Grab->Control ? ComponentOf(Grab->Control) : nullptr;
}

bool TObjectEditor::IsDesignComponent(TComponent* Component) const {
  if (!Component || !Form || Component->Owner() != Form) return false;
  return dynamic_cast<TControl*>(Component) || !Component->HasParent();
}

TComponent* TObjectEditor::FindDesignComponent(TComponent* Component) const {
  while (Component && Component != Form && !IsDesignComponent(Component))
    Component = Component->GetParentComponent();
  return Component;
}

// A container of a non-visual component stands for that component; until
// containers are made every item is a control and stands for itself.
TComponent* TObjectEditor::ComponentOf(TControl* Item) { return Item; }

// ---- the selection side of TFormDesigner ------------------------------------------

void TObjectEditor::GetSelections(TComponentList* List) {
  if (!List) return;
  if (Inspector) {
    TComponentList* inspected = Inspector->GetSelection();
    for (int32_t i = 0; inspected && i < inspected->Count(); ++i) List->Add(inspected->Items(i));
  } else {
    for (TControl* item : Selection) List->Add(ComponentOf(item));
  }
}

namespace {
// The selection item that stands for a design component: the control
// itself, or the container of a non-visual one (null when it has none).
TControl* ItemOf(const TObjectEditor& designer, TComponent* component) {
  if (auto* control = dynamic_cast<TControl*>(component)) return control;
  return reinterpret_cast<TControl*>(designer.FindContainer(component));
}
}  // namespace

void TObjectEditor::SelectComponent(TPersistent* Instance) {
  TComponent* old = PrimaryComponent();
  TComponent* found = FindDesignComponent(dynamic_cast<TComponent*>(Instance));
  if (found != old) {
    UnselectAll();
    if (found && found != Form)
      if (TControl* item = ItemOf(*this, found)) AddToSelection(item, false);
  }
  if (Inspector) Inspector->InspectObject(Instance);
}

void TObjectEditor::SetSelections(TComponentList* List) {
  const int32_t count = List ? List->Count() : 0;
  TComponent* found =
      count == 1 ? FindDesignComponent(dynamic_cast<TComponent*>(List->Items(0))) : nullptr;
  if (count != 1 || !found || found == Form) {
    UnselectAll();
  } else if (found != PrimaryComponent()) {
    if (TControl* item = ItemOf(*this, found)) AddToSelection(item, true);
  }
  if (Inspector) {
    auto* copy = new TComponentList;
    for (int32_t i = 0; i < count; ++i) copy->Add(List->Items(i));
    Inspector->SetSelections(copy);
  }
}
