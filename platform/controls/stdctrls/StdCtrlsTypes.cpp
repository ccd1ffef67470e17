#include "platform/controls/stdctrls/StdCtrlsTypes.h"

PTypeInfo TypeInfoTLeftRight() {
  static const TTypeInfo info = MakeEnumTypeInfo("TLeftRight", "taLeftJustify, taRightJustify");
  return &info;
}
