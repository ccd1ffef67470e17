#pragma once
// TWinControl: a control with a window of its own. The window (one QWidget)
// is made lazily, when the handle is first needed or the control starts
// showing, inside its parent's window at the control's bounds. All windows of
// this layer share one window class whose procedure finds the control through
// a window property and hands every message to the control's WindowProc.
//
// A windowed control keeps two lists of children, graphic controls and
// windowed ones, each in z-order (bottom first); Controls(i) answers the
// graphic ones first, as the platform does, and that is also the order in
// which forms write their controls. The parent paints its graphic children
// after itself and routes their mouse messages to them.

#include <functional>
#include <vector>

#include "platform/controls/Control.h"

class QWidget;

class TWinControl : public TControl {
  MORVANE_CLASS(TWinControl, TControl)
  MORVANE_MESSAGE_TABLE(TWinControl)

 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  void BeforeDestruction() override;
  // A control living in a foreign window (no parent control).
  static TWinControl* CreateParented(TClass cls, HWND parentWindow);

  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded();
  HWND ParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND value);
  // Destroys the window and makes it again with the control's current state.
  void RecreateWnd();

  int32_t ControlCount() const;
  // Graphic controls first, then windowed ones, each bottom first. Raises
  // EListError for an index out of range.
  TControl* Controls(int32_t index) const;
  // The child whose bounds hold pos (client coordinates), the topmost first;
  // windowed children only with allowWinControls, disabled ones only with
  // allowDisabled; children in design state count when they show there.
  TControl* ControlAtPos(TPoint pos, bool allowDisabled, bool allowWinControls = false) const;
  bool ContainsControl(const TControl* control) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // Sends the message to every child; stops at the first that answers nonzero.
  void Broadcast(TMessage& message);
  // Perform on every child.
  void NotifyControls(UINT msg);

  TTabOrder TabOrder() const;
  void SetTabOrder(TTabOrder value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool value) { FTabStop = value; }
  // Every windowed control below this one in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  bool Showing() const override { return FShowing; }
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetZOrder(bool topMost) override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;

  void DisableAlign();
  void EnableAlign();
  void Realign();
  // Moves every child by (dx, dy) and scrolls the window's contents.
  void ScrollBy(int32_t dx, int32_t dy);

  // Paints the window (PaintWindow) and then the graphic children, into the
  // message's DC or one of BeginPaint.
  void PaintHandler(TMessage& message);
  // Paints the visible graphic children, from first up to the end (all when
  // first is null), each clipped to its bounds with the origin at its corner.
  void PaintControls(HDC dc, TControl* first);

  void GetChildren(const TGetChildProc& proc, TComponent* root) override;
  void ReadState(TReader* reader) override;
  void SetChildOrder(TComponent* child, int32_t order) override;
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;
  void SetEnabled(bool value) override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // The control a window belongs to (this layer's windows only), or null.
  static TWinControl* FindControl(HWND handle);

 protected:
  std::string GetText() const override;
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateHandle();
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  // Makes the window: by default a plain window of this layer's class;
  // controls with a native widget answer one from CreateNativeWidget.
  virtual void CreateWindowHandle(const TCreateParams& params);
  // A native widget (a push button ...) made for params inside parent, or
  // null for a plain window. The control's window is made of it.
  virtual QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent);
  // Paints the control's own area (the default lets the window paint itself).
  virtual void PaintWindow(HDC dc);
  virtual void AlignControls(TControl* control, TRect& rect);
  // Realigns around control (null: everything) unless alignment is disabled.
  void AlignControl(TControl* control);
  void UpdateShowing();
  // Shows or hides the window for the control's state when its top parent
  // (a form, or a control in a foreign window) shows.
  void UpdateControlState();
  void VisibleChanged() override;
  void Loaded() override;
  // Reads the window's rectangle back into the bounds.
  void UpdateBounds();
  virtual void KeyDown(WORD& key, TShiftState shift);
  virtual void KeyUp(WORD& key, TShiftState shift);
  virtual void KeyPress(char& key);

  void WMPaint(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMSize(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMKeyUp(TMessage& message);
  void WMChar(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void CMShowingChanged(TMessage& message);
  // Hands a dialog key to every child until one takes it (nonzero Result).
  void CMDialogKey(TMessage& message);

  HWND FHandle = nullptr;
  HWND FParentWindow = nullptr;
  bool FShowing = false;
  bool FTabStop = false;
  int32_t FAlignLevel = 0;
  std::vector<TControl*> FControls;     // graphic children, bottom first
  std::vector<TWinControl*> FWinControls;  // windowed children, bottom first
  std::vector<TWinControl*> FTabList;   // windowed children in tab order

 private:
  friend class TControl;
  friend LRESULT ControlWindowProcedure(HWND, UINT, WPARAM, LPARAM);
  // The sibling window this control's window goes below when made, so that
  // windows keep the order of FWinControls.
  HWND PrecedingWindow() const;
  // Whether a mouse message belongs to a graphic child; sends it there.
  bool IsControlMouseMsg(TMessage& message);
  // Takes a child out of the lists without touching it (it is being destroyed).
  void DetachChild(TControl* control);
  void DestroyChildren();
};
