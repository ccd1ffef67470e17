#include "platform/controls/grids/GridsUnit.h"

#include "platform/classes/ClassRegistry.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/controls/grids/StringGrid.h"

void InitializeGrids() {
  RegisterClasses({TDrawGrid::StaticClass(), TStringGrid::StaticClass(), TInplaceEdit::StaticClass()});
}
