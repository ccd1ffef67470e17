#include "apps/MorvaneEditor/MorvaneMain.h"

#include "apps/MorvaneEditor/MorvaneMainForm.h"
#include "apps/MorvaneEditor/ProgramParams.h"
#include "apps/MorvaneEditor/TestForm.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/controls/Application.h"
#include "platform/controls/MessageDialogs.h"
#include "platform/controls/Screen.h"
#include "platform/controls/dialogs/OpenDialog.h"
#include "platform/controls/dialogs/SaveDialog.h"
#include "platform/controls/extctrls/Bevel.h"
#include "platform/controls/extctrls/Panel.h"
#include "platform/controls/extctrls/SpeedButton.h"
#include "platform/controls/extctrls/Splitter.h"
#include "platform/controls/menus/MainMenu.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/windows/Modules.h"
#include "platform/windows/Windows.h"

void TAppBuilder::Publish(TPublisher<TAppBuilder>& p) {
  p.Method<&TAppBuilder::FormCreate>("FormCreate");
  p.Method<&TAppBuilder::FormDestroy>("FormDestroy");
  p.Method<&TAppBuilder::FormClose>("FormClose");
  p.Method<&TAppBuilder::btnNewClick>("btnNewClick");
  p.Method<&TAppBuilder::FileNewFormItemClick>("FileNewFormItemClick");
  p.Method<&TAppBuilder::btnOpenReportClick>("btnOpenReportClick");
  p.Method<&TAppBuilder::FileOpenItemClick>("FileOpenItemClick");
  p.Method<&TAppBuilder::btnSaveReportClick>("btnSaveReportClick");
  p.Method<&TAppBuilder::FileSaveItemClick>("FileSaveItemClick");
  p.Method<&TAppBuilder::FileSaveAsItemClick>("FileSaveAsItemClick");
  p.Method<&TAppBuilder::FileSaveAllItemClick>("FileSaveAllItemClick");
  p.Method<&TAppBuilder::FileCloseItemClick>("FileCloseItemClick");
  p.Method<&TAppBuilder::FileCloseAllItemClick>("FileCloseAllItemClick");
  p.Method<&TAppBuilder::FileExitItemClick>("FileExitItemClick");
  p.Method<&TAppBuilder::EditCutItemClick>("EditCutItemClick");
  p.Method<&TAppBuilder::EditCopyItemClick>("EditCopyItemClick");
  p.Method<&TAppBuilder::EditPasteItemClick>("EditPasteItemClick");
  p.Method<&TAppBuilder::EditDeleteItemClick>("EditDeleteItemClick");
  p.Method<&TAppBuilder::ViewObjectInspectorClick>("ViewObjectInspectorClick");
  p.Method<&TAppBuilder::AdvSpeedButton1Click>("AdvSpeedButton1Click");
  p.Method<&TAppBuilder::AdvSpeedButton2Click>("AdvSpeedButton2Click");
  p.Method<&TAppBuilder::btnRunClick>("btnRunClick");
  p.Method<&TAppBuilder::btnEditClick>("btnEditClick");
}

void TAppBuilder::Messages(TMessageMap<TAppBuilder>& map) {
  map.On<&TAppBuilder::WMGetMinMaxInfo>(WM_GETMINMAXINFO);
}

namespace {
template <class T>
T* Found(TComponent* root, const char* name) {
  return ObjectAs<T>(root->FindComponent(name));
}
}  // namespace

