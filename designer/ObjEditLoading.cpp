#include "designer/ObjEditLoading.h"

#include <unordered_set>

TInspectorUpdate::TInspectorUpdate(TObjInspector* AInspector) : FInspector(AInspector) {
  if (FInspector) FInspector->BeginUpdate();
}

TInspectorUpdate::~TInspectorUpdate() {
  if (FInspector) FInspector->EndUpdate();
}

void DropHandlerNames(TReader& Reader) {
  Reader.OnFindMethod = [](TReader&, const std::string&, void*& Address, bool& Error) {
    Address = nullptr;
    Error = false;
  };
}

void CollectLoaded(TComponent* Owner, int32_t FirstIndex, std::vector<TControl*>& Loaded) {
  std::unordered_set<TControl*> Known(Loaded.begin(), Loaded.end());
  for (int32_t I = FirstIndex; Owner && I < Owner->ComponentCount(); ++I)
    if (auto* Control = dynamic_cast<TControl*>(Owner->Components(I)))
      if (Known.insert(Control).second) Loaded.push_back(Control);
}
