#pragma once
// TObjectEditor: the form designer. A host attaches it to a live windowed
// control (usually a whole form) with SetEditControl; from then on the
// designer watches every message of the user-interface thread through two
// thread hooks, takes the mouse and key input aimed at the design surface,
// keeps the selection with its grab handles and corner marks, runs the drags
// that move, size, select and place, copies, pastes and deletes components
// through the clipboard, and reads and writes the whole form as a form stream.
//
// The implementation is split by concern:
//   ObjEdit.cpp            unit state, lifetime, attaching, hooks, window procedures
//   ObjEditInput.cpp       hit test, presses and keys
//   ObjEditSelection.cpp   the selection and the designer's selection operations
//   ObjEditGrab.cpp        grab handles, corner marks and their painter
//   ObjEditTracking.cpp    the drag frame: moving, sizing, rubber band, outlines
//   ObjEditInsert.cpp      placing new components, unique names, notifications
//   ObjEditClipboard.cpp   cut, copy, paste and delete
//   ObjEditStreams.cpp     the form stream and form files
//   ObjEditContainers.cpp  where the containers of non-visual components plug in

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "designer/ObjIntf.h"
#include "platform/controls/menus/PopupMenu.h"
#include "platform/core/Streams.h"
#include "platform/design/ComponentEditor.h"
#include "platform/windows/Windows.h"

// Private messages of the designer.
// Sent to a control whose selection marks must go; WParam 1 when the control
// is being removed, 0 from the selection code.
constexpr UINT WM_UNSELECT = 0x500;
// Sent (Perform) to InsertNotify when placing ends; LParam = the new
// component, or 0 when placing was cancelled.
constexpr UINT WM_PALETTERESET = 0x501;
// Posted to the thread; the get-message hook frees the object in LParam.
constexpr UINT WM_FREEOBJECT = 0x502;

// Window user data of a grab handle window, so that the hooks leave it alone.
constexpr LONG_PTR GrabHandleMark = 0x3020B;
// Side of a grab handle and of a corner mark.
constexpr int32_t HandleSize = 5;
// A FixedX / FixedY that pins nothing.
constexpr int32_t NotFixed = 327670;

class TObjectEditor;
class TEditContainer;  // the stand-in of a non-visual component

enum TDragKind { dkNone, dkMove, dkSelect, dkSize, dkInsert };

// The state of the current mouse drag.
struct TDesignDrag {
  bool NotMoved = false;      // no mouse move has left Start yet
  bool AlwaysCommit = false;  // the release acts even without movement
  bool Live = false;          // LiveDrag when the drag started
  TDragKind Kind = dkNone;
  HWND Window = nullptr;      // drag coordinates are this window's; it has the capture
  TPoint Origin;              // press point; the fixed corner when sizing
  TPoint Start;               // mouse position at the press
  TPoint Current;             // the latest point the drag followed
  int32_t FixedX = NotFixed;  // side handles: the coordinate that stays
  int32_t FixedY = NotFixed;
  bool Snap = true;           // snap to the grid relative to Origin
  std::function<void(TPoint)> OnEnd;       // undraws the outline
  std::function<void()> OnUp;              // completes the drag on release
  std::function<void(TPoint)> OnMove;      // follows the mouse
  std::function<void(bool)> OnCancel;      // once at the end: True after a cancel
};

class TEditGrab;

// One of the eight sizing handles around the single selected item. Its
// window has no parent control; its parent window is set with SetParent.
class TGrabHandle : public TWinControl {
  MORVANE_CLASS(TGrabHandle, TWinControl)
  MORVANE_MESSAGE_TABLE(TGrabHandle)

 public:
  TGrabHandle(TEditGrab* AGrab, int32_t APosition);
  // 0..7 clockwise from the top-left corner.
  int32_t Position;

 protected:
  void CreateHandle() override;
  // Starts sizing the grabbed control from this handle.
  void WMLButtonDown(TMessage& Message);

 private:
  TEditGrab* FGrab;
};

// The eight handles shown around the single selected item. It hooks the
// grabbed item's window procedure to follow the item's moves and sizes.
class TEditGrab : public TComponent {
  MORVANE_CLASS(TEditGrab, TComponent)

 public:
  explicit TEditGrab(TObjectEditor* ADesigner);
  ~TEditGrab() override;

