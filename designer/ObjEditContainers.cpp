#include "designer/ObjEdit.h"

#include <algorithm>

// Where the containers of non-visual components and the design popup menu
// plug in. Containers are not made yet, so Containers stays empty.

// The design popup menu is built and shown once its commands exist.
TPopupMenu* TObjectEditor::CreatePopupMenu() { return nullptr; }
void TObjectEditor::ShowPopupMenu(TPoint) {}

void TObjectEditor::CreateContainers() {}

void TObjectEditor::FreeContainers() {
  // A container takes itself out of the list when it goes.
  while (!Containers.empty()) {
    TEditContainer* container = Containers.back();
    Containers.pop_back();
    reinterpret_cast<TObject*>(container)->Free();
  }
}

TEditContainer* TObjectEditor::FindContainer(TComponent* Component) const {
  auto it = std::find_if(Containers.begin(), Containers.end(), [Component](TEditContainer* c) {
    return ComponentOf(reinterpret_cast<TControl*>(c)) == Component;
  });
  return it != Containers.end() ? *it : nullptr;
}

void TObjectEditor::PositionLoadedContainers() {}
