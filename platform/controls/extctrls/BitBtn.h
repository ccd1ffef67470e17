#pragma once
// TBitBtn: a push button with a glyph beside its caption. A Kind other than
// bkCustom gives the button the platform's caption, glyph, modal result and
// Default / Cancel role for that kind (an OK button answers Enter, a Cancel
// button Escape); changing one of those afterwards makes the kind custom
// again. A bkClose button closes its form instead of firing OnClick.

#include "platform/controls/extctrls/ButtonGlyph.h"
#include "platform/controls/stdctrls/Button.h"

enum TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
MORVANE_ENUM_TYPEINFO(TBitBtnKind, bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort,
                      bkRetry, bkIgnore, bkAll);

class TBitBtn : public TButton {
  MORVANE_CLASS(TBitBtn, TButton)
  MORVANE_MESSAGE_TABLE(TBitBtn)

 public:
  explicit TBitBtn(TComponent* owner);
  ~TBitBtn() override;

  TBitBtnKind Kind() const;
  void SetKind(TBitBtnKind value);
  TBitmap* Glyph() const { return FGlyph->Glyph(); }
  void SetGlyph(TBitmap* value);
  TNumGlyphs NumGlyphs() const { return FGlyph->NumGlyphs(); }
  void SetNumGlyphs(TNumGlyphs value) { FGlyph->SetNumGlyphs(value); }
  TButtonLayout Layout() const { return FGlyph->Layout(); }
  void SetLayout(TButtonLayout value) { FGlyph->SetLayout(value); }
  int32_t Margin() const { return FGlyph->Margin(); }
  void SetMargin(int32_t value) { FGlyph->SetMargin(value); }
  int32_t Spacing() const { return FGlyph->Spacing(); }
  void SetSpacing(int32_t value) { FGlyph->SetSpacing(value); }

  void Click() override;

  // What streams: the kind's own values are not written.
  bool IsCustom() const { return Kind() == bkCustom; }
  bool IsCustomCaption() const;

  static void Publish(TPublisher<TBitBtn>& p);

 protected:
  void WMPaint(TMessage& message);
  void CMRepaint(TMessage& message);

 private:
  void DrawButton(HDC dc);
  TButtonGlyph* FGlyph;
  mutable TBitBtnKind FKind = bkCustom;
  bool FModifiedGlyph = false;
};

// The caption, modal result and glyph (two images: normal and disabled, on
// the transparent colour clOlive) of a kind.
const char* BitBtnCaption(TBitBtnKind kind);
TModalResult BitBtnModalResult(TBitBtnKind kind);
void LoadBitBtnGlyph(TBitBtnKind kind, TBitmap* glyph);
