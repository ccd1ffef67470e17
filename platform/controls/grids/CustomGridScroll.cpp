// The grid's scroll bars: the window's scroll state says where the grid
// stands (position = top row less the fixed rows), real scroll bars show it
// and send WM_VSCROLL / WM_HSCROLL back, which move the top left cell.

#include <QScrollBar>

#include "platform/controls/grids/CustomGrid.h"
#include "platform/controls/grids/InplaceEdit.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

WORD ScrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBTRACK;
  }
}

}  // namespace

void TCustomGrid::CreateWnd() {
  inherited::CreateWnd();
  QWidget* window = WindowWidget(FHandle);
  HWND handle = FHandle;
  for (bool vertical : {true, false}) {
    auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, window);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->hide();
    UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
    QObject::connect(bar, &QAbstractSlider::actionTriggered, [handle, msg, bar](int action) {
      SendMessage(handle, msg, MAKEWPARAM(ScrollCodeOf(action), bar->sliderPosition()), 0);
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, [handle, msg, bar] {
      SendMessage(handle, msg, MAKEWPARAM(SB_THUMBPOSITION, bar->sliderPosition()), 0);
    });
    (vertical ? FVertBar : FHorzBar) = bar;
  }
  SetScrollBarObserver(FHandle, [this](int bar) { SyncScrollBar(bar); });
  FVertShown = FHorzShown = false;
  UpdateScrollBars();
  UpdateEdit();
}

void TCustomGrid::DestroyWnd() {
  FVertBar = FHorzBar = nullptr;  // the window deletes them with itself
  inherited::DestroyWnd();
}

void TCustomGrid::Resize() {
  UpdateScrollBars();
  MoveTopLeft(FTopLeft.X, FTopLeft.Y);
  inherited::Resize();
}

void TCustomGrid::UpdateScrollBars() {
  // Whether each bar is needed depends on the room the other one leaves.
  bool wantVert = FScrollBars == ssVertical || FScrollBars == ssBoth;
  bool wantHorz = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  FVertShown = FHorzShown = false;
  for (int pass = 0; pass < 2; ++pass) {
    TGridCoord max = MaxTopLeft();
    FVertShown = wantVert && max.Y > FFixedRows;
    FHorzShown = wantHorz && max.X > FFixedCols;
  }
  if (!HandleAllocated()) return;
  TGridCoord max = MaxTopLeft();
  for (int bar : {SB_VERT, SB_HORZ}) {
    bool vertical = bar == SB_VERT;
    bool shown = vertical ? FVertShown : FHorzShown;
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    info.nMin = 0;
    info.nMax = shown ? (vertical ? FRowCount - FFixedRows : FColCount - FFixedCols) - 1 : 0;
    int32_t first = vertical ? FFixedRows : FFixedCols;
    // The page is what does not scroll away: everything but the last position.
    info.nPage = static_cast<UINT>(shown ? info.nMax + 1 - ((vertical ? max.Y : max.X) - first) : 0);
    info.nPos = shown ? (vertical ? FTopLeft.Y : FTopLeft.X) - first : 0;
    SetScrollInfo(FHandle, bar, &info, true);
  }
  SyncScrollBar(SB_VERT);
  SyncScrollBar(SB_HORZ);
}

void TCustomGrid::SyncScrollBar(int which) {
  QScrollBar* bar = which == SB_VERT ? FVertBar : FHorzBar;
  if (!bar) return;
  bool shown = which == SB_VERT ? FVertShown : FHorzShown;
  int b = BorderWidth();
  int across = which == SB_VERT ? GetSystemMetrics(SM_CXVSCROLL) : GetSystemMetrics(SM_CYHSCROLL);
  if (which == SB_VERT)
    bar->setGeometry(Width() - b - across, b, across, Height() - 2 * b - (FHorzShown ? GetSystemMetrics(SM_CYHSCROLL) : 0));
  else
    bar->setGeometry(b, Height() - b - across, Width() - 2 * b - (FVertShown ? across : 0), across);
  SCROLLINFO info;
  info.fMask = SIF_ALL;
  GetScrollInfo(FHandle, which, &info);
  QSignalBlocker blocker(bar);
  int page = std::max(1, static_cast<int>(info.nPage));
  bar->setRange(info.nMin, std::max(info.nMin, info.nMax - page + 1));
  bar->setPageStep(page);
  bar->setValue(info.nPos);
  bar->setVisible(shown);
}

void TCustomGrid::ScrollMessage(TMessage& message, bool vertical) {
  TWMScroll scroll(message);
  int32_t first = vertical ? FFixedRows : FFixedCols;
  int32_t top = vertical ? FTopLeft.Y : FTopLeft.X;
  int32_t page = std::max(1, vertical ? VisibleRowCount() : VisibleColCount());
  int32_t next = top;
  switch (scroll.ScrollCode()) {
    case SB_LINEUP: next = top - 1; break;
    case SB_LINEDOWN: next = top + 1; break;
    case SB_PAGEUP: next = top - page; break;
    case SB_PAGEDOWN: next = top + page; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(goThumbTracking)) return;
      next = first + scroll.Pos();
      break;
    case SB_THUMBPOSITION: next = first + scroll.Pos(); break;
    case SB_TOP: next = first; break;
    case SB_BOTTOM: next = vertical ? MaxTopLeft().Y : MaxTopLeft().X; break;
    default: return;
  }
  if (vertical)
    MoveTopLeft(FTopLeft.X, next);
  else
    MoveTopLeft(next, FTopLeft.Y);
  SyncScrollBar(vertical ? SB_VERT : SB_HORZ);
}

void TCustomGrid::WMVScroll(TMessage& message) { ScrollMessage(message, true); }
void TCustomGrid::WMHScroll(TMessage& message) { ScrollMessage(message, false); }
