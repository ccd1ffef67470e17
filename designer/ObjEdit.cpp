#include "designer/ObjEdit.h"

#include <algorithm>

#include "platform/controls/Application.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"

// Unit state, the designer's lifetime, attaching and detaching, the two
// thread hooks and the window procedures the designer installs.

std::vector<TObjectEditor*> AllDesigners;
bool InModalLoop = false;
HCURSOR ArrowCursor = nullptr;
TActiveDesignerChangeEvent OnActiveDesignerChange;

namespace {

// Kept as the contract's type so that ActiveDesignerRef can point at it.
TObjEditor* FActiveDesigner = nullptr;
HHOOK GetMessageHookHandle = nullptr;
HHOOK CallWndProcHookHandle = nullptr;
// Designers whose window died and whose WM_FREEOBJECT is still queued. The
// hooks stay installed until it comes out, even when no designer is active,
// and a designer freed by other means in between is taken off this list so
// the queued message never frees it twice.
std::vector<TObject*> PendingFrees;

template <class T>
void EraseValue(std::vector<T>& list, T value) {
  list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

// A hooked handler's exception is shown and the message loop goes on.
template <class F>
void ShowingErrors(F&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    MessageDlg(e.what(), mtError, TMsgDlgButtons{mbOK}, 0);
  }
}

LRESULT GetMessageProc(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallNextHookEx(GetMessageHookHandle, code, wParam, lParam);
  if (code != HC_ACTION || wParam != PM_REMOVE || InModalLoop || !lParam) return result;
  MSG& msg = *reinterpret_cast<MSG*>(lParam);
  ShowingErrors([&] {
    if (msg.message == WM_FREEOBJECT) {
      auto* object = reinterpret_cast<TObject*>(msg.lParam);
      auto it = std::find(PendingFrees.begin(), PendingFrees.end(), object);
      if (it == PendingFrees.end()) return;
      PendingFrees.erase(it);
      object->Free();
      if (!ActiveDesigner()) SetActiveDesigner(nullptr);  // drops the hooks when nothing waits
    } else if (TObjectEditor* designer = ActiveDesigner()) {
      designer->GetMessageHook(msg);
    }
  });
  return result;
}

LRESULT CallWndProcProc(int code, WPARAM wParam, LPARAM lParam) {
  LRESULT result = CallNextHookEx(CallWndProcHookHandle, code, wParam, lParam);
  if (!lParam) return result;
  CWPSTRUCT& cwp = *reinterpret_cast<CWPSTRUCT*>(lParam);
  if (cwp.message == WM_ENTERMENULOOP || cwp.message == WM_ENTERSIZEMOVE) InModalLoop = true;
  if (cwp.message == WM_EXITMENULOOP || cwp.message == WM_EXITSIZEMOVE) InModalLoop = false;
  if (code != HC_ACTION || InModalLoop) return result;
  if (TObjectEditor* designer = ActiveDesigner())
    ShowingErrors([&] { designer->CallWndProcHook(cwp); });
  return result;
}

void InstallHooks() {
  if (!GetMessageHookHandle)
    GetMessageHookHandle =
        SetWindowsHookEx(WH_GETMESSAGE, GetMessageProc, nullptr, GetCurrentThreadId());
  if (!CallWndProcHookHandle)
    CallWndProcHookHandle =
        SetWindowsHookEx(WH_CALLWNDPROC, CallWndProcProc, nullptr, GetCurrentThreadId());
}

void RemoveHooks() {
  if (GetMessageHookHandle) UnhookWindowsHookEx(GetMessageHookHandle);
  if (CallWndProcHookHandle) UnhookWindowsHookEx(CallWndProcHookHandle);
  GetMessageHookHandle = nullptr;
  CallWndProcHookHandle = nullptr;
  InModalLoop = false;
}

}  // namespace

TObjectEditor* ActiveDesigner() { return static_cast<TObjectEditor*>(FActiveDesigner); }

