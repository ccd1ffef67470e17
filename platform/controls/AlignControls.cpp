// Alignment of child controls: alTop strips first, then alBottom, alLeft,
// alRight, and alClient fills what is left. Within one kind the controls
// keep the order of their positions, and the control whose change caused the
// realignment goes first.

#include <vector>

#include "platform/controls/WinControl.h"

namespace {

bool ComesBefore(const TControl* a, const TControl* b, TAlign align) {
  switch (align) {
    case alTop: return a->Top() < b->Top();
    case alBottom: return a->Top() + a->Height() >= b->Top() + b->Height();
    case alLeft: return a->Left() < b->Left();
    case alRight: return a->Left() + a->Width() >= b->Left() + b->Width();
    default: return false;
  }
}

bool TakesPart(const TControl* c, TAlign align) {
  if (c->Align() != align) return false;
  if (c->Visible()) return true;
  return c->ComponentState().Contains(csDesigning) && !c->ControlStyle().Contains(csNoDesignVisible);
}

void Position(TControl* c, TAlign align, TRect& r) {
  switch (align) {
    case alTop:
      c->SetBounds(r.Left, r.Top, r.Width(), c->Height());
      r.Top += c->Height();
      break;
    case alBottom:
      c->SetBounds(r.Left, r.Bottom - c->Height(), r.Width(), c->Height());
      r.Bottom -= c->Height();
      break;
    case alLeft:
      c->SetBounds(r.Left, r.Top, c->Width(), r.Height());
      r.Left += c->Width();
      break;
    case alRight:
      c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), r.Height());
      r.Right -= c->Width();
      break;
    case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
    case alNone: break;
  }
}

}  // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    if (control && TakesPart(control, align)) list.push_back(control);
    for (int32_t i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c == control || !TakesPart(c, align)) continue;
      size_t j = 0;
      while (j < list.size() && !ComesBefore(c, list[j], align)) ++j;
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(j), c);
    }
    for (TControl* c : list) Position(c, align, rect);
  }
}
