#pragma once
// TOpenPictureDialog and TSavePictureDialog: file dialogs whose filter offers
// the picture formats the graphics layer knows (GraphicFilter).

#include "platform/controls/dialogs/SaveDialog.h"

class TOpenPictureDialog : public TOpenDialog {
  MORVANE_CLASS(TOpenPictureDialog, TOpenDialog)

 public:
  explicit TOpenPictureDialog(TComponent* owner);

 protected:
  std::string DefaultFilter() const override;
};

class TSavePictureDialog : public TOpenPictureDialog {
  MORVANE_CLASS(TSavePictureDialog, TOpenPictureDialog)

 public:
  explicit TSavePictureDialog(TComponent* owner) : TOpenPictureDialog(owner) {}

 protected:
  bool Saving() const override { return true; }
  std::string DefaultTitle() const override { return "Save As"; }
};
