#pragma once
// Identifiers for integer values of a type, so that an integer property can
// stream and edit as a name: TColor clBtnFace, TCursor crArrow. The layers that
// own the tables (graphics, controls) register them per type information.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtti/TypeData.h"

using TIdentToInt = std::function<bool(const std::string& ident, int32_t& value)>;
using TIntToIdent = std::function<bool(int32_t value, std::string& ident)>;

struct TIdentMapEntry {
  int32_t Value;
  const char* Name;
};

// Look-ups in a table; identifiers compare case-insensitively.
bool IdentToInt(const std::string& ident, int32_t& value, const std::vector<TIdentMapEntry>& map);
bool IntToIdent(int32_t value, std::string& ident, const std::vector<TIdentMapEntry>& map);

// A later registration for the same type replaces the earlier one.
void RegisterIntegerConsts(PTypeInfo integerType, TIdentToInt identToInt, TIntToIdent intToIdent);
void UnregisterIntegerConsts(PTypeInfo integerType);
// nullptr (an empty function) when the type has no identifiers.
TIntToIdent FindIntToIdent(PTypeInfo integerType);
TIdentToInt FindIdentToInt(PTypeInfo integerType);