void TAppBuilder::Loaded() {
  inherited::Loaded();
  Bevel1 = Found<TBevel>(this, "Bevel1");
  Panel1 = Found<TPanel>(this, "Panel1");
  Splitter1 = Found<TSplitter>(this, "Splitter1");
  Panel2 = Found<TPanel>(this, "Panel2");
  btnNew = Found<TSpeedButton>(this, "btnNew");
  btnOpenReport = Found<TSpeedButton>(this, "btnOpenReport");
  btnSaveReport = Found<TSpeedButton>(this, "btnSaveReport");
  AdvSpeedButton2 = Found<TSpeedButton>(this, "AdvSpeedButton2");
  AdvSpeedButton1 = Found<TSpeedButton>(this, "AdvSpeedButton1");
  btnEdit = Found<TSpeedButton>(this, "btnEdit");
  btnRun = Found<TSpeedButton>(this, "btnRun");
  MainMenu1 = Found<TMainMenu>(this, "MainMenu1");
  OpenFileDialog = Found<TOpenDialog>(this, "OpenFileDialog");
  SaveFileDialog = Found<TSaveDialog>(this, "SaveFileDialog");
  PackageDialog = Found<TOpenDialog>(this, "PackageDialog");
  LoadToolBarGlyphs();
}

// The glyphs are program resources rather than part of the form resource, so
// that their generator can redraw them without touching the form's text.
void TAppBuilder::LoadToolBarGlyphs() {
  const std::pair<TSpeedButton*, const char*> glyphs[] = {
      {btnNew, "NEWFORM"},           {btnOpenReport, "OPENFORM"}, {btnSaveReport, "SAVEFORM"},
      {AdvSpeedButton2, "OPENPACKAGE"}, {AdvSpeedButton1, "ALIGNPALETTE"},
      {btnEdit, "EDITFORM"},         {btnRun, "RUNFORM"},
  };
  for (auto [button, name] : glyphs) button->Glyph()->LoadFromResourceName(HInstance(), name);
}

// ---- start and end ---------------------------------------------------------------

void TAppBuilder::FormCreate(TObject*) {
  FFormFiles = new TStringList();
  FFormClass = TTestForm::StaticClass();

  // Settings: the settings file, the class of new forms, the design packages,
  // the hidden palette pages and classes, and the palette's rebuild come here
  // with the settings unit.

  SetLeft(0);
  SetTop(0);
  SetWidth(Screen->Width());

  // The object inspector's window is placed here once the inspector exists.

  const std::string name = ParamStr(1);
  if (name.empty()) return;
  OpenFileDialog->SetInitialDir(ExtractFilePath(name));
  // A file that cannot be read is reported, and the editor starts anyway
  // with the empty form bound to that name.
  try {
    if (FileExists(name))
      OpenFormFile(name);
    else
      NewDesignForm(name);
  } catch (...) {
    Application->HandleException(this);
  }
}

void TAppBuilder::FormDestroy(TObject*) {
  // Designers outlive the window when the program ends; they must not call
  // back into it.
  for (int32_t i = 0; i < FFormFiles->Count(); ++i)
    static_cast<TObjectEditor*>(FFormFiles->Objects(i))->OnDestroy.Clear();
  delete FFormFiles;
  FFormFiles = nullptr;
}

void TAppBuilder::FormClose(TObject*, TCloseAction& Action) {
  if (!SaveModified(true)) Action = caNone;
}

// ---- handlers ----------------------------------------------------------------------

void TAppBuilder::btnNewClick(TObject*) { NewDesignForm(""); }
void TAppBuilder::FileNewFormItemClick(TObject*) { NewDesignForm(""); }
void TAppBuilder::btnOpenReportClick(TObject*) { OpenForm(); }
void TAppBuilder::FileOpenItemClick(TObject*) { OpenForm(); }
void TAppBuilder::btnSaveReportClick(TObject*) { SaveForm(); }
void TAppBuilder::FileSaveItemClick(TObject*) { SaveForm(); }

void TAppBuilder::FileSaveAsItemClick(TObject*) {
  std::string FileName;
  SaveFormAs(FileName);
}

void TAppBuilder::FileSaveAllItemClick(TObject*) { SaveModified(false); }
void TAppBuilder::FileCloseItemClick(TObject*) { CloseForm(); }
void TAppBuilder::FileCloseAllItemClick(TObject*) { CloseAllForms(); }
void TAppBuilder::FileExitItemClick(TObject*) { Close(); }

