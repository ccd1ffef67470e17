#pragma once
// TCustomForm and TForm: top-level windows with a title, a border, an active
// control, modal showing and closing.
//
// Constructing a form (new TForm1(owner)) makes it without its form resource:
// the platform's CreateNew. CreateForm<TForm1>(owner) (FormResources.h) makes
// it and reads the form resources registered for its class and its
// ancestors, binds events to its published methods, and fires OnCreate: the
// platform's Create.

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ScrollingWinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
MORVANE_ENUM_TYPEINFO(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow,
                      bsSizeToolWin);
// The border of ordinary controls: the first two values of TFormBorderStyle.
using TBorderStyle = TFormBorderStyle;
PTypeInfo TypeInfoTBorderStyle();

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
MORVANE_ENUM_TYPEINFO(TBorderIcon, biSystemMenu, biMinimize, biMaximize, biHelp);
using TBorderIcons = TSet<TBorderIcon>;
MORVANE_SET_TYPEINFO(TBorderIcons, TBorderIcon);

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
MORVANE_ENUM_TYPEINFO(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop);

enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
MORVANE_ENUM_TYPEINFO(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly,
                      poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter);

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
MORVANE_ENUM_TYPEINFO(TWindowState, wsNormal, wsMinimized, wsMaximized);

enum TCloseAction { caNone, caHide, caFree, caMinimize };
MORVANE_ENUM_TYPEINFO(TCloseAction, caNone, caHide, caFree, caMinimize);

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
MORVANE_EVENT_TYPEINFO(TCloseEvent, "Sender: TObject; var Action: TCloseAction");
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
MORVANE_EVENT_TYPEINFO(TCloseQueryEvent, "Sender: TObject; var CanClose: Boolean");

class TCustomForm : public TScrollingWinControl {
  MORVANE_CLASS(TCustomForm, TScrollingWinControl)
  MORVANE_MESSAGE_TABLE(TCustomForm)

 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons value);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition value) { FPosition = value; }
  TWindowState WindowState() const { return FWindowState; }
  void SetWindowState(TWindowState value);

  // The control that has (or gets, when the form is activated) the focus.
  // Raises EInvalidOperation for a control that is not on this form or
  // cannot take the focus.
  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* value);
  // The form's main menu (a TMainMenu of the menus layer).
  TComponent* Menu() const { return FMenu; }
  void SetMenu(TComponent* value);
  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool value) { FKeyPreview = value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult value) { FModalResult = value; }
  bool Active() const { return FActive; }
  bool Modal() const { return FModal; }
  TCanvas* Canvas() const { return FCanvas; }
  int32_t PixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t value) { FPixelsPerInch = value; }
  bool Scaled() const { return FScaled; }
  void SetScaled(bool value) { FScaled = value; }
  bool OldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool value) { FOldCreateOrder = value; }

  // Shows the form and runs a modal loop until ModalResult is set; answers
  // it. Under a modal responder (ModalResponder.h) the responder answers
  // instead and nothing is shown. Raises EInvalidOperation for a form that
  // is visible or disabled.
  virtual TModalResult ShowModal();
  // Asks OnCloseQuery, then OnClose decides: hide, free (Release), minimize
  // or nothing; closing the main form ends the application. A modal form
  // only gets ModalResult mrCancel.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now waiting are handled.
  void Release();
  void Show() override;
  void Hide() { SetVisible(false); }
  void FocusControl(TWinControl* control);

  TNotifyEvent OnActivate;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  // The classic files carry Width and Height while AutoScroll is on or a
  // scroll range is set, ClientWidth and ClientHeight otherwise.
  bool IsFormSizeStored() const;
  bool IsClientSizeStored() const { return !IsFormSizeStored(); }

  // Fires OnCreate; run once the form is made and read.
  void DoCreate();
  void DefineProperties(TFiler* filer) override;
  void GetChildren(const TGetChildProc& proc, TComponent* root) override;

 protected:
  friend class TWinControl;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void PaintWindow(HDC dc) override;
  virtual void Paint();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& action);
  void Notification(TComponent* component, TOperation operation) override;
  void SetClientSize(int32_t width, int32_t height) override;
  // A child that got the focus, or that goes away.
  void FocusedChanged(TWinControl* control);
  void DefocusControl(TWinControl* control);
  void CloseModal();

  void WMClose(TMessage& message);
  void WMActivate(TMessage& message);
  void WMPaint(TMessage& message);
  void CMRelease(TMessage& message);
  void CMShowingChanged(TMessage& message);

 private:
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  TWinControl* FActiveControl = nullptr;
  TComponent* FMenu = nullptr;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  bool FActive = false;
  bool FModal = false;
  TControlCanvas* FCanvas;
  int32_t FPixelsPerInch = 96;
  bool FScaled = true;
  bool FOldCreateOrder = false;
  int32_t FTextHeight = 13;
};

class TForm : public TCustomForm {
  MORVANE_CLASS(TForm, TCustomForm)

 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  static void Publish(TPublisher<TForm>& p);
};
