// UnitGamma of the test package: one component class, its registration and
// its initialization and finalization, which report themselves to the test.

#include "platform/classes/Component.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/PackageUnit.h"
#include "tests/platform/design/packages/PackageTestLog.h"

namespace {
class TGammaTimer : public TComponent {
  MORVANE_CLASS(TGammaTimer, TComponent)

 public:
  using TComponent::TComponent;
};
}  // namespace

MORVANE_UNIT_INITIALIZATION(UnitGamma) { PackageTestLog("UnitGamma.Initialize"); }
MORVANE_UNIT_FINALIZATION(UnitGamma) { PackageTestLog("UnitGamma.Finalize"); }
MORVANE_UNIT_REGISTER(UnitGamma) { RegisterComponents("System", {ClassOf<TGammaTimer>()}); }
