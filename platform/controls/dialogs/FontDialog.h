#pragma once
// TFontDialog: asks for a font, starting from Font and leaving the choice in
// it. A responder's Choice is the font's name and, optionally, its size in
// points.

#include "platform/controls/dialogs/CommonDialog.h"
#include "platform/graphics/Font.h"
#include "platform/windows/WinTypes.h"

enum TFontDialogDevice { fdScreen, fdPrinter, fdBoth };
MORVANE_ENUM_TYPEINFO(TFontDialogDevice, fdScreen, fdPrinter, fdBoth);

enum TFontDialogOption {
  fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly, fdForceFontExist, fdNoFaceSel, fdNoOEMFonts,
  fdNoSimulations, fdNoSizeSel, fdNoStyleSel, fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize,
  fdScalableOnly, fdApplyButton
};
MORVANE_ENUM_TYPEINFO(TFontDialogOption, fdAnsiOnly, fdTrueTypeOnly, fdEffects, fdFixedPitchOnly,
                      fdForceFontExist, fdNoFaceSel, fdNoOEMFonts, fdNoSimulations, fdNoSizeSel, fdNoStyleSel,
                      fdNoVectorFonts, fdShowHelp, fdWysiwyg, fdLimitSize, fdScalableOnly, fdApplyButton);
using TFontDialogOptions = TSet<TFontDialogOption>;
MORVANE_SET_TYPEINFO(TFontDialogOptions, TFontDialogOption);

using TFDApplyEvent = TEvent<void(TObject* Sender, HWND Wnd)>;
MORVANE_EVENT_TYPEINFO(TFDApplyEvent, "Sender: TObject; Wnd: HWND");

class TFontDialog : public TCommonDialog {
  MORVANE_CLASS(TFontDialog, TCommonDialog)

 public:
  explicit TFontDialog(TComponent* owner);
  ~TFontDialog() override;

  bool Execute() override;

  TFont* Font() const { return FFont; }
  void SetFont(TFont* value) { FFont->Assign(value); }
  TFontDialogDevice Device() const { return FDevice; }
  void SetDevice(TFontDialogDevice value) { FDevice = value; }
  // With fdLimitSize, the sizes offered lie between these (0: no limit).
  int32_t MinFontSize() const { return FMinFontSize; }
  void SetMinFontSize(int32_t value) { FMinFontSize = value; }
  int32_t MaxFontSize() const { return FMaxFontSize; }
  void SetMaxFontSize(int32_t value) { FMaxFontSize = value; }
  TFontDialogOptions Options() const { return FOptions; }
  void SetOptions(TFontDialogOptions value) { FOptions = value; }

  TFDApplyEvent OnApply;

  static void Publish(TPublisher<TFontDialog>& p);

 private:
  bool ShowQtDialog();
  // size clamped to MinFontSize..MaxFontSize under fdLimitSize.
  int32_t LimitSize(int32_t size) const;

  TFont* FFont;
  TFontDialogDevice FDevice = fdScreen;
  int32_t FMinFontSize = 0;
  int32_t FMaxFontSize = 0;
  TFontDialogOptions FOptions{fdEffects};
};
