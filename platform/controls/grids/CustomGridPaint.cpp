// Painting the grid: the visible cells row by row, the grid lines in the
// gaps after each cell (black beside fixed cells, silver elsewhere), fixed
// cells raised, the focused cell framed, and the sunken border.

#include "platform/controls/grids/CustomGrid.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/graphics/DrawFunctions.h"

namespace {

// The indices shown along one axis: the fixed ones, then from the first
// scrollable one on, while they start inside the limit.
template <class Size, class Visit>
void ForEachShown(int32_t count, int32_t fixed, int32_t first, int32_t start, int32_t limit,
                  int32_t line, Size size, Visit visit) {
  int32_t pos = start;
  for (int32_t i = 0; i < count && pos < limit; ++i) {
    if (i == fixed) i = first;
    if (i >= count) break;
    visit(i, pos);
    pos += size(i) + line;
  }
}

}  // namespace

void TCustomGrid::Paint() {
  TRect client = ClientRect();
  int32_t b = BorderWidth();
  ForEachShown(FRowCount, FFixedRows, FTopLeft.Y, b, client.Bottom, FGridLineWidth,
               [this](int32_t i) { return RowHeights(i); }, [&](int32_t row, int32_t y) {
                 ForEachShown(FColCount, FFixedCols, FTopLeft.X, b, client.Right, FGridLineWidth,
                              [this](int32_t i) { return ColWidths(i); }, [&](int32_t col, int32_t x) {
                                PaintCell(col, row, Rect(x, y, x + ColWidths(col), y + RowHeights(row)));
                              });
               });
  TCanvas* canvas = Canvas();
  if (FVertShown && FHorzShown) {
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(Rect(client.Right, client.Bottom, Width() - b, Height() - b));
  }
  if (b > 0) {
    TRect whole = Rect(0, 0, Width(), Height());
    DrawEdge(canvas->Handle(), &whole, EDGE_SUNKEN, BF_RECT);
  }
}

void TCustomGrid::PaintCell(int32_t col, int32_t row, const TRect& rect) {
  TCanvas* canvas = Canvas();
  bool fixed = col < FFixedCols || row < FFixedRows;
  TGridDrawState state;
  bool current = col == FCurrent.X && row == FCurrent.Y;
  bool editing = FInplaceEdit && FInplaceEdit->Visible() && FInplaceCell.X >= 0;
  if (fixed) {
    state.Include(gdFixed);
  } else {
    if (current && (Focused() || editing)) state.Include(gdFocused);
    bool focusedCellPlain =
        current && !FOptions.Contains(goDrawFocusSelected) && !FOptions.Contains(goRowSelect);
    if (Selection().Contains(col, row) && !focusedCellPlain) state.Include(gdSelected);
  }
  // Grid lines fill the gap after the cell; without lines the gap takes the
  // cell's own colour.
  bool vertLine = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
  bool horzLine = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
  TColor background = fixed ? FFixedColor : Color();
  if (FGridLineWidth > 0) {
    canvas->Brush()->SetColor(vertLine ? (fixed ? clBlack : clSilver) : background);
    canvas->FillRect(Rect(rect.Right, rect.Top, rect.Right + FGridLineWidth, rect.Bottom + FGridLineWidth));
    canvas->Brush()->SetColor(horzLine ? (fixed ? clBlack : clSilver) : background);
    canvas->FillRect(Rect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + FGridLineWidth));
  }
  canvas->SetFont(Font());
  if (FDefaultDrawing) {
    bool selected = state.Contains(gdSelected);
    canvas->Brush()->SetColor(fixed ? FFixedColor : selected ? clHighlight : Color());
    if (selected) canvas->Font()->SetColor(clHighlightText);
    canvas->FillRect(rect);
  }
  DrawCell(col, row, rect, state);
  if (!FDefaultDrawing) return;
  if (fixed) {
    TRect edge = rect;
    DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
  } else if (state.Contains(gdFocused) && !editing && !FOptions.Contains(goRowSelect)) {
    canvas->DrawFocusRect(rect);
  }
}
