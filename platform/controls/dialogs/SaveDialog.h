#pragma once
// TSaveDialog: asks for a file name to save to; ofOverwritePrompt makes the
// dialog confirm an existing file.

#include "platform/controls/dialogs/OpenDialog.h"

class TSaveDialog : public TOpenDialog {
  MORVANE_CLASS(TSaveDialog, TOpenDialog)

 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

 protected:
  bool Saving() const override { return true; }
  std::string DefaultTitle() const override { return "Save As"; }
};
