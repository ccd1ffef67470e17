#include "platform/controls/dialogs/OpenDialog.h"

#include <QFileDialog>
#include <filesystem>
#include <system_error>

#include "platform/controls/dialogs/FileFilter.h"
#include "platform/core/SysUtils.h"

TOpenDialog::TOpenDialog(TComponent* owner) : TCommonDialog(owner), FFiles(new TStringList) {}

TOpenDialog::~TOpenDialog() { delete FFiles; }

bool TOpenDialog::Execute() {
  TModalRequest request = Request(FTitle.empty() ? DefaultTitle() : FTitle);
  request.Filter = FFilter;
  std::vector<std::string> files;
  if (!Run(request, [this, &files] { return ShowQtDialog(files); })) return false;
  if (TModalResponder::Answers()) files = request.Choice;
  // An answer that chose nothing is no file: the dialog was not accepted.
  if (files.empty()) return false;
  TakeFiles(files);
  return true;
}

void TOpenDialog::TakeFiles(const std::vector<std::string>& files) {
  FFiles->Clear();
  for (const std::string& file : files) FFiles->Add(AddDefaultExt(file, FDefaultExt));
  FFileName = FFiles->Strings(0);
  std::string ext = FDefaultExt;
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  std::string chosen = std::filesystem::path(FFileName).extension().string();
  if (!chosen.empty()) chosen.erase(0, 1);
  if (!ext.empty() && !SameText(chosen, ext)) FOptions.Include(ofExtensionDifferent);
  else FOptions.Exclude(ofExtensionDifferent);
  if (!FOptions.Contains(ofNoChangeDir)) {
    std::filesystem::path folder = std::filesystem::path(FFileName).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::current_path(folder, ignored);
  }
}

bool TOpenDialog::ShowQtDialog(std::vector<std::string>& files) {
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setWindowTitle(QString::fromStdString(FTitle.empty() ? DefaultTitle() : FTitle));
  dialog.setAcceptMode(Saving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (Saving()) {
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !FOptions.Contains(ofOverwritePrompt));
  } else if (FOptions.Contains(ofAllowMultiSelect)) {
    dialog.setFileMode(QFileDialog::ExistingFiles);
  } else {
    dialog.setFileMode(FOptions.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  dialog.setOption(QFileDialog::ReadOnly, FOptions.Contains(ofReadOnly) && !Saving());
  if (!FInitialDir.empty()) dialog.setDirectory(QString::fromStdString(FInitialDir));
  QStringList nameFilters;
  for (const TFileFilter& filter : ParseFileFilter(FFilter))
    nameFilters << QString::fromStdString(QtNameFilter(filter));
  if (!nameFilters.isEmpty()) {
    dialog.setNameFilters(nameFilters);
    if (FFilterIndex >= 1 && FFilterIndex <= nameFilters.size()) dialog.selectNameFilter(nameFilters[FFilterIndex - 1]);
  }
  if (!FFileName.empty()) dialog.selectFile(QString::fromStdString(FFileName));
  if (dialog.exec() != QDialog::Accepted) return false;
  for (const QString& file : dialog.selectedFiles()) files.push_back(file.toStdString());
  if (int index = nameFilters.indexOf(dialog.selectedNameFilter()); index >= 0) FFilterIndex = index + 1;
  return true;
}

void TOpenDialog::Publish(TPublisher<TOpenDialog>& p) {
  p.Property("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt);
  p.Property("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName);
  p.Property("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter).Stored(&TOpenDialog::IsFilterStored);
  p.Property("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
  p.Property("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir);
  p.Property("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions)
      .Default(static_cast<int32_t>(TOpenOptions{ofHideReadOnly, ofEnableSizing}.ToOrdinal()));
  p.Property("OptionsEx", &TOpenDialog::OptionsEx, &TOpenDialog::SetOptionsEx).Default(0);
  p.Property("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle);
  p.Event("OnFolderChange", &TOpenDialog::OnFolderChange);
  p.Event("OnSelectionChange", &TOpenDialog::OnSelectionChange);
  p.Event("OnTypeChange", &TOpenDialog::OnTypeChange);
}
