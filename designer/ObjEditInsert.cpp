#include <algorithm>
#include <charconv>

#include "designer/ObjEdit.h"
#include "designer/ObjEditLoading.h"

// Placing new components, unique names and the designer's view of components
// arriving in and leaving the form.

std::string ComponentBaseName(TComponentClass AClass) {
  const std::string& Name = AClass->ClassName();
  if (Name.size() > 1 && (Name[0] == 'T' || Name[0] == 't')) return Name.substr(1);
  return Name;
}

std::string UniqueComponentName(TComponent* Owner, const std::string& BaseName) {
  std::vector<uint64_t> Used;
  for (int32_t I = 0; Owner && I < Owner->ComponentCount(); ++I) {
    const std::string& Name = Owner->Components(I)->Name();
    if (Name.size() <= BaseName.size() || Name.compare(0, BaseName.size(), BaseName) != 0) continue;
    const char* First = Name.data() + BaseName.size();
    const char* Last = Name.data() + Name.size();
    if (!std::all_of(First, Last, [](char C) { return C >= '0' && C <= '9'; })) continue;
    uint64_t Value = 0;
    // A number too long to hold can never be the first free one.
    if (std::from_chars(First, Last, Value).ec != std::errc()) Value = UINT64_MAX;
    Used.push_back(Value);
  }
  std::sort(Used.begin(), Used.end());
  // Every value not above N moves N on, so a 0 or a number that two names
  // share (Button1, Button01) costs one number.
  uint64_t N = 1;
  for (uint64_t Value : Used) {
    if (N < Value) break;
    ++N;
  }
  return BaseName + std::to_string(N);
}

void TObjectEditor::SetInsertClass(TControl* Notify, TComponentClass AClass) {
  CancelInsert(false);
  if (!AClass) return;
  InsertNotify = Notify;
  InsertClass = AClass;
}

void TObjectEditor::CancelInsert(bool Notify) {
  if (!InsertNotify) return;
  if (Notify) InsertNotify->Perform(WM_PALETTERESET, 0, 0);
  InsertClass = nullptr;
  InsertNotify = nullptr;
}

void TObjectEditor::InsertAtPress(TControl* Hit, HWND Window, TPoint P) {
  if (!Hit) return;
  auto* Container = dynamic_cast<TWinControl*>(Hit);
  if (Hit == EditControl || !InsertClass->InheritsFrom(TControl::StaticClass())) {
    // The drag runs in the edited control's window, so the point is measured
    // there, also when the press hit a control deep inside it.
    MapWindowPoints(Window, EditHandle, &P, 1);
    BeginInsert(EditHandle, P);
  } else if (Container && Container->ControlStyle().Contains(csAcceptsControls)) {
    MapWindowPoints(Window, Container->Handle(), &P, 1);
    BeginInsert(Container->Handle(), P);
  } else {
    // Beside the control that was hit: a sibling in its parent's window.
    HWND Beside = DesignWindowOf(Hit);
    MapWindowPoints(Window, Beside, &P, 1);
    BeginInsert(Beside, P);
  }
}

void TObjectEditor::BeginInsert(HWND Window, TPoint P) {
  // Placing drags the same band as a rubber-band selection, without grid,
  // committing also a click without movement; only its ends differ.
  BeginSelect(Window, P);
  DragState.Kind = dkInsert;
  DragState.OnUp = [this] {
    EndTracking();
    PlaceNewComponent();
    if (OnInsertDone) OnInsertDone(this);
  };
  // After a release this disarms quietly; after a cancel it tells the palette.
  DragState.OnCancel = [this](bool Cancelled) { CancelInsert(Cancelled); };
}

void TObjectEditor::PlaceNewComponent() {
  const TPoint& A = DragState.Origin;
  const TPoint& B = DragState.Current;
  TRect R{std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
  TWinControl* Parent = TWinControl::FindControl(DragState.Window);
  TComponent* New = CreateComponentAt(Parent, InsertClass, R);
  if (InsertNotify) InsertNotify->Perform(WM_PALETTERESET, 0, reinterpret_cast<LPARAM>(New));
}

TComponent* TObjectEditor::CreateComponentAt(TWinControl* Parent, TComponentClass AClass,
                                             const TRect& R) {
  TComponent* New;
  {
    TInspectorUpdate Update(Inspector);
    // Made without owner and then inserted, so that the form's notification
    // sees the finished component rather than its base part.
    New = ::CreateComponent(AClass, nullptr);
    try {
      if (Form) Form->InsertComponent(New);
    } catch (...) {
      New->Free();
      throw;
    }
    New->SetName(UniqueName(ComponentBaseName(AClass)));
  }
  MarkModified();
  auto* Control = dynamic_cast<TControl*>(New);
  if (!Control) {
    // A non-visual component is placed and selected through its container;
    // containers are not made yet, so such a component gets no item.
    return New;
  }
  if (R.Width() > 2 && R.Height() > 2)
    Control->SetBounds(R.Left, R.Top, R.Width(), R.Height());
  else
    Control->SetBounds(R.Left, R.Top, Control->Width(), Control->Height());
  Control->SetParent(Parent);
  if (OnCreateComponent) OnCreateComponent(New);
  AddToSelection(Control, true);
  NotifySelection();
  return New;
}

TComponent* TObjectEditor::CreateComponent(TComponentClass ComponentClass, TComponent* Parent,
                                           int32_t Left, int32_t Top, int32_t Width,
                                           int32_t Height) {
  TWinControl* Container = ObjectAs<TWinControl>(Parent);
  return CreateComponentAt(Container, ComponentClass,
                           TRect{Left, Top, Left + Width, Top + Height});
}

std::string TObjectEditor::UniqueName(const std::string& BaseName) {
  return UniqueComponentName(Form, BaseName);
}

bool TObjectEditor::NameExists(const std::string& Name) {
  return Form && Form->FindComponent(Name) != nullptr;
}

void TObjectEditor::Notification(TPersistent* AComponent, TOperation Operation) {
  auto* Component = dynamic_cast<TComponent*>(AComponent);
  if (!Component || !Form || Component->Owner() != Form) return;
  // A component made with the form as owner is announced from its base
  // constructor and looks like a bare component here; paste and form load
  // collect their arrivals once reading is done (CollectLoaded).
  auto* Control = dynamic_cast<TControl*>(Component);
  if (Operation == opInsert) {
    // A component without parent would get its container here; containers
    // are not made yet, so only controls are items.
    if (Control && LoadedList) LoadedList->push_back(Control);
  } else if (Control) {
    Control->Perform(WM_UNSELECT, 1, 0);
  }
  // The inspector hears it as any component hears of its owner's changes.
  if (Inspector) static_cast<TComponent*>(Inspector)->Notification(Component, Operation);
}
