#pragma once
// What placing, paste and form load share: the inspector's update bracket,
// a reader that drops event handler names, and the list of arrived items.

#include <cstdint>
#include <vector>

#include "designer/ObjIntf.h"
#include "platform/classes/Reader.h"
#include "platform/controls/Controls.h"

// Brackets bulk creation in the inspector and closes the bracket however the
// block is left, also when reading raises.
class TInspectorUpdate {
 public:
  explicit TInspectorUpdate(TObjInspector* AInspector);
  ~TInspectorUpdate();
  TInspectorUpdate(const TInspectorUpdate&) = delete;
  TInspectorUpdate& operator=(const TInspectorUpdate&) = delete;

 private:
  TObjInspector* FInspector;
};

// Handler names in designed text belong to code this program does not have:
// the reader answers them with no method and no error, so they are dropped.
void DropHandlerNames(TReader& Reader);

// Appends to Loaded, in arrival order, the controls among Owner's components
// from FirstIndex on that it does not hold yet. A component made with an
// owner is announced before it is finished, so arrivals are gathered once
// reading is done.
void CollectLoaded(TComponent* Owner, int32_t FirstIndex, std::vector<TControl*>& Loaded);
