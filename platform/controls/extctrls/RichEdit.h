#pragma once
// TRichEdit: a multi-line edit for formatted text. Text here is plain: Lines
// hold the text as a memo's do; PlainText is kept for form files that set
// it, and HideScrollBars too.

#include "platform/controls/stdctrls/CustomMemo.h"

class TRichEdit : public TCustomMemo {
  MORVANE_CLASS(TRichEdit, TCustomMemo)

 public:
  explicit TRichEdit(TComponent* owner);

  bool HideScrollBars() const { return FHideScrollBars; }
  void SetHideScrollBars(bool value) { FHideScrollBars = value; }
  bool PlainText() const { return FPlainText; }
  void SetPlainText(bool value) { FPlainText = value; }

  static void Publish(TPublisher<TRichEdit>& p);

 private:
  bool FHideScrollBars = true;
  bool FPlainText = false;
};
