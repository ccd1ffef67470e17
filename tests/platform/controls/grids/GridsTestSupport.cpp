#include "GridsTestSupport.h"

#include <QApplication>

TShownGrid::TShownGrid() {
  StartStdCtrls();
  InitializeGrids();
  Grid = new TStringGrid(Shown.Form);
  Grid->SetName("Grid1");
  Grid->SetBorderStyle(bsNone);
  Grid->SetColCount(6);
  Grid->SetRowCount(10);
  Grid->SetDefaultColWidth(40);
  Grid->SetDefaultRowHeight(20);
  Grid->SetBounds(0, 0, 300, 150);
  Grid->SetParent(Shown.Form);
  QApplication::processEvents();
}
