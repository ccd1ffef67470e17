#pragma once
// TAppBuilder: the editor's main window, a strip across the top of the screen
// with the menus, the tool bar and the place of the component palette. It
// keeps the forms being designed, each bound to a form file, runs the file
// and clipboard commands on them, and takes one form out of design mode
// ("run") and puts it back ("edit").
//
// The window is made from its form resource (MorvaneMainForm.cpp), which
// binds every handler below by name; Application->CreateForm makes it.

#include <string>

#include "designer/ObjEdit.h"
#include "platform/classes/Strings.h"
#include "platform/controls/Forms.h"
#include "platform/controls/MessageTable.h"

class TBevel;
class TPanel;
class TSplitter;
class TLabel;
class TSpeedButton;
class TMainMenu;
class TMenuItem;
class TOpenDialog;
class TSaveDialog;

class TAppBuilder : public TForm {
  MORVANE_CLASS(TAppBuilder, TForm)
  MORVANE_MESSAGE_TABLE(TAppBuilder)

 public:
  explicit TAppBuilder(TComponent* AOwner) : TForm(AOwner) {}
  static void Publish(TPublisher<TAppBuilder>& p);

  // The components of the form resource, found by name once it is read.
  TBevel* Bevel1 = nullptr;
  TPanel* Panel1 = nullptr;
  TSplitter* Splitter1 = nullptr;
  // Holds the component palette, which fills it.
  TPanel* Panel2 = nullptr;
  TSpeedButton* btnNew = nullptr;
  TSpeedButton* btnOpenReport = nullptr;
  TSpeedButton* btnSaveReport = nullptr;
  TSpeedButton* AdvSpeedButton2 = nullptr;
  TSpeedButton* AdvSpeedButton1 = nullptr;
  TSpeedButton* btnEdit = nullptr;
  TSpeedButton* btnRun = nullptr;
  TMainMenu* MainMenu1 = nullptr;
  TOpenDialog* OpenFileDialog = nullptr;
  TSaveDialog* SaveFileDialog = nullptr;
  TOpenDialog* PackageDialog = nullptr;

  // Handlers bound by the form resource.
  void FormCreate(TObject* Sender);
  void FormDestroy(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnNewClick(TObject* Sender);
  void FileNewFormItemClick(TObject* Sender);
  void btnOpenReportClick(TObject* Sender);
  void FileOpenItemClick(TObject* Sender);
  void btnSaveReportClick(TObject* Sender);
  void FileSaveItemClick(TObject* Sender);
  void FileSaveAsItemClick(TObject* Sender);
  void FileSaveAllItemClick(TObject* Sender);
  void FileCloseItemClick(TObject* Sender);
  void FileCloseAllItemClick(TObject* Sender);
  void FileExitItemClick(TObject* Sender);
  void EditCutItemClick(TObject* Sender);
  void EditCopyItemClick(TObject* Sender);
  void EditPasteItemClick(TObject* Sender);
  void EditDeleteItemClick(TObject* Sender);
  void ViewObjectInspectorClick(TObject* Sender);
  void AdvSpeedButton1Click(TObject* Sender);
  void AdvSpeedButton2Click(TObject* Sender);
  void btnRunClick(TObject* Sender);
  void btnEditClick(TObject* Sender);

  // For tests and tool windows: the forms being designed, in creation order
  // (file name and designer), and the form now in run mode.
  const TStringList* FormFiles() const { return FFormFiles; }
  TCustomForm* RunForm() const { return FRunForm; }

 protected:
  void Loaded() override;
  // A form that goes while it runs takes its kept designer with it.
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void WMGetMinMaxInfo(TMessage& Message);

 private:
  TObjectEditor* NewDesignForm(const std::string& FileName);
  void OpenForm();
  void OpenFormFile(std::string FileName);
  bool SaveForm();
  void SaveFormAs(std::string& FileName);
  bool SaveModified(bool Ask);
  int32_t AskSave(const std::string& FileName, TObjectEditor* Designer);
  void CloseForm();
  void CloseAllForms();
  void DesignerDestroyed(TObject* Sender);
  // Brings the designer's form to the front and activates it, which makes
  // the designer the active one.
  void ActivateDesignedForm(TObjectEditor* Designer);
  // The form of an entry's designer; a detached one (in run mode) has none
  // of its own.
  TCustomForm* FormOf(TObjectEditor* Designer) const;
  // Index of Designer's entry in FFormFiles, -1 when it has none.
  int32_t EntryOf(TObjectEditor* Designer) const;
  void LoadToolBarGlyphs();
  // Run is offered while a form is designed and none runs; edit while one runs.
  void UpdateRunButtons();

  // One entry per form being designed: the file name (empty for a form
  // never saved) with the form's designer as its object; owns nothing.
  TStringList* FFormFiles = nullptr;
  TClass FFormClass = nullptr;
  TCustomForm* FRunForm = nullptr;
  TObjectEditor* FRunDesigner = nullptr;
};

// Registers the main window's form resource and the classes the editor makes
// by name (TAppBuilder, TTestForm). Call once before CreateForm.
void RegisterMorvaneMain();