  TObjectEditor* Designer;
  TControl* Control = nullptr;
  bool Visible = false;
  TGrabHandle* Handles[8] = {};
  // The component editor of Control's component; owned.
  TComponentEditor* ComponentEditor = nullptr;
  bool Positioned = false;

  void SetControl(TControl* Item);
  void SetVisible(bool Value);
  void Reposition();
  void BringHandlesToFront();

 protected:
  // Forgets a grabbed control that is being freed.
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void ControlWndProc(TMessage& Message);
  TWndMethod FSavedWndProc;
};

// Paints the four corner marks of one item of a multi-selection after the
// item paints itself. Frees itself on WM_UNSELECT.
class TEditSelector : public TObject {
  MORVANE_CLASS(TEditSelector, TObject)

 public:
  TEditSelector(TObjectEditor* ADesigner, TControl* AItem);

  TObjectEditor* Designer;
  TControl* Control;

 private:
  void WndProc(TMessage& Message);
  TWndMethod FSavedWndProc;
};

using TActiveDesignerChangeEvent = TEvent<void(TObjectEditor* Designer)>;

class TObjectEditor : public TObjEditor {
  MORVANE_CLASS(TObjectEditor, TObjEditor)

 public:
  TObjectEditor();
  ~TObjectEditor() override;
  void BeforeDestruction() override;

  // ---- state --------------------------------------------------------------
  bool LiveDrag = false;       // move and size the controls while the mouse moves
  TDesignDrag DragState;
  TWinControl* EditControl = nullptr;  // the design root
  HWND EditHandle = nullptr;
  // TFormDesigner::Form is the parent form of EditControl.
  int32_t GridX = 8;
  int32_t GridY = 8;
  // Selected items in selection order: controls and containers.
  std::vector<TControl*> Selection;
  TEditGrab* Grab = nullptr;
  TColor GridColor = clGray;
  TColor FrameColor = clWhite;
  TColor MarkColor = clGray;
  std::vector<TEditContainer*> Containers;
  TComponentClass InsertClass = nullptr;
  TControl* InsertNotify = nullptr;
  // Items that arrive while a paste or a form load runs; null otherwise.
  std::unique_ptr<std::vector<TControl*>> LoadedList;
  bool FreeOnDetach = false;
  TPopupMenu* PopupMenu = nullptr;
  TNotifyEvent OnInsertDone;
  TNotifyEvent OnDestroy;
  // Sender = the component just made by CreateComponentAt.
  TNotifyEvent OnCreateComponent;