// Null while nothing is active still drops hooks that no queued free needs.
void SetActiveDesigner(TObjectEditor* Designer) {
  TObjectEditor* active = ActiveDesigner();
  if (Designer && Designer == active) return;
  TComponentClass insertClass = nullptr;
  TControl* insertNotify = nullptr;
  if (active && active->Inspector) {
    active->Inspector->SetEditor(nullptr);
    insertClass = active->InsertClass;
    insertNotify = active->InsertNotify;
    active->CancelInsert(false);
  }
  FActiveDesigner = Designer;
  if (Designer) {
    InstallHooks();
    if (Designer->Inspector) Designer->Inspector->SetEditor(Designer);
    if (insertClass) Designer->SetInsertClass(insertNotify, insertClass);
  } else if (PendingFrees.empty()) {
    RemoveHooks();
  }
  if (Designer != active && OnActiveDesignerChange) OnActiveDesignerChange(Designer);
}

TObjectEditor* CreateDesigner(TWinControl* Control, TObjInspector* Inspector) {
  if (!Control) return nullptr;
  // A control already being designed leaves the new designer detached, and
  // a detached designer of this kind frees itself at once.
  const bool stays = !Control->ComponentState().Contains(csDesigning);
  auto* designer = new TObjectEditor;
  designer->Inspector = Inspector;
  designer->FreeOnDetach = true;
  try {
    designer->SetEditControl(Control);
  } catch (...) {
    designer->FreeOnDetach = false;
    designer->Free();
    throw;
  }
  return stays ? designer : nullptr;
}

HWND DesignWindowOf(TControl* Control) {
  if (!Control) return nullptr;
  if (TWinControl* parent = Control->Parent()) {
    TCustomForm* form = Control->ParentForm();
    while (parent && parent != form && (!form || parent->Owner() != form))
      parent = parent->Parent();
    return parent ? parent->Handle() : nullptr;
  }
  if (auto* windowed = dynamic_cast<TWinControl*>(Control))
    return windowed->HandleAllocated() ? GetParent(windowed->Handle()) : windowed->ParentWindow();
  return nullptr;
}

void InitializeObjEdit() {
  ActiveDesignerRef = &FActiveDesigner;
  ArrowCursor = Screen ? Screen->Cursors(crDefault) : LoadCursor(nullptr, IDC_ARROW);
}

void FinalizeObjEdit() {
  while (!AllDesigners.empty()) AllDesigners.back()->Free();
  PendingFrees.clear();
  FActiveDesigner = nullptr;
  RemoveHooks();
  ActiveDesignerRef = nullptr;
  ArrowCursor = nullptr;
  OnActiveDesignerChange.Clear();
}

// ---- lifetime -------------------------------------------------------------------

TObjectEditor::TObjectEditor() {
  AllDesigners.push_back(this);
  PopupMenu = CreatePopupMenu();
  Grab = new TEditGrab(this);
}

void TObjectEditor::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
  FreeOnDetach = false;
  EraseValue(AllDesigners, this);
  EraseValue(PendingFrees, static_cast<TObject*>(this));
  SetEditControl(nullptr);
  // Deactivating (not just forgetting) tells the inspector and drops the hooks.
  if (ActiveDesigner() == this) SetActiveDesigner(nullptr);
  TObjEditor::BeforeDestruction();
}

TObjectEditor::~TObjectEditor() {
  // Deleted without Free: run what Free would have run first.
  if (std::find(AllDesigners.begin(), AllDesigners.end(), this) != AllDesigners.end())
    TObjectEditor::BeforeDestruction();
  Selection.clear();
  if (Grab) Grab->Free();
  if (PopupMenu) PopupMenu->Free();
}

// ---- attaching and detaching ------------------------------------------------------

