#include "platform/controls/stdctrls/DragDrop.h"

#include <cstdlib>

#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"
#include "platform/windows/Cursors.h"
#include "platform/windows/Handles.h"

namespace {

struct TDrag {
  TWinControl* Source = nullptr;
  TWndMethod SavedProc;
  bool Started = false;
  TPoint Start;
  int32_t Threshold = 5;
  TControl* Target = nullptr;
  bool Accepted = false;
  TPoint Last;
};

TDrag* Current = nullptr;

TDragClient* ClientOf(TControl* control) { return dynamic_cast<TDragClient*>(control); }

// The control under a screen point: the window's control, or its graphic child there.
TControl* ControlAtScreen(TPoint screen) {
  HWND hwnd = WindowFromPoint(screen);
  TWinControl* window = nullptr;
  for (; hwnd && !window; hwnd = GetParent(hwnd)) window = TWinControl::FindControl(hwnd);
  if (!window) return nullptr;
  if (TControl* child = window->ControlAtPos(window->ScreenToClient(screen), false)) return child;
  return window;
}

void ShowDragCursor(TCursor cursor) {
  if (Screen) ::SetCursor(Screen->Cursors(cursor));
}

void DragTo(TPoint screen) {
  TDrag& d = *Current;
  d.Last = screen;
  TControl* target = ControlAtScreen(screen);
  if (target != d.Target && d.Target) {
    if (TDragClient* old = ClientOf(d.Target); old && old->OnDragOver) {
      bool accept = false;
      TPoint p = d.Target->ScreenToClient(screen);
      old->OnDragOver(d.Target, d.Source, p.X, p.Y, dsDragLeave, accept);
    }
  }
  TDragState state = target != d.Target ? dsDragEnter : dsDragMove;
  d.Target = target;
  d.Accepted = false;
  if (!Current) return;
  if (TDragClient* client = target ? ClientOf(target) : nullptr; client && client->OnDragOver) {
    TPoint p = target->ScreenToClient(screen);
    client->OnDragOver(target, d.Source, p.X, p.Y, state, d.Accepted);
  }
  if (!Current) return;
  TDragClient* source = ClientOf(d.Source);
  ShowDragCursor(d.Accepted ? (source ? source->DragCursor() : crDrag) : crNoDrop);
}

void StartDragging() {
  TDrag& d = *Current;
  d.Started = true;
  if (TDragClient* client = ClientOf(d.Source); client && client->OnStartDrag) {
    TObject* dragObject = nullptr;
    client->OnStartDrag(d.Source, dragObject);
  }
  if (Current) DragTo(d.Start);
}

void DragMessage(TMessage& message) {
  TDrag& d = *Current;
  switch (message.Msg) {
    case WM_MOUSEMOVE: {
      TPoint screen = d.Source->ClientToScreen(LParamToPoint(message.LParam));
      if (!d.Started && (std::abs(screen.X - d.Start.X) > d.Threshold || std::abs(screen.Y - d.Start.Y) > d.Threshold))
        StartDragging();
      else if (d.Started)
        DragTo(screen);
      return;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      TWinControl* source = d.Source;
      if (d.Started) DragTo(source->ClientToScreen(LParamToPoint(message.LParam)));
      EndDrag(true);
      // The window still sees its button go up.
      source->WindowProc(message);
      return;
    }
    case WM_KEYDOWN:
      if (message.WParam == VK_ESCAPE) {
        EndDrag(false);
        return;
      }
      break;
    case WM_CANCELMODE: {
      TWinControl* source = d.Source;
      EndDrag(false);
      source->WindowProc(message);
      return;
    }
    default: break;
  }
  d.SavedProc(message);
}

}  // namespace

void BeginDrag(TControl* control, bool immediate, int32_t threshold) {
  auto* source = dynamic_cast<TWinControl*>(control);
  if (Current || !source) return;
  Current = new TDrag;
  Current->Source = source;
  Current->Threshold = threshold < 0 ? 5 : threshold;
  POINT cursor;
  GetCursorPos(&cursor);
  Current->Start = cursor;
  Current->SavedProc = source->WindowProc;
  source->WindowProc = [](TMessage& message) { DragMessage(message); };
  SetCapture(source->Handle());
  if (immediate) StartDragging();
}

void EndDrag(bool drop) {
  if (!Current) return;
  TDrag d = *Current;
  delete Current;
  Current = nullptr;
  d.Source->WindowProc = d.SavedProc;
  if (GetCapture() == d.Source->Handle()) ReleaseCapture();
  ShowDragCursor(crDefault);
  if (!d.Started) return;
  TControl* target = drop && d.Accepted ? d.Target : nullptr;
  TPoint at = target ? target->ScreenToClient(d.Last) : d.Source->ScreenToClient(d.Last);
  if (target)
    if (TDragClient* client = ClientOf(target); client && client->OnDragDrop)
      client->OnDragDrop(target, d.Source, at.X, at.Y);
  if (TDragClient* client = ClientOf(d.Source); client && client->OnEndDrag)
    client->OnEndDrag(d.Source, target, at.X, at.Y);
}

bool Dragging(const TControl* control) { return Current && Current->Source == control; }

void CancelDragOf(const TControl* control) {
  if (!Current) return;
  if (Current->Source == control) {
    Current->Source->WindowProc = Current->SavedProc;
    delete Current;
    Current = nullptr;
    ReleaseCapture();
  } else if (Current->Target == control) {
    Current->Target = nullptr;
    Current->Accepted = false;
  }
}