void TAppBuilder::EditCutItemClick(TObject*) {
  if (TObjectEditor* d = ActiveDesigner()) d->CutToClipboard();
}

void TAppBuilder::EditCopyItemClick(TObject*) {
  if (TObjectEditor* d = ActiveDesigner()) d->CopyToClipboard();
}

void TAppBuilder::EditPasteItemClick(TObject*) {
  if (TObjectEditor* d = ActiveDesigner()) d->PasteFromClipboard();
}

void TAppBuilder::EditDeleteItemClick(TObject*) {
  if (TObjectEditor* d = ActiveDesigner()) d->DeleteSelection();
}

// The inspector window, the alignment palette and package loading arrive
// with the settings and tool windows.
void TAppBuilder::ViewObjectInspectorClick(TObject*) {}
void TAppBuilder::AdvSpeedButton1Click(TObject*) {}
void TAppBuilder::AdvSpeedButton2Click(TObject*) {}

void TAppBuilder::btnRunClick(TObject*) {
  TObjectEditor* d = ActiveDesigner();
  if (FRunForm || !d) return;
  FRunDesigner = d;
  FRunForm = d->Form;
  d->FreeOnDetach = false;
  d->SetEditControl(nullptr);
  FRunForm->FreeNotification(this);
  UpdateRunButtons();
}

void TAppBuilder::btnEditClick(TObject*) {
  if (!FRunForm || !FRunDesigner) return;
  FRunDesigner->FreeOnDetach = true;
  FRunDesigner->SetEditControl(FRunForm);
  FRunForm->RemoveFreeNotification(this);
  FRunForm = nullptr;
  FRunDesigner = nullptr;
  UpdateRunButtons();
}

void TAppBuilder::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove || !FRunForm || AComponent != FRunForm) return;
  // Nothing will put the designer back on this form: free it, which also
  // removes its entry through OnDestroy.
  TObjectEditor* designer = FRunDesigner;
  FRunForm = nullptr;
  FRunDesigner = nullptr;
  designer->Free();
  UpdateRunButtons();
}

void TAppBuilder::UpdateRunButtons() {
  if (!FFormFiles) return;
  btnRun->SetEnabled(!FRunForm && FFormFiles->Count() > 0);
  btnEdit->SetEnabled(FRunForm != nullptr);
}

void TAppBuilder::WMGetMinMaxInfo(TMessage& Message) {
  DispatchFrom(inherited::ClassMessageTable(), Message);
  MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  info->ptMaxSize.Y = Height();
  info->ptMaxTrackSize.Y = Height();
}

// ---- forms and files ------------------------------------------------------------------

TObjectEditor* TAppBuilder::NewDesignForm(const std::string& FileName) {
  auto* form = ObjectAs<TCustomForm>(CreateComponent(FFormClass, Application));
  // No inspector window yet: new forms start at the left edge.
  form->SetBounds(0, Top() + Height(), 500, 400);
  form->SetName(UniqueComponentName(Application, ComponentBaseName(FFormClass)));
  // Shown as a form, not only as a window: the platform shows a form's
  // controls only while the form itself is Visible.
  form->Show();
  // The window system places a shown window a moment later; let that move
  // arrive before the designer watches the form, or a new form would start
  // out modified.
  Application->ProcessMessages();
  TObjectEditor* designer = CreateDesigner(form, nullptr);
  designer->LiveDrag = true;
  designer->OnDestroy.Bind<&TAppBuilder::DesignerDestroyed>(this);
  FFormFiles->AddObject(FileName, designer);
  UpdateRunButtons();
  return designer;
}

void TAppBuilder::OpenForm() {
  if (OpenFileDialog->Execute()) OpenFormFile(OpenFileDialog->FileName());
}

