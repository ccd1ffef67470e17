#pragma once
// TOpenDialog: asks for one file to open, or several (ofAllowMultiSelect).
// The chosen files land in FileName and Files; a name typed without an
// extension gets DefaultExt. FilterIndex counts the filter's pairs from 1.
//
// Under a modal responder the request carries Title, Filter and Options, and
// the answer's Choice is the list of chosen files.

#include "platform/classes/Strings.h"
#include "platform/controls/dialogs/CommonDialog.h"

enum TOpenOption {
  ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
  ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
  ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
  ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
  ofForceShowHidden
};
MORVANE_ENUM_TYPEINFO(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp,
                      ofNoValidate, ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist,
                      ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton,
                      ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
                      ofEnableSizing, ofDontAddToRecent, ofForceShowHidden);
using TOpenOptions = TSet<TOpenOption>;
MORVANE_SET_TYPEINFO(TOpenOptions, TOpenOption);

enum TOpenOptionEx { ofExNoPlacesBar };
MORVANE_ENUM_TYPEINFO(TOpenOptionEx, ofExNoPlacesBar);
using TOpenOptionsEx = TSet<TOpenOptionEx>;
MORVANE_SET_TYPEINFO(TOpenOptionsEx, TOpenOptionEx);

class TOpenDialog : public TCommonDialog {
  MORVANE_CLASS(TOpenDialog, TCommonDialog)

 public:
  explicit TOpenDialog(TComponent* owner);
  ~TOpenDialog() override;

  bool Execute() override;

  const std::string& DefaultExt() const { return FDefaultExt; }
  void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& value) { FFileName = value; }
  // Every file chosen, also the one of a single choice.
  TStrings* Files() const { return FFiles; }
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& value) { FFilter = value; }
  // The filter is written unless it is the one a new dialog has.
  bool IsFilterStored() const { return FFilter != DefaultFilter(); }
  int32_t FilterIndex() const { return FFilterIndex; }
  void SetFilterIndex(int32_t value) { FFilterIndex = value; }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& value) { FInitialDir = value; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions value) { FOptions = value; }
  TOpenOptionsEx OptionsEx() const { return FOptionsEx; }
  void SetOptionsEx(TOpenOptionsEx value) { FOptionsEx = value; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& value) { FTitle = value; }

  TNotifyEvent OnFolderChange;
  TNotifyEvent OnSelectionChange;
  TNotifyEvent OnTypeChange;

  static void Publish(TPublisher<TOpenDialog>& p);

 protected:
  // Whether the dialog saves (TSaveDialog) rather than opens.
  virtual bool Saving() const { return false; }
  // The title shown when Title is empty.
  virtual std::string DefaultTitle() const { return "Open"; }
  // The filter of a new dialog.
  virtual std::string DefaultFilter() const { return {}; }

 private:
  bool ShowQtDialog(std::vector<std::string>& files);
  // Takes the chosen files: DefaultExt, FileName, Files, ofExtensionDifferent
  // and the current folder (unless ofNoChangeDir).
  void TakeFiles(const std::vector<std::string>& files);

  std::string FDefaultExt;
  std::string FFileName;
  TStrings* FFiles;
  std::string FFilter;
  int32_t FFilterIndex = 1;
  std::string FInitialDir;
  TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
  TOpenOptionsEx FOptionsEx;
  std::string FTitle;
};