void TObjectEditor::SetEditControl(TWinControl* Control) {
  if (Control == EditControl) return;
  TWinControl* old = EditControl;
  try {
    if (old) {
      // Gives back in the reverse order of installing, so that a form that is
      // its own edited control gets its own procedure back last.
      if (FSavedEditProc) old->WindowProc = std::move(FSavedEditProc);
      FSavedEditProc = nullptr;
      if (Form && FSavedFormProc) Form->WindowProc = std::move(FSavedFormProc);
      FSavedFormProc = nullptr;
      TCustomForm* form = Form;
      Form = nullptr;
      if (form) {
        form->SetDesigner(nullptr);
        form->SetDesigning(false);
      }
      RefreshDesignSurface(old);
    }
    EditHandle = nullptr;
    UnselectAll();
    FreeContainers();
    if (Inspector) {
      Inspector->ClearSelection();
      Inspector->SetRoot(Control);
    }
    EditControl = Control;
    if (!Control || Control->ComponentState().Contains(csDesigning)) {
      // Not watched, so not remembered: the control may go without telling us.
      EditControl = nullptr;
      if (ActiveDesigner() == this) SetActiveDesigner(nullptr);
      Form = nullptr;
      if (FreeOnDetach) Free();
      return;
    }
    EditHandle = Control->Handle();
    TCustomForm* form = Control->ParentForm();
    if (!form) throw EInvalidOperation("Control '" + Control->Name() + "' has no parent form");
    form->SetActiveControl(nullptr);
    Form = form;
    FSavedFormProc = Form->WindowProc;
    Form->WindowProc = [this](TMessage& Message) { FormWndProc(Message); };
    FSavedEditProc = Control->WindowProc;
    Control->WindowProc = [this](TMessage& Message) { EditControlWndProc(Message); };
    Form->SetDesigner(this);
    CreateContainers();
    SetActiveDesigner(this);
    Control->SetDesigning(true);
    RefreshDesignSurface(Control);
  } catch (...) {
    EditControl = old;
    throw;
  }
}

void TObjectEditor::RefreshDesignSurface(TControl* Control) {
  if (TCustomForm* form = Control->ParentForm(); form && form->HandleAllocated())
    InvalidateRect(form->Handle(), nullptr, true);
  Control->Invalidate();
  auto* parent = dynamic_cast<TWinControl*>(Control);
  for (int32_t i = 0; parent && i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    child->Invalidate();
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed) continue;
    // The platform keeps invisible controls hidden; the design surface shows
    // them, and leaving design hides them again so that running looks right.
    if (windowed->Visible())
      RefreshDesignSurface(windowed);
    else
      ShowWindow(windowed->Handle(),
                 windowed->ComponentState().Contains(csDesigning) ? SW_SHOW : SW_HIDE);
  }
}

// When the window goes (the control is freed, or only its window is made
// anew) the designer lets go of everything it hooked, so that nothing keeps
// pointing at it once the queued WM_FREEOBJECT frees it.
void TObjectEditor::ReleaseDyingWindow() {
  TWinControl* control = EditControl;
  TCustomForm* form = Form;
  UnselectAll();
  FreeContainers();
  if (FSavedEditProc) control->WindowProc = std::move(FSavedEditProc);
  FSavedEditProc = nullptr;
  if (FSavedFormProc) form->WindowProc = std::move(FSavedFormProc);
  FSavedFormProc = nullptr;
  if (form->Designer() == this) form->SetDesigner(nullptr);
  if (!form->ComponentState().Contains(csDestroying)) form->SetDesigning(false);
  EditControl = nullptr;
  EditHandle = nullptr;
  Form = nullptr;
  if (ActiveDesigner() == this) {
    if (Inspector) {
      Inspector->ClearSelection();
      Inspector->SetRoot(nullptr);
    }
    PendingFrees.push_back(this);  // before deactivating, so the hooks stay
    SetActiveDesigner(nullptr);
  } else {
    PendingFrees.push_back(this);
    InstallHooks();
  }
  PostThreadMessage(GetCurrentThreadId(), WM_FREEOBJECT, 0, reinterpret_cast<LPARAM>(this));
}

// ---- window procedures --------------------------------------------------------------

void TObjectEditor::FormWndProc(TMessage& Message) {
  if (!Form) return;
  TWndMethod saved = FSavedFormProc;
  saved(Message);
  if (Message.Msg == WM_ACTIVATE && Message.WParam != 0 && Form) SetActiveDesigner(this);
}