void TAppBuilder::OpenFormFile(std::string FileName) {
  if (UpperCase(ExtractFileExt(FileName)) == ".PAS") FileName = ChangeFileExt(FileName, ".DFM");
  TObjectEditor* designer = NewDesignForm(FileName);
  designer->LoadFromFile(FileName);
}

bool TAppBuilder::SaveForm() {
  TObjectEditor* d = ActiveDesigner();
  if (!d) return true;
  const int32_t entry = EntryOf(d);
  const std::string name = entry >= 0 ? FFormFiles->Strings(entry) : std::string();
  if (!name.empty()) {
    d->SaveToFile(name);
    d->ClearModified();
    return true;
  }
  std::string chosen;
  SaveFormAs(chosen);
  return !chosen.empty();
}

void TAppBuilder::SaveFormAs(std::string& FileName) {
  FileName.clear();
  TObjectEditor* d = ActiveDesigner();
  if (!d) return;
  const int32_t entry = EntryOf(d);
  SaveFileDialog->SetFileName(entry >= 0 ? FFormFiles->Strings(entry) : std::string());
  if (!SaveFileDialog->Execute()) return;
  const std::string chosen = SaveFileDialog->FileName();
  d->SaveToFile(chosen);
  FileName = chosen;
  if (entry >= 0) FFormFiles->Put(entry, chosen);
  d->ClearModified();
}

bool TAppBuilder::SaveModified(bool Ask) {
  // A detached designer writes nothing: a changed form that runs goes back
  // into design mode to be saved.
  if (FRunDesigner && FRunDesigner->IsModified) btnEditClick(this);
  for (int32_t i = 0; i < FFormFiles->Count(); ++i) {
    auto* d = static_cast<TObjectEditor*>(FFormFiles->Objects(i));
    if (!d->IsModified) continue;
    if (Ask) {
      const int32_t answer = AskSave(FFormFiles->Strings(i), d);
      if (answer == mrCancel) return false;
      if (answer == mrNo) continue;
    }
    ActivateDesignedForm(d);
    if (!SaveForm()) return false;
  }
  return true;
}

int32_t TAppBuilder::AskSave(const std::string& FileName, TObjectEditor* Designer) {
  std::string label = FileName;
  if (label.empty()) label = "New Report \"" + FormOf(Designer)->Name() + "\"";
  return MessageDlg(label + " has been modified, save ?", mtConfirmation, mbYesNoCancel, 0);
}

void TAppBuilder::CloseForm() {
  TObjectEditor* d = ActiveDesigner();
  if (!d) return;
  if (!d->IsModified || SaveForm()) d->Form->Release();
}

void TAppBuilder::CloseAllForms() {
  if (!SaveModified(true)) return;
  for (int32_t i = FFormFiles->Count() - 1; i >= 0; --i) {
    auto* d = static_cast<TObjectEditor*>(FFormFiles->Objects(i));
    d->ClearModified();
    ActivateDesignedForm(d);
    FormOf(d)->Release();
  }
}

void TAppBuilder::DesignerDestroyed(TObject* Sender) {
  if (!FFormFiles) return;
  const int32_t entry = FFormFiles->IndexOfObject(Sender);
  if (entry >= 0) FFormFiles->Delete(entry);
  UpdateRunButtons();
}

TCustomForm* TAppBuilder::FormOf(TObjectEditor* Designer) const {
  return Designer == FRunDesigner ? FRunForm : Designer->Form;
}

void TAppBuilder::ActivateDesignedForm(TObjectEditor* Designer) {
  TCustomForm* form = FormOf(Designer);
  form->BringToFront();
  SetActiveWindow(form->Handle());
}

int32_t TAppBuilder::EntryOf(TObjectEditor* Designer) const { return FFormFiles->IndexOfObject(Designer); }

void RegisterMorvaneMain() {
  RegisterClasses({TAppBuilder::StaticClass(), TTestForm::StaticClass()});
  RegisterMorvaneMainResource();
}
