#pragma once
// TGroupBox: an etched frame with its caption in the top edge, holding
// controls. TRadioGroup: a group box showing one radio button per line of
// Items, in Columns columns; ItemIndex is the checked one (-1: none). Its
// buttons belong to it and are not streamed.

#include <vector>

#include "platform/controls/CustomControl.h"
#include "platform/controls/stdctrls/CheckBox.h"

class TStringList;
class TStrings;

class TCustomGroupBox : public TCustomControl {
  MORVANE_CLASS(TCustomGroupBox, TCustomControl)
  MORVANE_MESSAGE_TABLE(TCustomGroupBox)

 public:
  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void Paint() override;
  void AlignControls(TControl* control, TRect& rect) override;
  // The area inside the frame, below the caption.
  TRect FrameClientRect();
  void CMTextChanged(TMessage& message);
};

class TGroupBox : public TCustomGroupBox {
  MORVANE_CLASS(TGroupBox, TCustomGroupBox)

 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
  static void Publish(TPublisher<TGroupBox>& p);
};

class TRadioGroup : public TCustomGroupBox {
  MORVANE_CLASS(TRadioGroup, TCustomGroupBox)

 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;

  TStrings* Items() const;
  void SetItems(TStrings* value);
  int32_t ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int32_t value);
  int32_t Columns() const { return FColumns; }
  void SetColumns(int32_t value);
  // The radio button of each item, in order.
  TRadioButton* Buttons(int32_t index) const { return FButtons.at(static_cast<size_t>(index)); }

  static void Publish(TPublisher<TRadioGroup>& p);

 protected:
  void Loaded() override;
  void ReadState(TReader* reader) override;
  void Resize() override;

 private:
  void ItemsChanged();
  void UpdateButtons();
  void ArrangeButtons();
  void ButtonClick(TObject* sender);

  TStringList* FItems;
  std::vector<TRadioButton*> FButtons;
  int32_t FItemIndex = -1;
  int32_t FColumns = 1;
  bool FReading = false;
  bool FUpdating = false;
};
