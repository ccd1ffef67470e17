#include "platform/controls/Form.h"

#include <QWidget>

#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/controls/MenuHooks.h"
#include "platform/controls/ModalResponder.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

PTypeInfo TypeInfoTBorderStyle() {
  static const TTypeInfo info = MakeEnumTypeInfo("TBorderStyle", "bsNone, bsSingle");
  return &info;
}

TCustomForm::TCustomForm(TComponent* owner) : TScrollingWinControl(owner), FCanvas(new TControlCanvas) {
  FCanvas->SetControl(this);
  FVisible = false;
  FColor = clBtnFace;
  FParentColor = false;
  FParentFont = false;
  FWidth = 320;
  FHeight = 240;
  if (Screen) {
    Screen->AddForm(this);
    FPixelsPerInch = Screen->PixelsPerInch();
  }
}

TCustomForm::~TCustomForm() {
  if (Screen) Screen->RemoveForm(this);
  delete FCanvas;
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy && !ComponentState().Contains(csDestroying)) {
    try {
      OnDestroy(this);
    } catch (...) {
      if (Application) Application->HandleException(this);
    }
  }
  if (Screen) Screen->RemoveForm(this);
  inherited::BeforeDestruction();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
  if (FBorderStyle == value) return;
  FBorderStyle = value;
  if (!ComponentState().Contains(csLoading)) RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
  if (FBorderIcons == value) return;
  FBorderIcons = value;
  if (!ComponentState().Contains(csLoading)) RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle value) {
  if (FFormStyle == value) return;
  FFormStyle = value;
  if (HandleAllocated() && !ComponentState().Contains(csLoading))
    SetWindowPos(FHandle, value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetWindowState(TWindowState value) {
  if (FWindowState == value) return;
  FWindowState = value;
  if (FShowing && FHandle)
    ShowWindow(FHandle, value == wsMaximized ? SW_SHOWMAXIMIZED
                        : value == wsMinimized ? SW_SHOWMINIMIZED
                                               : SW_RESTORE);
}

void TCustomForm::SetActiveControl(TWinControl* value) {
  if (FActiveControl == value) return;
  if (value) {
    bool loading = ComponentState().Contains(csLoading);
    if (value == this || value->ParentForm() != this || (!loading && !value->CanFocus()))
      throw EInvalidOperation("Cannot focus a disabled or invisible window");
    value->FreeNotification(this);
  }
  FActiveControl = value;
  if (value && FActive && !ComponentState().Contains(csLoading)) ::SetFocus(value->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
  FActiveControl = control;
  if (control) {
    control->FreeNotification(this);
    ::SetFocus(control->Handle());
  }
}

void TCustomForm::FocusedChanged(TWinControl* control) {
  if (FActiveControl == control) return;
  FActiveControl = control;
  control->FreeNotification(this);
}

void TCustomForm::DefocusControl(TWinControl* control) {
  if (FActiveControl && control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

void TCustomForm::SetMenu(TComponent* value) {
  FMenu = value;
  if (value) value->FreeNotification(this);
  if (MenuHooks().MenuChanged) MenuHooks().MenuChanged(this);
}

void TCustomForm::GetChildren(const TGetChildProc& proc, TComponent* root) {
  inherited::GetChildren(proc, root);
  // The form's own components without a parent (menus, dialogs, timers)
  // stream after its controls.
  if (root != this) return;
  for (int32_t i = 0; i < ComponentCount(); ++i)
    if (!Components(i)->HasParent()) proc(Components(i));
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  inherited::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FMenu) FMenu = nullptr;
}

bool TCustomForm::IsFormSizeStored() const {
  return AutoScroll() || HorzScrollBar()->Range() != 0 || VertScrollBar()->Range() != 0;
}

void TCustomForm::SetClientSize(int32_t width, int32_t height) {
  inherited::SetClientSize(width, height);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  inherited::CreateParams(params);
  params.Style = WS_CLIPCHILDREN;
  params.ExStyle = 0;
  params.WndParent = FParentWindow;
  if (FParentWindow) params.Style |= WS_CHILD;
  switch (FBorderStyle) {
    case bsNone: params.Style |= WS_POPUP; break;
    case bsSingle:
    case bsToolWindow: params.Style |= WS_CAPTION | WS_BORDER; break;
    case bsSizeable:
    case bsSizeToolWin: params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION | WS_DLGFRAME;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) params.Style |= WS_SYSMENU;
  if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
    if (FBorderIcons.Contains(biMinimize)) params.Style |= WS_MINIMIZEBOX;
    if (FBorderIcons.Contains(biMaximize)) params.Style |= WS_MAXIMIZEBOX;
  }
  if (FFormStyle == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  TCustomForm* center = nullptr;
  if (FPosition == poMainFormCenter && Application) center = Application->MainForm();
  if (FPosition == poOwnerFormCenter) center = dynamic_cast<TCustomForm*>(Owner());
  if (center == this) center = nullptr;
  if (center) {
    params.X = center->Left() + (center->Width() - FWidth) / 2;
    params.Y = center->Top() + (center->Height() - FHeight) / 2;
  } else if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
             FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) {
    params.X = (GetSystemMetrics(SM_CXSCREEN) - FWidth) / 2;
    params.Y = (GetSystemMetrics(SM_CYSCREEN) - FHeight) / 2;
  }
}

void TCustomForm::CreateWnd() {
  inherited::CreateWnd();
  // The border icons the window manager shows.
  if (QWidget* widget = WindowWidget(FHandle); widget && widget->isWindow()) {
    bool visible = widget->isVisible();
    Qt::WindowFlags flags = widget->windowFlags() | Qt::CustomizeWindowHint;
    flags.setFlag(Qt::Dialog, FBorderStyle == bsDialog);
    flags.setFlag(Qt::WindowTitleHint, FBorderStyle != bsNone);
    flags.setFlag(Qt::WindowSystemMenuHint, FBorderIcons.Contains(biSystemMenu));
    flags.setFlag(Qt::WindowCloseButtonHint, FBorderIcons.Contains(biSystemMenu));
    flags.setFlag(Qt::WindowMinimizeButtonHint, (GetWindowLong(FHandle, GWL_STYLE) & WS_MINIMIZEBOX) != 0);
    flags.setFlag(Qt::WindowMaximizeButtonHint, (GetWindowLong(FHandle, GWL_STYLE) & WS_MAXIMIZEBOX) != 0);
    flags.setFlag(Qt::WindowContextHelpButtonHint, FBorderIcons.Contains(biHelp));
    widget->setWindowFlags(flags);
    if (visible) widget->show();
  }
  UpdateBounds();
  if (FMenu && MenuHooks().MenuChanged) MenuHooks().MenuChanged(this);
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::CMShowingChanged(TMessage&) {
  if (FShowing) {
    if (OnShow) OnShow(this);
    int command = FWindowState == wsMaximized ? SW_SHOWMAXIMIZED
                  : FWindowState == wsMinimized ? SW_SHOWMINIMIZED
                                                : SW_SHOWNORMAL;
    ShowWindow(FHandle, command);
    SetActiveWindow(FHandle);
  } else {
    if (OnHide) OnHide(this);
    ShowWindow(FHandle, SW_HIDE);
  }
}

void TCustomForm::Activate() {
  FActive = true;
  if (Screen) Screen->SetActiveForm(this);
  if (FActiveControl && FActiveControl->CanFocus()) ::SetFocus(FActiveControl->Handle());
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  FActive = false;
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  if (TWMActivate(message).Active() != WA_INACTIVE)
    Activate();
  else
    Deactivate();
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMPaint(TMessage& message) {
  FControlState.Include(csCustomPaint);
  try {
    DispatchFrom(inherited::ClassMessageTable(), message);
  } catch (...) {
    FControlState.Exclude(csCustomPaint);
    throw;
  }
  FControlState.Exclude(csCustomPaint);
}

void TCustomForm::PaintWindow(HDC dc) {
  PaintOnControlCanvas(FCanvas, Font(), dc, [this] { Paint(); });
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::CMRelease(TMessage&) {
  // Nothing of the form may be used after this: it is gone.
  Free();
}

void TCustomForm::Release() {
  PostMessage(Handle(), CM_RELEASE, 0, 0);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this)
    Application->Terminate();
  else if (action == caHide)
    Hide();
  else if (action == caMinimize)
    SetWindowState(wsMinimized);
  else
    Release();
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone) FModalResult = mrNone;
  if (action == caFree) Release();
}

TModalResult TCustomForm::ShowModal() {
  if (FVisible || !FEnabled || FModal)
    throw EInvalidOperation("Cannot make a visible window modal");
  FModalResult = mrNone;
  if (TModalResponder::Answers()) {
    TModalRequest request;
    request.Kind = mrkForm;
    request.Form = this;
    request.ClassName = ClassName();
    request.Caption = Caption();
    FModal = true;
    struct TLeave {
      bool& Modal;
      ~TLeave() { Modal = false; }
    } leave{FModal};
    TModalResult answer = TModalResponder::Respond(request);
    FModalResult = answer != mrNone ? answer : FModalResult;
    return FModalResult;
  }
  ReleaseCapture();
  FModal = true;
  struct TLeave {
    TCustomForm* Form;
    ~TLeave() { Form->FModal = false; }
  } leave{this};
  HandleNeeded();
  if (QWidget* widget = WindowWidget(FHandle)) widget->setWindowModality(Qt::ApplicationModal);
  Show();
  while (FModalResult == mrNone) {
    Application->HandleMessage();
    if (Application->Terminated())
      FModalResult = mrCancel;
    else if (FModalResult != mrNone)
      CloseModal();
  }
  Hide();
  if (QWidget* widget = FHandle ? WindowWidget(FHandle) : nullptr) widget->setWindowModality(Qt::NonModal);
  return FModalResult;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DefineProperties(TFiler* filer) {
  inherited::DefineProperties(filer);
  // The height of the font's text when the form was designed; read and kept,
  // as the files carry it.
  filer->DefineProperty(
      "TextHeight", [this](TReader& reader) { FTextHeight = reader.ReadInteger(); },
      [this](TWriter& writer) { writer.WriteInteger(FTextHeight); }, true);
}

void TCustomForm::Messages(TMessageMap<TCustomForm>& m) {
  m.On<&TCustomForm::WMClose>(WM_CLOSE);
  m.On<&TCustomForm::WMActivate>(WM_ACTIVATE);
  m.On<&TCustomForm::WMPaint>(WM_PAINT);
  m.On<&TCustomForm::CMRelease>(CM_RELEASE);
  m.On<&TCustomForm::CMShowingChanged>(CM_SHOWINGCHANGED);
}

void TForm::Publish(TPublisher<TForm>& p) {
  p.Property("Width", &TControl::Width, &TControl::SetWidth).Stored(&TCustomForm::IsFormSizeStored);
  p.Property("Height", &TControl::Height, &TControl::SetHeight).Stored(&TCustomForm::IsFormSizeStored);
  PublishAlign(p);
  p.Property("AutoScroll", &TScrollingWinControl::AutoScroll, &TScrollingWinControl::SetAutoScroll)
      .Default(true);
  p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(static_cast<int32_t>(TBorderIcons{biSystemMenu, biMinimize, biMaximize}.ToOrdinal()));
  p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  PublishCaption(p);
  p.Property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight)
      .Stored(&TCustomForm::IsClientSizeStored);
  p.Property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth)
      .Stored(&TCustomForm::IsClientSizeStored);
  p.Property("Color", &TControl::Color, &TControl::SetColor).Type(TypeInfoTColor()).Default(clBtnFace);
  PublishEnabled(p);
  p.Property("Font", &TControl::Font, &TControl::SetFont);
  p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  p.Property("HorzScrollBar", &TScrollingWinControl::HorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
  p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  p.Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu);
  p.Property("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder);
  p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(false);
  p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  PublishPopupMenu(p);
  p.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).Default(true);
  PublishShowHint(p);
  p.Property("VertScrollBar", &TScrollingWinControl::VertScrollBar, &TScrollingWinControl::SetVertScrollBar);
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(false);
  p.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState).Default(wsNormal);
  p.Event("OnActivate", &TCustomForm::OnActivate);
  PublishOnClick(p);
  p.Event("OnClose", &TCustomForm::OnClose);
  p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Event("OnCreate", &TCustomForm::OnCreate);
  PublishOnDblClick(p);
  p.Event("OnDestroy", &TCustomForm::OnDestroy);
  p.Event("OnDeactivate", &TCustomForm::OnDeactivate);
  p.Event("OnHide", &TCustomForm::OnHide);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  p.Event("OnPaint", &TCustomForm::OnPaint);
  PublishOnResize(p);
  p.Event("OnShow", &TCustomForm::OnShow);
  p.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
}
