#pragma once
// TScreen (the Screen global): the desktop as the program sees it: its size,
// the cursor table and a cursor that overrides every control's, the forms
// and the active one, the installed fonts.

#include <map>
#include <vector>

#include "platform/classes/Strings.h"
#include "platform/controls/ControlTypes.h"
#include "platform/classes/Component.h"

class TCustomForm;
class TWinControl;

class TScreen : public TComponent {
  MORVANE_CLASS(TScreen, TComponent)

 public:
  explicit TScreen(TComponent* owner);
  ~TScreen() override;

  int32_t Width() const;
  int32_t Height() const;
  int32_t PixelsPerInch() const { return 96; }

  // A cursor shown over every control while it is not crDefault.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor value);
  // The cursor handle of a TCursor; unknown ones answer the arrow.
  HCURSOR Cursors(int32_t index) const;
  // Adds or replaces a program's cursor (positive indexes).
  void SetCursors(int32_t index, HCURSOR handle);

  TCustomForm* ActiveForm() const { return FActiveForm; }
  TWinControl* ActiveControl() const;
  int32_t FormCount() const { return static_cast<int32_t>(FForms.size()); }
  // Raises EListError for an index out of range.
  TCustomForm* Forms(int32_t index) const;
  // The font families installed, sorted.
  TStrings* Fonts();

  // Kept by the forms themselves.
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);

 private:
  TCursor FCursor = crDefault;
  std::map<int32_t, HCURSOR> FCursors;
  std::vector<HCURSOR> FMadeCursors;
  std::vector<TCustomForm*> FForms;
  TCustomForm* FActiveForm = nullptr;
  TStringList* FFonts = nullptr;
};

extern TScreen* Screen;