void TObjectEditor::EditControlWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DESTROY:
      ReleaseDyingWindow();
      return;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(EditHandle, &paint);
      Message.WParam = reinterpret_cast<WPARAM>(dc);
      try {
        PaintGridDots(dc, paint.rcPaint);
        TWndMethod saved = FSavedEditProc;
        saved(Message);
      } catch (...) {
        EndPaint(EditHandle, &paint);
        throw;
      }
      EndPaint(EditHandle, &paint);
      return;
    }
    default: {
      TWndMethod saved = FSavedEditProc;
      saved(Message);
      if (Message.Msg == WM_WINDOWPOSCHANGED) {
        auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
        const UINT still = SWP_NOSIZE | SWP_NOMOVE;
        if (!pos || (pos->flags & still) != still) Modified();
      }
    }
  }
}

void TObjectEditor::PaintGridDots(HDC DC, const TRect& PaintRect) {
  if (GridX < 1 || GridY < 1) return;
  const int32_t h = GetScrollPos(EditHandle, SB_HORZ);
  const int32_t v = GetScrollPos(EditHandle, SB_VERT);
  const int32_t x0 = PaintRect.Left + 1 - ((PaintRect.Left + h + 1) % GridX);
  const int32_t y0 = PaintRect.Top + 1 - ((PaintRect.Top + v + 1) % GridY);
  const COLORREF colour = static_cast<COLORREF>(ColorToRGB(GridColor));
  for (int32_t x = x0; x <= PaintRect.Right; x += GridX)
    for (int32_t y = y0; y <= PaintRect.Bottom; y += GridY) SetPixel(DC, x, y, colour);
}

// ---- interception -----------------------------------------------------------------

bool TObjectEditor::IsDesignWindow(HWND W) const {
  if (!EditHandle || !W) return false;
  if (W == EditHandle) return true;
  return IsChild(EditHandle, W) && GetWindowLongPtr(W, GWL_USERDATA) != GrabHandleMark;
}

void TObjectEditor::CallWndProcHook(CWPSTRUCT& CWP) {
  if (!IsDesignWindow(CWP.hwnd)) return;
  if (CWP.message == WM_CLOSE)
    CloseRequest(CWP);
  else if (CWP.message == WM_CANCELMODE)
    CancelTracking();
}

void TObjectEditor::CloseRequest(CWPSTRUCT& CWP) {
  auto* form = dynamic_cast<TCustomForm*>(EditControl);
  if (CWP.hwnd != EditHandle || !form || (Application && form == Application->MainForm())) return;
  if (FreeOnDetach)
    form->Release();
  else
    ShowWindow(EditHandle, SW_HIDE);
}

void TObjectEditor::GetMessageHook(MSG& Msg) {
  const bool keyToDescendant =
      Msg.message == WM_KEYDOWN && EditHandle && IsChild(EditHandle, Msg.hwnd);
  if (!IsDesignWindow(Msg.hwnd) && !keyToDescendant) return;
  switch (Msg.message) {
    case WM_KEYDOWN: KeyDown(Msg); break;
    case WM_KEYUP:
    case WM_RBUTTONUP: Msg.message = WM_NULL; break;
    case WM_MOUSEMOVE: MouseMove(Msg); break;
    case WM_LBUTTONDOWN: LButtonDown(Msg); break;
    case WM_LBUTTONUP: LButtonUp(Msg); break;
    case WM_LBUTTONDBLCLK: LButtonDblClk(Msg); break;
    case WM_RBUTTONDOWN: RButtonDown(Msg); break;
    default: break;
  }
}

// ---- TFormDesigner answers ----------------------------------------------------------

void TObjectEditor::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                   const std::string& NewName) {
  if (Inspector) Inspector->ComponentRenamed(AComponent, CurName, NewName);
}

void TObjectEditor::GetComponentNames(PTypeData TypeData, const TGetStrProc& Proc) {
  if (!Form || !TypeData || !TypeData->ClassType) return;
  for (int32_t i = 0; i < Form->ComponentCount(); ++i) {
    TComponent* component = Form->Components(i);
    if (component->InheritsFrom(TypeData->ClassType)) Proc(component->Name());
  }
}

TComponent* TObjectEditor::GetComponent(const std::string& Name) {
  return Form ? Form->FindComponent(Name) : nullptr;
}

std::string TObjectEditor::GetComponentName(TComponent* Component) {
  return Component ? Component->Name() : std::string();
}

TComponent* TObjectEditor::GetRoot() { return Form; }
