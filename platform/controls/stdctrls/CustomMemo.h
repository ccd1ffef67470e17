#pragma once
// TCustomMemo: a multi-line edit. Lines is a string list bound to the text:
// reading it reads the window, changing it changes the window. Memo text
// separates lines with LF.

#include "platform/controls/stdctrls/CustomEdit.h"

class TStrings;

class TCustomMemo : public TCustomEdit {
  MORVANE_CLASS(TCustomMemo, TCustomEdit)
  MORVANE_MESSAGE_TABLE(TCustomMemo)

 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return FLines; }
  void SetLines(TStrings* value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool value);
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CMWantSpecialKey(TMessage& message);

 private:
  TStrings* FLines;
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
  MORVANE_CLASS(TMemo, TCustomMemo)

 public:
  explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
  static void Publish(TPublisher<TMemo>& p);
};
