#pragma once
// TPrinterSetupDialog: kept so that forms holding one load and stream. There
// is no printing here, so Execute shows nothing and answers false.

#include "platform/controls/dialogs/CommonDialog.h"

class TPrinterSetupDialog : public TCommonDialog {
  MORVANE_CLASS(TPrinterSetupDialog, TCommonDialog)

 public:
  explicit TPrinterSetupDialog(TComponent* owner) : TCommonDialog(owner) {}

  bool Execute() override { return false; }
};
