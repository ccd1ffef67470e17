#pragma once
// What a unit of a design package writes to take part in loading. In the
// unit's source file:
//
//   MORVANE_UNIT_REGISTER(MyButtons) {
//     RegisterComponents("Samples", {ClassOf<TMyButton>()});
//   }
//   MORVANE_UNIT_INITIALIZATION(MyButtons) { ... }   // optional
//   MORVANE_UNIT_FINALIZATION(MyButtons) { ... }     // optional
//
// The unit name must be the one listed for the package (letter case counts).
// They become the module's exports "MyButtons.Register@51F89FF7",
// "MyButtons.Initialize" and "MyButtons.Finalize". LoadPackage runs the
// initializations in unit order and UnloadPackage the finalizations in the
// reverse order; the designer calls the registrations after loading.

#include "platform/windows/ModuleTable.h"

#define MORVANE_PACKAGE_STR2(x) #x
#define MORVANE_PACKAGE_STR(x) MORVANE_PACKAGE_STR2(x)

#define MORVANE_UNIT_EXPORT(Unit, Suffix, Function) \
  static void Function();                           \
  MORVANE_EXPORT(MORVANE_PACKAGE_STR(Unit) Suffix, Function);  \
  static void Function()

#define MORVANE_UNIT_REGISTER(Unit) \
  MORVANE_UNIT_EXPORT(Unit, ".Register@51F89FF7", MorvaneRegister_##Unit)
#define MORVANE_UNIT_INITIALIZATION(Unit) \
  MORVANE_UNIT_EXPORT(Unit, ".Initialize", MorvaneInitialize_##Unit)
#define MORVANE_UNIT_FINALIZATION(Unit) \
  MORVANE_UNIT_EXPORT(Unit, ".Finalize", MorvaneFinalize_##Unit)
