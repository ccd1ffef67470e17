#pragma once
// What the test package's units report to the test program that loaded them
// ("UnitAlpha.Initialize" ...). The test program defines it.

#include <string>

void PackageTestLog(const std::string& event);