  // ---- TFormDesigner answers of a live designer -----------------------------
  void Notification(TPersistent* AComponent, TOperation Operation) override;
  void ValidateRename(TComponent* AComponent, const std::string& CurName,
                      const std::string& NewName) override;
  void GetSelections(TComponentList* List) override;
  void SelectComponent(TPersistent* Instance) override;
  void SetSelections(TComponentList* List) override;
  std::string UniqueName(const std::string& BaseName) override;
  void GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) override;
  TComponent* GetComponent(const std::string& Name) override;
  std::string GetComponentName(TComponent* Component) override;
  TComponent* CreateComponent(TComponentClass ComponentClass, TComponent* Parent, int32_t Left,
                              int32_t Top, int32_t Width, int32_t Height) override;
  TComponent* GetRoot() override;

  // ---- virtual operations, in the order of their slots ---------------------
  virtual void CallWndProcHook(CWPSTRUCT& CWP);
  virtual void GetMessageHook(MSG& Msg);
  virtual bool NameExists(const std::string& Name);
  virtual TPopupMenu* CreatePopupMenu();
  virtual void LButtonDown(MSG& Msg);
  virtual void LButtonUp(MSG& Msg);
  virtual void MouseMove(MSG& Msg);
  virtual void KeyDown(MSG& Msg);
  virtual void LButtonDblClk(MSG& Msg);
  virtual void RButtonDown(MSG& Msg);
  virtual void CloseRequest(CWPSTRUCT& CWP);
  virtual void EditControlWndProc(TMessage& Message);
  virtual void FormWndProc(TMessage& Message);
  virtual void ShowPopupMenu(TPoint ScreenPoint);
  virtual void SetEditControl(TWinControl* Control);
  virtual void DeleteSelection();
  virtual void CopyToClipboard();
  virtual void PasteFromClipboard();
  virtual void CutToClipboard();

  // ---- attaching and interception ------------------------------------------
  // EditHandle, or a descendant window of it that is not a grab handle.
  bool IsDesignWindow(HWND W) const;

  // ---- selection ------------------------------------------------------------
  bool IsSelected(TControl* Item) const;
  void AddToSelection(TControl* Item, bool ClearFirst);
  void RemoveFromSelection(TControl* Item);
  void UnselectAll();
  void KeepSameParent(TControl* Reference);
  void UnselectContainers();
  void NotifySelection();
  TComponent* PrimaryComponent();
  // The control (or container) that a point of Window hits.
  TControl* ControlAtPoint(HWND Window, TPoint Point);
  void SelectNeighbour(bool Forward);
  bool IsDesignComponent(TComponent* Component) const;
  TComponent* FindDesignComponent(TComponent* Component) const;
  // The component of a selection item: the item, or a container's component.
  static TComponent* ComponentOf(TControl* Item);

  // ---- marks and drags --------------------------------------------------------
  void DrawSelectionMarks(TControl* Item);
  void EraseSelectionMarks(TControl* Item);
  void BeginMove(HWND Window, TControl* Control, TPoint Point);
  void BeginSelect(HWND Window, TPoint Point);
  void BeginSize(HWND Window, TPoint Anchor, TPoint Corner, TPoint MousePoint, int32_t FixedX,
                 int32_t FixedY);
  void BeginInsert(HWND Window, TPoint Point);
  void BeginTracking(HWND Window, TPoint Point, TDragKind Kind);
  void EndTracking();
  void CancelTracking();
  void MoveSelection(int32_t DX, int32_t DY);
  void ResizeSelection(int32_t DW, int32_t DH);

  // ---- placing ----------------------------------------------------------------
  void SetInsertClass(TControl* Notify, TComponentClass AClass);
  void CancelInsert(bool Notify);
  // The placing branch of a designer press while InsertClass is set: Hit is
  // the hit control, P the press point in Window's client coordinates.
  void InsertAtPress(TControl* Hit, HWND Window, TPoint P);
  TComponent* CreateComponentAt(TWinControl* Parent, TComponentClass AClass, const TRect& R);

  // ---- form streams -------------------------------------------------------------
  void SaveToStream(TStream* Stream);
  void LoadFromStream(TStream* Stream);
  void SaveToFile(const std::string& FileName);
  void LoadFromFile(const std::string& FileName);

  // ---- containers of non-visual components --------------------------------------
  void CreateContainers();
  void FreeContainers();
  TEditContainer* FindContainer(TComponent* Component) const;
  void PositionLoadedContainers();

 private:
  void RefreshDesignSurface(TControl* Control);
  // Lets go of the edited control's dying window and queues the designer's own free.
  void ReleaseDyingWindow();
  void PaintGridDots(HDC DC, const TRect& PaintRect);
  void DrawOutlines(TPoint P);
  void DrawBand(TPoint P);
  void SelectInBand();
  void ApplySize();
  void PlaceNewComponent();
  TPoint SnapPoint(TPoint P) const;
  TWinControl* PasteParent() const;

  TWndMethod FSavedEditProc;
  TWndMethod FSavedFormProc;
};

// ---- unit ObjEdit ------------------------------------------------------------------

// The designer that the hooks hand input to, or null.
TObjectEditor* ActiveDesigner();
void SetActiveDesigner(TObjectEditor* Designer);
// A designer attached to Control that frees itself when detached; null for a
// null Control.
TObjectEditor* CreateDesigner(TWinControl* Control, TObjInspector* Inspector);
// Every live designer, in creation order.
extern std::vector<TObjectEditor*> AllDesigners;
// True while a menu loop or a window's move/size loop runs.
extern bool InModalLoop;
// The standard arrow: a press under it belongs to the designer.
extern HCURSOR ArrowCursor;
extern TActiveDesignerChangeEvent OnActiveDesignerChange;

// The window in whose client coordinates Control's bounds are measured.
HWND DesignWindowOf(TControl* Control);
// Four HandleSize squares in the corners of Rect.
void FillCornerMarks(HDC DC, const TRect& Rect, TColor Colour);
// The class name without a leading T (or t) when it is longer than one letter.
std::string ComponentBaseName(TComponentClass AClass);
// BaseName followed by the smallest number that Owner's components leave free.
std::string UniqueComponentName(TComponent* Owner, const std::string& BaseName);

// Unit start-up: stores ActiveDesignerRef and ArrowCursor. Shut-down frees
// every designer still alive, last first, and removes the hooks.
void InitializeObjEdit();
void FinalizeObjEdit();
