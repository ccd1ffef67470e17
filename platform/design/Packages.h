#pragma once
// Loading package modules at run time. A package is a shared library (a
// ".dpl" file built with cmake/DesignPackage.cmake) with a PACKAGEINFO
// resource and exports named after its units.

#include <string>

#include "platform/design/PackageInfo.h"
#include "platform/windows/WinTypes.h"

// Loads the package Name and answers its module. Name is looked for as given
// (a relative path from the current directory), then in the program's
// directory, then through the system's library search; in the folders the
// file name matches without regard to letter case when the exact name does
// not exist, so "PKGSTD30.DPL" finds pkgstd30.dpl. Then loads the packages it
// requires (Name.dpl beside it or found the same way) and runs its units'
// initializations in order. Loading a package again counts one more use.
// Raises EPackageError with the system's reason when it cannot load; nothing
// stays loaded then. A module without PACKAGEINFO, or whose PACKAGEINFO
// marks it as a program or a library, loads with nothing to initialize.
HMODULE LoadPackage(const std::string& Name);
// Gives back one use; at the last one runs the units' finalizations in the
// reverse order, unloads the module and gives back its required packages.
// Raises EPackageError for a module that LoadPackage did not load.
void UnloadPackage(HMODULE Module);

// The module's PACKAGEINFO; false when it has none. Raises EPackageError
// when it is damaged.
bool GetPackageInfo(HMODULE Module, TPackageInfo& Info);

// The registration export of a unit: "Unit.Register@51F89FF7".
std::string UnitRegisterExportName(const std::string& UnitName);
