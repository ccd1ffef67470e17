#include <algorithm>

#include "designer/ObjEdit.h"
#include "platform/graphics/Canvas.h"

// The drag frame shared by moving, sizing, the rubber band and placing.
// Outlines are drawn in XOR on the window's overlay, so a mouse step costs
// two outline drawings and no repaint of the form.

namespace {

TPoint MessagePoint(const MSG& Msg, HWND window) {
  POINT p{GET_X_LPARAM(Msg.lParam), GET_Y_LPARAM(Msg.lParam)};
  // With the capture every mouse message should already come to the drag
  // window; map the odd one that does not.
  if (Msg.hwnd && window && Msg.hwnd != window) MapWindowPoints(Msg.hwnd, window, &p, 1);
  return p;
}

TRect Spanned(TPoint a, TPoint b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y));
}

TRect Moved(TRect r, int32_t dx, int32_t dy) {
  return Rect(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

// A DC on the window's overlay that takes client coordinates and stays
// inside the client area.
HDC GetDrawDC(HWND window) {
  HDC dc = GetWindowDC(window);
  RECT frame;
  GetWindowRect(window, &frame);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  SetViewportOrgEx(dc, client.X - frame.Left, client.Y - frame.Top, nullptr);
  RECT area;
  GetClientRect(window, &area);
  IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
  return dc;
}

// The dotted XOR pen that every outline is drawn with; the DC goes with it.
class TOutlineCanvas {
 public:
  TOutlineCanvas(HWND window, TColor colour) : FWindow(window), FDC(GetDrawDC(window)) {
    // In XOR from the start, so that each outline does not hand what was
    // drawn so far over to the overlay on its own: the release does, once.
    SetROP2(FDC, R2_XORPEN);
    FCanvas.SetHandle(FDC);
    FCanvas.Brush()->SetStyle(bsClear);
    FCanvas.Pen()->SetMode(pmXor);
    FCanvas.Pen()->SetColor(colour);
    FCanvas.Pen()->SetStyle(psDot);
  }
  ~TOutlineCanvas() {
    FCanvas.SetHandle(nullptr);
    ReleaseDC(FWindow, FDC);
  }
  TOutlineCanvas(const TOutlineCanvas&) = delete;
  TOutlineCanvas& operator=(const TOutlineCanvas&) = delete;

  void Outline(const TRect& r) { FCanvas.Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1); }

 private:
  HWND FWindow;
  HDC FDC;
  TCanvas FCanvas;
};

// The mouse cannot leave the drag window, and the window hears every move.
void ConfineAndCapture(HWND window) {
  RECT area;
  GetClientRect(window, &area);
  POINT topLeft{area.Left, area.Top};
  POINT bottomRight{area.Right, area.Bottom};
  ClientToScreen(window, &topLeft);
  ClientToScreen(window, &bottomRight);
  RECT screen = Rect(topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y);
  ClipCursor(&screen);
  SetCapture(window);
}

}  // namespace

// ---- the drag frame ------------------------------------------------------------

void TObjectEditor::BeginTracking(HWND Window, TPoint Point, TDragKind Kind) {
  DragState.NotMoved = true;
  DragState.AlwaysCommit = false;
  DragState.Live = LiveDrag;
  DragState.Kind = Kind;
  DragState.Window = Window;
  DragState.Start = DragState.Current = DragState.Origin = Point;
  DragState.FixedX = DragState.FixedY = NotFixed;
  DragState.Snap = true;
  DragState.OnEnd = nullptr;
  DragState.OnUp = nullptr;
  DragState.OnMove = nullptr;
  DragState.OnCancel = nullptr;
}

TPoint TObjectEditor::SnapPoint(TPoint P) const {
  if (!DragState.Snap) return P;
  const TPoint& o = DragState.Origin;
  if (GridX > 1) P.X = o.X + (P.X - o.X) / GridX * GridX;
  if (GridY > 1) P.Y = o.Y + (P.Y - o.Y) / GridY * GridY;
  return P;
}

