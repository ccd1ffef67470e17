// A module for the module tests: one export by an arbitrary name, one by a
// plain linker symbol.

#include "platform/windows/ModuleTable.h"

namespace {
int UnitRegister() { return 51; }
}  // namespace

MORVANE_EXPORT("Unit.Register@51F89FF7", UnitRegister);

extern "C" __attribute__((visibility("default"))) int PlainExport() { return 7; }
