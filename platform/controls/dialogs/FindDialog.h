#pragma once
// TFindDialog and TReplaceDialog: ask for the text to find (and to replace it
// with). Execute shows the dialog; when the user asks to find, OnFind runs
// (OnReplace for a replacement) with FindText, ReplaceText and Options set.
// A responder's Choice is the text to find and, for TReplaceDialog, the
// replacement.

#include "platform/controls/dialogs/CommonDialog.h"

enum TFindOption {
  frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase, frDisableMatchCase,
  frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp
};
MORVANE_ENUM_TYPEINFO(TFindOption, frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase,
                      frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll,
                      frWholeWord, frShowHelp);
using TFindOptions = TSet<TFindOption>;
MORVANE_SET_TYPEINFO(TFindOptions, TFindOption);

class TFindDialog : public TCommonDialog {
  MORVANE_CLASS(TFindDialog, TCommonDialog)

 public:
  explicit TFindDialog(TComponent* owner) : TCommonDialog(owner) {}

  bool Execute() override;

  const std::string& FindText() const { return FFindText; }
  void SetFindText(const std::string& value) { FFindText = value; }
  TFindOptions Options() const { return FOptions; }
  void SetOptions(TFindOptions value) { FOptions = value; }

  TNotifyEvent OnFind;

  static void Publish(TPublisher<TFindDialog>& p);

 protected:
  virtual bool Replacing() const { return false; }
  // Runs what the user asked for: OnFind here.
  virtual void Accepted();

 private:
  std::string FFindText;
  TFindOptions FOptions{frDown};

 protected:
  std::string FReplaceText;
};

class TReplaceDialog : public TFindDialog {
  MORVANE_CLASS(TReplaceDialog, TFindDialog)

 public:
  explicit TReplaceDialog(TComponent* owner) : TFindDialog(owner) {}

  const std::string& ReplaceText() const { return FReplaceText; }
  void SetReplaceText(const std::string& value) { FReplaceText = value; }

  TNotifyEvent OnReplace;

  static void Publish(TPublisher<TReplaceDialog>& p);

 protected:
  bool Replacing() const override { return true; }
  void Accepted() override;
};