void TObjectEditor::MouseMove(MSG& Msg) {
  if (InsertClass) SetCursor(ArrowCursor);
  if (DragState.Kind == dkNone) return;
  TPoint p = MessagePoint(Msg, DragState.Window);
  if (DragState.NotMoved && p == DragState.Start) return;
  DragState.NotMoved = false;
  p = SnapPoint(p);
  if (p != DragState.Current && DragState.OnMove) DragState.OnMove(p);
}

void TObjectEditor::LButtonUp(MSG& Msg) {
  if (DragState.Kind == dkNone) return;
  TPoint p = MessagePoint(Msg, DragState.Window);
  if (!DragState.AlwaysCommit && p == DragState.Start) {
    CancelTracking();
    if (Selection.size() == 1) Grab->SetVisible(true);
    return;
  }
  p = SnapPoint(p);
  // A release away from the last move point is followed first, so that the
  // outline drawn last is the one the end erases.
  if (p != DragState.Current && DragState.OnMove) DragState.OnMove(p);
  DragState.Current = p;
  if (DragState.OnUp) DragState.OnUp();
  if (auto onCancel = std::move(DragState.OnCancel)) {
    DragState.OnCancel = nullptr;
    onCancel(false);
  }
}

void TObjectEditor::EndTracking() {
  if (DragState.Kind == dkNone) return;
  ClipCursor(nullptr);
  ReleaseCapture();
  if (DragState.OnEnd) DragState.OnEnd(DragState.Current);
  DragState.Kind = dkNone;
}

void TObjectEditor::CancelTracking() {
  bool running = DragState.Kind != dkNone;
  EndTracking();
  if (auto onCancel = std::move(DragState.OnCancel)) {
    DragState.OnCancel = nullptr;
    onCancel(true);
  }
  // Whatever ended the drag, a single selected item gets its handles back.
  if (running && Selection.size() == 1) Grab->SetVisible(true);
}

// ---- moving ----------------------------------------------------------------------

void TObjectEditor::BeginMove(HWND Window, TControl* Control, TPoint Point) {
  KeepSameParent(Control);
  BeginTracking(Window, Point, dkMove);
  Grab->SetVisible(false);
  DragState.OnMove = [this](TPoint P) {
    if (DragState.Live) {
      MoveSelection(P.X - DragState.Current.X, P.Y - DragState.Current.Y);
    } else {
      DrawOutlines(DragState.Current);
      DrawOutlines(P);
    }
    DragState.Current = P;
  };
  DragState.OnUp = [this] {
    EndTracking();
    if (!DragState.Live)
      MoveSelection(DragState.Current.X - DragState.Origin.X,
                    DragState.Current.Y - DragState.Origin.Y);
    Grab->Reposition();
    if (Selection.size() == 1) Grab->SetVisible(true);
  };
  if (!DragState.Live) {
    DragState.OnEnd = [this](TPoint P) { DrawOutlines(P); };
    DrawOutlines(DragState.Current);
  }
  ConfineAndCapture(Window);
}

void TObjectEditor::MoveSelection(int32_t DX, int32_t DY) {
  if (DX == 0 && DY == 0) return;
  for (TControl* item : std::vector<TControl*>(Selection))
    item->SetBounds(item->Left() + DX, item->Top() + DY, item->Width(), item->Height());
  Modified();
}

void TObjectEditor::ResizeSelection(int32_t DW, int32_t DH) {
  if (DW == 0 && DH == 0) return;
  KeepSameParent(nullptr);
  for (TControl* item : std::vector<TControl*>(Selection))
    item->SetBounds(item->Left(), item->Top(), item->Width() + DW, item->Height() + DH);
  Modified();
}

// ---- rubber band -----------------------------------------------------------------

