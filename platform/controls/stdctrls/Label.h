#pragma once
// TLabel: text without a window, painted by its parent with DrawText. '&'
// marks the accelerator when ShowAccelChar holds; the accelerator focuses
// FocusControl. AutoSize fits the bounds to the text (keeping the width when
// WordWrap holds).

#include "platform/controls/GraphicControl.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class TWinControl;

class TLabel : public TGraphicControl {
  MORVANE_CLASS(TLabel, TGraphicControl)
  MORVANE_MESSAGE_TABLE(TLabel)

 public:
  explicit TLabel(TComponent* owner);

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout value);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool value);

  static void Publish(TPublisher<TLabel>& p);

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Draws the caption into rect with flags (DT_CALCRECT measures).
  void DoDrawText(TRect& rect, UINT flags);
  void AdjustBounds();
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMDialogChar(TMessage& message);

 private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TWinControl* FFocusControl = nullptr;
  TTextLayout FLayout = tlTop;
  bool FShowAccelChar = true;
  bool FWordWrap = false;
};
