#pragma once
// TSpeedButton: a button without a window (painted by its parent), usually
// with a glyph, used in tool bars and button groups.
//
// Buttons of one parent with the same GroupIndex (above 0) form a group:
// pressing one down sends CM_BUTTONPRESSED to every control of the parent,
// and the one that was down comes up, so exactly one is down; pressing the
// down one again changes nothing unless the group AllowAllUp. A Flat button
// shows its edge only while the mouse is over it (CM_MOUSEENTER and
// CM_MOUSELEAVE) or it is down.

#include "platform/controls/Controls.h"
#include "platform/controls/extctrls/ButtonGlyph.h"

class TSpeedButton : public TGraphicControl {
  MORVANE_CLASS(TSpeedButton, TGraphicControl)
  MORVANE_MESSAGE_TABLE(TSpeedButton)

 public:
  explicit TSpeedButton(TComponent* owner);
  ~TSpeedButton() override;

  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool value);
  int32_t GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int32_t value);
  bool Down() const { return FDown; }
  // A button outside a group never stays down; the down button of a group
  // that does not allow all up cannot be put up directly.
  void SetDown(bool value);
  bool Flat() const { return FFlat; }
  void SetFlat(bool value);
  TBitmap* Glyph() const { return FGlyph->Glyph(); }
  void SetGlyph(TBitmap* value) { FGlyph->SetGlyph(value); }
  TNumGlyphs NumGlyphs() const { return FGlyph->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs value) { FGlyph->SetNumGlyphs(value); }
  TButtonLayout Layout() const { return FGlyph->Layout(); }
  void SetLayout(TButtonLayout value) { FGlyph->SetLayout(value); }
  int32_t Margin() const { return FGlyph->Margin(); }
  void SetMargin(int32_t value) { FGlyph->SetMargin(value); }
  int32_t Spacing() const { return FGlyph->Spacing(); }
  void SetSpacing(int32_t value) { FGlyph->SetSpacing(value); }
  // What the button shows now: up, disabled, pressed or stuck down.
  TButtonState State() const { return FState; }
  bool MouseInControl() const { return FMouseInControl; }

  void Loaded() override;

  static void Publish(TPublisher<TSpeedButton>& p);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseMove(TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  // Tells the group that this button went down.
  void UpdateExclusive();

  void CMButtonPressed(TMessage& message);
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

  TButtonState FState = bsUp;
  bool FMouseInControl = false;
  bool FDragging = false;

 private:
  TButtonGlyph* FGlyph;
  int32_t FGroupIndex = 0;
  bool FDown = false;
  bool FAllowAllUp = false;
  bool FFlat = false;
};
