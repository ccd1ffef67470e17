#include "platform/controls/grids/DrawGrid.h"

void TDrawGrid::DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}

bool TDrawGrid::SelectCell(int32_t col, int32_t row) {
  bool canSelect = true;
  if (OnSelectCell) OnSelectCell(this, col, row, canSelect);
  return canSelect;
}

std::string TDrawGrid::GetEditMask(int32_t col, int32_t row) {
  std::string mask;
  if (OnGetEditMask) OnGetEditMask(this, col, row, mask);
  return mask;
}

std::string TDrawGrid::GetEditText(int32_t col, int32_t row) {
  std::string text;
  if (OnGetEditText) OnGetEditText(this, col, row, text);
  return text;
}

void TDrawGrid::SetEditText(int32_t col, int32_t row, const std::string& value) {
  if (OnSetEditText) OnSetEditText(this, col, row, value);
}

void TDrawGrid::TopLeftChanged() {
  inherited::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}

void TDrawGrid::Publish(TPublisher<TDrawGrid>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  p.Property("BorderStyle", &TDrawGrid::BorderStyle, &TDrawGrid::SetBorderStyle)
      .Type(TypeInfoTBorderStyle())
      .Default(bsSingle);
  PublishColor(p);
  p.Property("ColCount", &TDrawGrid::ColCount, &TDrawGrid::SetColCount).Default(5);
  p.Property("DefaultColWidth", &TDrawGrid::DefaultColWidth, &TDrawGrid::SetDefaultColWidth).Default(64);
  p.Property("DefaultDrawing", &TDrawGrid::DefaultDrawing, &TDrawGrid::SetDefaultDrawing).Default(true);
  p.Property("DefaultRowHeight", &TDrawGrid::DefaultRowHeight, &TDrawGrid::SetDefaultRowHeight).Default(24);
  PublishEnabled(p);
  p.Property("FixedColor", &TDrawGrid::FixedColor, &TDrawGrid::SetFixedColor)
      .Type(TypeInfoTColor())
      .Default(clBtnFace);
  p.Property("FixedCols", &TDrawGrid::FixedCols, &TDrawGrid::SetFixedCols).Default(1);
  // RowCount between FixedCols and FixedRows, so that each fixed count is
  // read after the count it must stay below.
  p.Property("RowCount", &TDrawGrid::RowCount, &TDrawGrid::SetRowCount).Default(5);
  p.Property("FixedRows", &TDrawGrid::FixedRows, &TDrawGrid::SetFixedRows).Default(1);
  PublishFont(p);
  p.Property("GridLineWidth", &TDrawGrid::GridLineWidth, &TDrawGrid::SetGridLineWidth).Default(1);
  p.Property("Options", &TDrawGrid::Options, &TDrawGrid::SetOptions)
      .Default(static_cast<int32_t>(
          TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect}.ToOrdinal()));
  // A grid has its own colour: not taking the parent's is the default.
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  p.Property("ScrollBars", &TDrawGrid::ScrollBars, &TDrawGrid::SetScrollBars).Default(ssBoth);
  PublishShowHint(p);
  PublishTabOrder(p);
  p.Property("TabStop", &TDrawGrid::TabStop, &TDrawGrid::SetTabStop).Default(true);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  p.Event("OnDrawCell", &TDrawGrid::OnDrawCell);
  p.Event("OnEnter", &TDrawGrid::OnEnter);
  p.Event("OnExit", &TDrawGrid::OnExit);
  p.Event("OnGetEditMask", &TDrawGrid::OnGetEditMask);
  p.Event("OnGetEditText", &TDrawGrid::OnGetEditText);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  p.Event("OnSelectCell", &TDrawGrid::OnSelectCell);
  p.Event("OnSetEditText", &TDrawGrid::OnSetEditText);
  p.Event("OnTopLeftChanged", &TDrawGrid::OnTopLeftChanged);
}
