#pragma once
// Shared by the grids' tests: the family started, and a string grid shown on
// a form with the geometry the tests count on.

#include "StdCtrlsTestSupport.h"
#include "platform/controls/grids/GridsUnit.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/controls/grids/StringGrid.h"

// A shown form holding a 6 x 10 string grid of 40 x 20 cells, one fixed
// column and row, no border, 300 x 150 pixels.
struct TShownGrid {
  TShownGrid();
  TShownForm Shown{400, 300};
  TStringGrid* Grid;
};
