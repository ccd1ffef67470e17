#pragma once
// TCustomEdit: a box of editable text. Its window is a native single-line
// edit; a descendant that adds ES_MULTILINE to its window style gets a
// multi-line edit window instead (TCustomMemo, and edits that lay their text
// out themselves). Text, selection and the modified flag live in the window
// while there is one.
//
// The text rectangle (SetTextRect, EM_SETRECT) keeps the text inside part of
// the client area, so that a descendant can paint a button at one end
// (PaintWindow runs around the native painting, as for every control).

#include <cstdint>
#include <string>

#include "platform/controls/WinControl.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class TCustomEdit : public TWinControl {
  MORVANE_CLASS(TCustomEdit, TWinControl)
  MORVANE_MESSAGE_TABLE(TCustomEdit)

 public:
  explicit TCustomEdit(TComponent* owner);

  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool value) { FAutoSelect = value; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool value);
  // 0: no limit.
  int32_t MaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t value);
  // #0: the text shows as it is; any other character hides it.
  char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool value);
  // Set when the user changes the text; setting Text clears it.
  bool Modified() const;
  void SetModified(bool value);

  // Character positions; SelLength 0 is the caret alone.
  int32_t SelStart() const;
  void SetSelStart(int32_t value);
  int32_t SelLength() const;
  void SetSelLength(int32_t value);
  std::string SelText() const;
  // Replaces the selection (inserts at the caret when there is none).
  void SetSelText(const std::string& value);
  void SelectAll();
  void ClearSelection() { SetSelText(""); }
  void Clear() { SetText(""); }

  // The part of the client area that shows the text; the whole client area
  // until set. Lasts while the window does.
  TRect TextRect() const;
  void SetTextRect(const TRect& rect);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void DefaultHandler(TMessage& message) override;
  void DestroyWnd() override;
  virtual void Change();
  // The window now has the control's font and colours.
  virtual void UpdateLook();
  bool Multiline() const;
  // Moves the text to what CharCase asks for.
  std::string CasedText(const std::string& text) const;
  // The height for the font, with or without the border.
  void AdjustHeight();

  void WMGetText(TMessage& message);
  void WMGetTextLength(TMessage& message);
  void WMSetText(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMSize(TMessage& message);
  void EMGetSel(TMessage& message);
  void EMSetSel(TMessage& message);
  void EMGetRect(TMessage& message);
  void EMSetRect(TMessage& message);
  void EMGetModify(TMessage& message);
  void EMSetModify(TMessage& message);
  void EMReplaceSel(TMessage& message);
  void EMLimitText(TMessage& message);
  void EMSetReadOnly(TMessage& message);
  void CMTextChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMColorChanged(TMessage& message);

  bool FAutoSelect = true;
  bool FAutoSize = true;
  TBorderStyle FBorderStyle = bsSingle;
  TEditCharCase FCharCase = ecNormal;
  bool FHideSelection = true;
  int32_t FMaxLength = 0;
  char FPasswordChar = '\0';
  bool FReadOnly = false;
  bool FModified = false;  // kept while there is no window
  bool FHasTextRect = false;
  TRect FTextRect;
  DWORD FWindowStyle = 0;  // the style the window was made with
};
