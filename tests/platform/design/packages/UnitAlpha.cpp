// UnitAlpha of the test package: one component class, its registration and
// its initialization and finalization, which report themselves to the test.

#include "platform/classes/Component.h"
#include "platform/design/ComponentRegistration.h"
#include "platform/design/PackageUnit.h"
#include "tests/platform/design/packages/PackageTestLog.h"

namespace {
class TAlphaButton : public TComponent {
  MORVANE_CLASS(TAlphaButton, TComponent)

 public:
  using TComponent::TComponent;
};
}  // namespace

MORVANE_UNIT_INITIALIZATION(UnitAlpha) { PackageTestLog("UnitAlpha.Initialize"); }
MORVANE_UNIT_FINALIZATION(UnitAlpha) { PackageTestLog("UnitAlpha.Finalize"); }
MORVANE_UNIT_REGISTER(UnitAlpha) { RegisterComponents("Buttons", {ClassOf<TAlphaButton>()}); }
