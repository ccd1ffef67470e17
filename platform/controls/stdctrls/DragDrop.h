#pragma once
// Dragging one control's contents onto another with the mouse. A control
// that takes part carries a TDragClient (DragMode, DragCursor and the drag
// events). BeginDrag takes the source's mouse: the drag starts at once or
// once the mouse moved past the threshold; while it moves, the control under
// the pointer is asked through OnDragOver whether it accepts (the cursor
// shows DragCursor or crNoDrop); releasing the button drops there
// (OnDragDrop) and the source hears OnEndDrag with the target or null.
// Escape or a cancel-mode message ends the drag without a drop.

#include <cstdint>

#include "platform/controls/Control.h"

enum TDragMode { dmManual, dmAutomatic };
MORVANE_ENUM_TYPEINFO(TDragMode, dmManual, dmAutomatic);
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
MORVANE_ENUM_TYPEINFO(TDragState, dsDragEnter, dsDragLeave, dsDragMove);

using TDragOverEvent = TEvent<void(TObject* Sender, TObject* Source, int32_t X, int32_t Y, TDragState State,
                                   bool& Accept)>;
MORVANE_EVENT_TYPEINFO(TDragOverEvent,
                       "Sender, Source: TObject; X, Y: Integer; State: TDragState; var Accept: Boolean");
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int32_t X, int32_t Y)>;
MORVANE_EVENT_TYPEINFO(TDragDropEvent, "Sender, Source: TObject; X, Y: Integer");
// The end of a drag has the drop's signature (Sender, Target, X, Y), and so
// the same C++ type and type information.
using TEndDragEvent = TDragDropEvent;
using TStartDragEvent = TEvent<void(TObject* Sender, TObject*& DragObject)>;
MORVANE_EVENT_TYPEINFO(TStartDragEvent, "Sender: TObject; var DragObject: TDragObject");

// The drag members of a control; a control class inherits it beside its
// control base.
class TDragClient {
 public:
  virtual ~TDragClient() = default;
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  TCursor DragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor value) { FDragCursor = value; }

  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

 private:
  TDragMode FDragMode = dmManual;
  TCursor FDragCursor = crDrag;
};

// Starts dragging a windowed control; threshold -1 is the platform's (5
// pixels). Nothing happens while another drag runs.
void BeginDrag(TControl* control, bool immediate, int32_t threshold = -1);
// Ends the running drag, dropping on an accepting target when drop holds.
void EndDrag(bool drop);
// Whether control is the source of the drag that runs (or waits for its
// threshold).
bool Dragging(const TControl* control);
// Ends a drag whose source goes away.
void CancelDragOf(const TControl* control);