void TObjectEditor::BeginSelect(HWND Window, TPoint Point) {
  BeginTracking(Window, Point, dkSelect);
  DragState.Snap = false;
  DragState.AlwaysCommit = true;
  DragState.OnEnd = [this](TPoint P) { DrawBand(P); };
  DragState.OnMove = [this](TPoint P) {
    DrawBand(DragState.Current);
    DrawBand(P);
    DragState.Current = P;
  };
  DragState.OnUp = [this] {
    EndTracking();
    SelectInBand();
  };
  UnselectAll();
  Grab->SetVisible(false);
  ConfineAndCapture(Window);
}

void TObjectEditor::SelectInBand() {
  TRect band = Spanned(DragState.Origin, DragState.Current);
  TWinControl* owner = TWinControl::FindControl(DragState.Window);
  if (!owner) return;
  std::vector<TControl*> children;
  for (int32_t i = 0; i < owner->ControlCount(); ++i) children.push_back(owner->Controls(i));
  for (TControl* child : children) {
    if (child->Owner() != Form) continue;
    TRect r = child->BoundsRect();
    bool touches = std::max(r.Left, band.Left) < std::min(r.Right, band.Right) &&
                   std::max(r.Top, band.Top) < std::min(r.Bottom, band.Bottom);
    if (!touches) continue;
    if (IsSelected(child))
      RemoveFromSelection(child);
    else
      AddToSelection(child, false);
  }
  NotifySelection();
}

// ---- sizing ----------------------------------------------------------------------

void TObjectEditor::BeginSize(HWND Window, TPoint Anchor, TPoint Corner, TPoint MousePoint,
                              int32_t FixedX, int32_t FixedY) {
  BeginTracking(Window, Anchor, dkSize);
  Grab->SetVisible(false);
  DragState.Start = MousePoint;
  DragState.Current = Corner;
  DragState.FixedX = FixedX;
  DragState.FixedY = FixedY;
  auto pinned = [this](TPoint P) {
    if (DragState.FixedX != NotFixed) P.X = DragState.FixedX;
    if (DragState.FixedY != NotFixed) P.Y = DragState.FixedY;
    return P;
  };
  DragState.OnMove = [this, pinned](TPoint P) {
    TPoint v = pinned(P);
    if (v == DragState.Current) return;
    if (DragState.Live) {
      DragState.Current = v;
      ApplySize();
    } else {
      DrawBand(DragState.Current);
      DrawBand(v);
      DragState.Current = v;
    }
  };
  DragState.OnUp = [this, pinned] {
    DragState.Current = pinned(DragState.Current);
    EndTracking();
    if (!DragState.Live) ApplySize();
    Grab->SetVisible(true);
  };
  if (!DragState.Live) {
    DragState.OnEnd = [this](TPoint P) { DrawBand(P); };
    DrawBand(DragState.Current);
  }
  ConfineAndCapture(Window);
}

void TObjectEditor::ApplySize() {
  TControl* control = Grab->Control;
  if (!control || !control->Parent()) return;
  TRect r = Spanned(DragState.Origin, DragState.Current);
  HWND parentWindow = control->Parent()->Handle();
  if (parentWindow != EditHandle) {
    POINT corners[2] = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    MapWindowPoints(DragState.Window, parentWindow, corners, 2);
    r = Rect(corners[0].X, corners[0].Y, corners[1].X, corners[1].Y);
  }
  if (r == control->BoundsRect()) return;
  control->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  Modified();
}

// ---- outlines --------------------------------------------------------------------

void TObjectEditor::DrawOutlines(TPoint P) {
  int32_t dx = P.X - DragState.Origin.X;
  int32_t dy = P.Y - DragState.Origin.Y;
  TOutlineCanvas canvas(DragState.Window, FrameColor);
  for (TControl* item : Selection) canvas.Outline(Moved(item->BoundsRect(), dx, dy));
}

void TObjectEditor::DrawBand(TPoint P) {
  TRect band = Spanned(DragState.Origin, P);
  if (band.Width() == 0 || band.Height() == 0) return;
  TOutlineCanvas canvas(DragState.Window, FrameColor);
  canvas.Outline(band);
}
