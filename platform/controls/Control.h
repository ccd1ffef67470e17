#pragma once
// TControl: the base of everything visible on a form. A control has bounds in
// its parent's client area, a parent (a windowed control), visibility,
// alignment, colour, font and cursor, and receives messages through its
// replaceable WindowProc: the designer saves it, puts its own procedure in
// front and gives it back later. The default WindowProc is WndProc, which
// dispatches through the class's message handler table (MessageTable.h) and
// ends in DefaultHandler.
//
// A control without a window of its own (TGraphicControl) is painted by its
// parent and gets its mouse messages from it; TWinControl adds the window.
//
// Published properties: TControl publishes Left, Top, Width, Height, Cursor
// and Hint; descendants publish the others they show, in their own order,
// with the helpers of ControlPublishing.h.

#include <cstdint>
#include <string>

#include "platform/classes/Component.h"
#include "platform/controls/ControlTypes.h"
#include "platform/controls/MessageTable.h"
#include "platform/core/Types.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"

class TWinControl;
class TCustomForm;

class TControl : public TComponent {
  MORVANE_CLASS(TControl, TComponent)

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  void BeforeDestruction() override;

  TWinControl* Parent() const { return FParent; }
  // Moves the control into another parent's list of controls (or none);
  // raises EInvalidOperation for itself or a child of itself.
  virtual void SetParent(TWinControl* value);

  int32_t Left() const { return FLeft; }
  int32_t Top() const { return FTop; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  void SetLeft(int32_t value) { SetBounds(value, FTop, FWidth, FHeight); }
  void SetTop(int32_t value) { SetBounds(FLeft, value, FWidth, FHeight); }
  void SetWidth(int32_t value) { SetBounds(FLeft, FTop, value, FHeight); }
  void SetHeight(int32_t value) { SetBounds(FLeft, FTop, FWidth, value); }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const { return Rect(0, 0, FWidth, FHeight); }
  int32_t ClientWidth() const { return ClientRect().Width(); }
  int32_t ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int32_t value) { SetClientSize(value, ClientHeight()); }
  void SetClientHeight(int32_t value) { SetClientSize(ClientWidth(), value); }
  // The screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint point) const;
  TPoint ScreenToClient(TPoint point) const;

  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  virtual void Show();
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool value);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors value) { FAnchors = value; }

  TColor Color() const { return FColor; }
  void SetColor(TColor value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool value);
  TFont* Font() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& value) { FHint = value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool value);
  // What streams: values not taken from the parent.
  bool IsColorStored() const { return !FParentColor; }
  bool IsFontStored() const { return !FParentFont; }
  bool IsShowHintStored() const { return !FParentShowHint; }
  // Anchors other than those the alignment gives.
  bool IsAnchorsStored() const;
  // The control's popup menu (a TPopupMenu of the menus layer); a plain
  // component reference here, so that this layer does not depend on menus.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* value);

  TCaption Caption() const { return GetText(); }
  void SetCaption(const TCaption& value) { SetText(value); }
  TCaption Text() const { return GetText(); }
  void SetText(const TCaption& value);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle value) { FControlStyle = value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState value) { FControlState = value; }
  // The control is on screen: visible up to a shown window.
  virtual bool Showing() const;

  // Every message to the control goes through WindowProc.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  // Calls the class's handler of the message, or DefaultHandler.
  void Dispatch(TMessage& message);
  // Handles a message with table, falling back to DefaultHandler: what a
  // handler calls to pass a message to its ancestors' handling.
  void DispatchFrom(const TMessageTable& table, TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);

  void BringToFront() { SetZOrder(true); }
  void SendToBack() { SetZOrder(false); }
  virtual void SetZOrder(bool topMost);
  virtual void Invalidate();
  virtual void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }

  // The form the control is on (its top parent when that is a form), or null.
  TCustomForm* ParentForm() const;

  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  // A control showing its name as caption (csSetCaption) follows a rename.
  void SetName(const std::string& value) override;
  void SetParentComponent(TComponent* value) override;

  virtual void Click();
  virtual void DblClick();
  bool MouseCapture() const;
  void SetMouseCapture(bool value);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;

  static const TMessageTable& ClassMessageTable();
  static void Publish(TPublisher<TControl>& p);

 protected:
  virtual const TMessageTable& MessageTable() const { return ClassMessageTable(); }
  virtual std::string GetText() const { return FText; }
  virtual void SetClientSize(int32_t width, int32_t height);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  virtual void MouseMove(TShiftState shift, int32_t x, int32_t y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
  virtual void Resize();
  // Asks the parent to realign around this control.
  void RequestAlign();
  // Takes new bounds without moving anything (the window already moved).
  void UpdateBoundsRect(const TRect& r);
  virtual void VisibleChanged();
  // Font and colour taken from the parent while ParentFont / ParentColor hold.
  void TakeParentFont();
  void TakeParentColor();
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  void WMMouseButtonDown(TMessage& message);
  void WMMouseButtonUp(TMessage& message);
  void WMMouseButtonDblClk(TMessage& message);
  void WMMouseMove(TMessage& message);
  void CMHitTest(TMessage& message) { message.Result = HTCLIENT; }
  void CMMouseLeave(TMessage& message);
  // Shows the popup menu through the menus layer (MenuHooks.h).
  void WMContextMenu(TMessage& message);
  void CMParentFontChanged(TMessage& message);
  void CMParentColorChanged(TMessage& message);
  void CMParentShowHintChanged(TMessage& message);

  TWinControl* FParent = nullptr;
  int32_t FLeft = 0;
  int32_t FTop = 0;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TAlign FAlign = alNone;
  TAnchors FAnchors{akLeft, akTop};
  TColor FColor = clWindow;
  bool FParentColor = true;
  TFont* FFont;
  bool FParentFont = true;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TComponent* FPopupMenu = nullptr;
  std::string FText;
  TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState FControlState;

 private:
  // The parent keeps its children's place and bounds in its lists.
  friend class TWinControl;
  void FontChanged(TObject* sender);
  // Tells the graphic control the mouse left and the one it entered.
  static void SetMouseControl(TControl* control);
  bool FTakingParentFont = false;
};

// The control that has the mouse through its parent's window capture (a
// graphic control pressed), or null.
TControl* CaptureControl();
void SetCaptureControl(TControl* control);

// The identifier map of the standard cursors ("crArrow" ...).
bool CursorToIdent(int32_t cursor, std::string& ident);
bool IdentToCursor(const std::string& ident, int32_t& cursor);
std::string CursorToString(TCursor cursor);
// A cursor name or a number; anything else raises EConvertError.
TCursor StringToCursor(const std::string& text);
void GetCursorValues(const std::function<void(const std::string&)>& proc);
