#pragma once
// TColorDialog: asks for a colour. CustomColors holds the custom colour
// boxes as "ColorA=808080" ... "ColorP=..." (hex, FFFFFFFF for an empty box).
// A responder's Choice is the colour: a name ("clRed") or a number.

#include "platform/classes/Strings.h"
#include "platform/controls/dialogs/CommonDialog.h"
#include "platform/graphics/Colors.h"

enum TColorDialogOption { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor };
MORVANE_ENUM_TYPEINFO(TColorDialogOption, cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor);
using TColorDialogOptions = TSet<TColorDialogOption>;
MORVANE_SET_TYPEINFO(TColorDialogOptions, TColorDialogOption);

class TColorDialog : public TCommonDialog {
  MORVANE_CLASS(TColorDialog, TCommonDialog)

 public:
  explicit TColorDialog(TComponent* owner);
  ~TColorDialog() override;

  bool Execute() override;

  TColor Color() const { return FColor; }
  void SetColor(TColor value) { FColor = value; }
  TStrings* CustomColors() const { return FCustomColors; }
  void SetCustomColors(TStrings* value) { FCustomColors->Assign(value); }
  TColorDialogOptions Options() const { return FOptions; }
  void SetOptions(TColorDialogOptions value) { FOptions = value; }

  static void Publish(TPublisher<TColorDialog>& p);

 private:
  bool ShowQtDialog();
  TColor FColor = clBlack;
  TStrings* FCustomColors;
  TColorDialogOptions FOptions;
};
