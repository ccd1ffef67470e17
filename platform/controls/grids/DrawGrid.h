#pragma once
// TDrawGrid: a grid whose program paints the cells (OnDrawCell) and decides
// which cell may become current (OnSelectCell) and what the editor edits
// (OnGetEditText, OnSetEditText, OnGetEditMask).

#include "platform/controls/ControlPublishing.h"
#include "platform/controls/grids/CustomGrid.h"

class TDrawGrid : public TCustomGrid {
  MORVANE_CLASS(TDrawGrid, TCustomGrid)

 public:
  explicit TDrawGrid(TComponent* owner) : TCustomGrid(owner) {}

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditMask;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

  static void Publish(TPublisher<TDrawGrid>& p);

 protected:
  void DrawCell(int32_t col, int32_t row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int32_t col, int32_t row) override;
  std::string GetEditMask(int32_t col, int32_t row) override;
  std::string GetEditText(int32_t col, int32_t row) override;
  void SetEditText(int32_t col, int32_t row, const std::string& value) override;
  void TopLeftChanged() override;
};
