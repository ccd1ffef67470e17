// Making and destroying the window of a windowed control.

#include <QWidget>

#include "platform/controls/WinControl.h"
#include "platform/core/Exceptions.h"
#include "platform/windows/QtWindows.h"
#include "platform/windows/Windows.h"

namespace {

constexpr const char* kControlProp = "MorvaneControl";
constexpr const char* kControlClass = "MorvaneControl";

// The control whose window is being made: its first messages (WM_NCCREATE,
// WM_CREATE) arrive before the window property names it.
TWinControl* CreationControl = nullptr;

struct TCreationScope {
  explicit TCreationScope(TWinControl* control) { CreationControl = control; }
  ~TCreationScope() { CreationControl = nullptr; }
};

}  // namespace

LRESULT ControlWindowProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* control = static_cast<TWinControl*>(GetProp(hwnd, kControlProp));
  if (!control && CreationControl) {
    control = CreationControl;
    CreationControl = nullptr;
    control->FHandle = hwnd;
    SetProp(hwnd, kControlProp, control);
  }
  if (!control) return DefWindowProc(hwnd, msg, wParam, lParam);
  TMessage message{msg, wParam, lParam, 0};
  // A copy: a handler may free the control (Release), and with it WindowProc.
  TWndMethod proc = control->WindowProc;
  proc(message);
  return message.Result;
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = FText;
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (!FEnabled) params.Style |= WS_DISABLED;
  if (FTabStop) params.Style |= WS_TABSTOP;
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = FParent ? FParent->Handle() : FParentWindow;
  params.WindowClass = kControlClass;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  if (FParent)
    SetWindowPos(FHandle, PrecedingWindow(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  FControlState.Include(csCreating);
  try {
    CreateWindowHandle(params);
  } catch (...) {
    FControlState.Exclude(csCreating);
    throw;
  }
  FControlState.Exclude(csCreating);
  if (!FHandle) throw EOSError("Cannot create the window of control '" + Name() + "'");
  UpdateBounds();
}

void TWinControl::CreateWindowHandle(const TCreateParams& params) {
  QWidget* parentWidget = params.WndParent ? WindowWidget(params.WndParent) : nullptr;
  if (QWidget* widget = CreateNativeWidget(params, parentWidget)) {
    widget->setGeometry(params.X, params.Y, params.Width, params.Height);
    TCreationScope scope(this);
    CreateWindowForWidget(widget, params.WindowClass.c_str(), &ControlWindowProcedure, true);
    if (FHandle) {
      SetWindowText(FHandle, params.Caption.c_str());
      if (params.Style & WS_DISABLED) EnableWindow(FHandle, false);
    }
    return;
  }
  WNDCLASS cls;
  if (!GetClassInfo(nullptr, params.WindowClass.c_str(), &cls)) {
    cls = WNDCLASS();
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = &ControlWindowProcedure;
    cls.lpszClassName = params.WindowClass.c_str();
    RegisterClass(&cls);
  }
  TCreationScope scope(this);
  CreateWindowEx(params.ExStyle, params.WindowClass.c_str(), params.Caption.c_str(), params.Style,
                 params.X, params.Y, params.Width, params.Height, params.WndParent, nullptr, nullptr,
                 nullptr);
}

QWidget* TWinControl::CreateNativeWidget(const TCreateParams&, QWidget*) { return nullptr; }

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TWinControl* child : FWinControls) child->DestroyHandle();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  // The caption lives in the window while there is one; keep it for the next.
  FText = GetWindowTextString(FHandle);
  FControlState.Include(csDestroyingHandle);
  HWND handle = FHandle;
  DestroyWindow(handle);
  FControlState.Exclude(csDestroyingHandle);
  FHandle = nullptr;
  FShowing = false;
}
