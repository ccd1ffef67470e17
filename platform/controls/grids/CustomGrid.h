#pragma once
// TCustomGrid: rows and columns of cells, the first FixedCols columns and
// FixedRows rows fixed (they do not scroll), a current cell (Col, Row), a
// selection, keyboard and mouse navigation, column and row sizing by mouse,
// real scroll bars driven through the window's scroll state, and an in-place
// editor (TInplaceEdit) over the current cell.
//
// Coordinates: cells start at the inside of the border (BorderStyle
// bsSingle draws a sunken edge in the outer two pixels); CellRect,
// MouseToCell and the editor's placement all use the window's client
// coordinates. Each cell is followed by GridLineWidth pixels of line.
//
// Descendants paint the cells in DrawCell; with DefaultDrawing the grid fills
// them first (selection highlighted) and adds the fixed cells' raised edges
// and the focus rectangle after.

#include <map>

#include "platform/controls/CustomControl.h"
#include "platform/controls/grids/GridTypes.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class QScrollBar;
class TInplaceEdit;

class TCustomGrid : public TCustomControl {
  MORVANE_CLASS(TCustomGrid, TCustomControl)
  MORVANE_MESSAGE_TABLE(TCustomGrid)

 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;

  int32_t ColCount() const { return FColCount; }
  void SetColCount(int32_t value);
  int32_t RowCount() const { return FRowCount; }
  void SetRowCount(int32_t value);
  int32_t FixedCols() const { return FFixedCols; }
  // Raises EInvalidGridOperation unless fewer than ColCount.
  void SetFixedCols(int32_t value);
  int32_t FixedRows() const { return FFixedRows; }
  void SetFixedRows(int32_t value);
  int32_t DefaultColWidth() const { return FDefaultColWidth; }
  // Gives every column this width.
  void SetDefaultColWidth(int32_t value);
  int32_t DefaultRowHeight() const { return FDefaultRowHeight; }
  void SetDefaultRowHeight(int32_t value);
  int32_t ColWidths(int32_t index) const;
  void SetColWidths(int32_t index, int32_t value);
  int32_t RowHeights(int32_t index) const;
  void SetRowHeights(int32_t index, int32_t value);
  int32_t GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int32_t value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value) { FDefaultDrawing = value; Invalidate(); }
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor value) { FFixedColor = value; Invalidate(); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);

  // The current cell. Moving it asks SelectCell first.
  int32_t Col() const { return FCurrent.X; }
  void SetCol(int32_t value) { FocusCell(value, FCurrent.Y, true); }
  int32_t Row() const { return FCurrent.Y; }
  void SetRow(int32_t value) { FocusCell(FCurrent.X, value, true); }
  // The first scrollable row and column shown.
  int32_t TopRow() const { return FTopLeft.Y; }
  void SetTopRow(int32_t value) { MoveTopLeft(FTopLeft.X, value); }
  int32_t LeftCol() const { return FTopLeft.X; }
  void SetLeftCol(int32_t value) { MoveTopLeft(value, FTopLeft.Y); }
  // Scrollable rows and columns wholly visible from TopRow / LeftCol.
  int32_t VisibleRowCount() const;
  int32_t VisibleColCount() const;
  TGridRect Selection() const;
  void SetSelection(const TGridRect& value);

  // The cell's rectangle in client coordinates; empty when it is not shown.
  TRect CellRect(int32_t col, int32_t row) const;
  // The cell under a client point; -1 for a coordinate outside the cells.
  void MouseToCell(int32_t x, int32_t y, int32_t& col, int32_t& row) const;
  TGridCoord MouseCoord(int32_t x, int32_t y) const;

  TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }
  bool EditorMode() const { return FEditorMode; }
  void SetEditorMode(bool value);
  void ShowEditor();
  void HideEditor();
  // Hands the editor's text to SetEditText for the cell it edits.
  void UpdateText();
  // Escape: the cell gets back the text it had when the editor came to it.
  void CancelEdit();

  void InvalidateCell(int32_t col, int32_t row);
  void InvalidateRow(int32_t row);
  void InvalidateCol(int32_t col);
  void InvalidateGrid() { Invalidate(); }
  TRect ClientRect() const override;
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  void DefineProperties(TFiler* filer) override;

 protected:
  // Painting one cell; the grid has already filled it when DefaultDrawing.
  virtual void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state);
  // Asked before the current cell moves to (col, row); false refuses.
  virtual bool SelectCell(int32_t col, int32_t row);
  virtual std::string GetEditText(int32_t col, int32_t row);
  virtual void SetEditText(int32_t col, int32_t row, const std::string& value);
  virtual std::string GetEditMask(int32_t col, int32_t row);
  virtual int32_t GetEditLimit() { return 0; }
  virtual bool CanEditShow() const;
  // The in-place editor the grid shows, made on first need and owned by it.
  virtual TInplaceEdit* CreateEditor();
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void TopLeftChanged();
  virtual void SizeChanged(int32_t oldColCount, int32_t oldRowCount);
  // The column or row was moved by the mouse (goColMoving / goRowMoving).
  virtual void ColumnMoved(int32_t, int32_t) {}
  virtual void RowMoved(int32_t, int32_t) {}

  void Paint() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void DblClick() override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Resize() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  void WMVScroll(TMessage& message);
  void WMHScroll(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMEraseBkgnd(TMessage& message) { message.Result = 1; }  // Paint covers everything

  // Places the editor over the current cell when it may show, or hides it.
  void UpdateEdit();
  // Moves the current cell (asking SelectCell), keeping the anchor with
  // moveAnchor, and scrolls it into view.
  void FocusCell(int32_t col, int32_t row, bool moveAnchor);
  void MoveTopLeft(int32_t leftCol, int32_t topRow);

  TGridState FGridState = gsNormal;
  TInplaceEdit* FInplaceEdit = nullptr;

 private:
  friend class TInplaceEdit;
  int32_t BorderWidth() const;
  // The origin of the fixed cells and the extent of the scrollable area.
  int32_t FixedWidth() const;
  int32_t FixedHeight() const;
  // Pixel start of a column (row), or -1 when it is not shown.
  int32_t LineStart(int32_t index, bool cols) const;
  int32_t ColLeft(int32_t col) const;
  int32_t RowTop(int32_t row) const;
  int32_t LastFullVisible(bool cols) const;
  // The first scrollable column (row) from which everything up to last fits.
  int32_t FirstShowing(int32_t last, bool cols) const;
  TGridCoord MaxTopLeft() const;
  void ClampCurrent();
  // Whether a press at x (or y) grabs a column (row) border to size it.
  int32_t SizingIndexAt(int32_t pos, bool cols) const;
  void UpdateScrollBars();
  void SyncScrollBar(int bar);
  void ScrollMessage(TMessage& message, bool vertical);
  void PaintCell(int32_t col, int32_t row, const TRect& rect);
  void DrawSizingLine(int32_t pos);
  void ReadSizes(TReader& reader, bool cols);
  void WriteSizes(TWriter& writer, bool cols);
  void HideEdit();

  int32_t FColCount = 5;
  int32_t FRowCount = 5;
  int32_t FFixedCols = 1;
  int32_t FFixedRows = 1;
  int32_t FDefaultColWidth = 64;
  int32_t FDefaultRowHeight = 24;
  int32_t FGridLineWidth = 1;
  // Only sizes that differ from the default are kept, so that a grid of many
  // rows read from a stream costs nothing until its sizes are set.
  std::map<int32_t, int32_t> FColWidths;
  std::map<int32_t, int32_t> FRowHeights;
  TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  bool FDefaultDrawing = true;
  TColor FFixedColor = clBtnFace;
  TScrollStyle FScrollBars = ssBoth;
  TBorderStyle FBorderStyle = bsSingle;
  TGridCoord FCurrent{1, 1};
  TGridCoord FAnchor{1, 1};
  TGridCoord FTopLeft{1, 1};
  bool FEditorMode = false;
  TGridCoord FInplaceCell{-1, -1};  // the cell the editor was filled from
  std::string FEditOriginal;        // and the text it was filled with
  int32_t FSizingIndex = -1;
  int32_t FSizingStart = 0;  // pixel start of the column (row) being sized
  int32_t FSizingPos = 0;    // where the sizing line is drawn now
  bool FVertShown = false;
  bool FHorzShown = false;
  QScrollBar* FVertBar = nullptr;  // children of the window, gone with it
  QScrollBar* FHorzBar = nullptr;
};
