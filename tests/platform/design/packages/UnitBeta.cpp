// UnitBeta of the test package: one component class, its registration and
// its initialization and finalization, which report themselves to the test.

#include "platform/classes/Component.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/PackageUnit.h"
#include "tests/platform/design/packages/PackageTestLog.h"

namespace {
class TBetaLabel : public TComponent {
  MORVANE_CLASS(TBetaLabel, TComponent)

 public:
  using TComponent::TComponent;
};
}  // namespace

MORVANE_UNIT_INITIALIZATION(UnitBeta) { PackageTestLog("UnitBeta.Initialize"); }
MORVANE_UNIT_FINALIZATION(UnitBeta) { PackageTestLog("UnitBeta.Finalize"); }
MORVANE_UNIT_REGISTER(UnitBeta) { RegisterComponents("Labels", {ClassOf<TBetaLabel>()}); }
