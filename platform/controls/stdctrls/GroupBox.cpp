#include "platform/controls/stdctrls/GroupBox.h"

#include <algorithm>

#include "platform/classes/Strings.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/graphics/DrawFunctions.h"

namespace {

template <class T>
void PublishGroupCommon(TPublisher<T>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishCaption(p);
  PublishColor(p);
  PublishEnabled(p);
  PublishFont(p);
  PublishParentColor(p);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  PublishTabOrder(p);
  PublishTabStop(p);
  PublishVisible(p);
}

}  // namespace

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 185, 105);
}

TRect TCustomGroupBox::FrameClientRect() {
  Canvas()->Font()->Assign(Font());
  int32_t textHeight = Canvas()->TextHeight("0");
  return Rect(2, textHeight, std::max(Width() - 2, 2), std::max(Height() - 2, textHeight));
}

void TCustomGroupBox::AlignControls(TControl* control, TRect& rect) {
  rect = FrameClientRect();
  inherited::AlignControls(control, rect);
}

void TCustomGroupBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  int32_t textHeight = canvas->TextHeight("0");
  TRect frame = Rect(0, textHeight / 2, Width(), Height());
  DrawEdge(canvas->Handle(), &frame, EDGE_ETCHED, BF_RECT);
  std::string caption = Caption();
  if (caption.empty()) return;
  TRect text = Rect(8, 0, 0, textHeight);
  DrawText(canvas->Handle(), caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
  text.Right += 2;
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(text);
  text.Left += 1;
  DrawText(canvas->Handle(), caption.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT);
}

void TCustomGroupBox::CMTextChanged(TMessage&) {
  Invalidate();
  Realign();
}

void TCustomGroupBox::Messages(TMessageMap<TCustomGroupBox>& m) {
  m.On<&TCustomGroupBox::CMTextChanged>(CM_TEXTCHANGED);
}

void TGroupBox::Publish(TPublisher<TGroupBox>& p) {
  PublishGroupCommon(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner), FItems(new TStringList) {
  FControlStyle.Exclude(csAcceptsControls);
  FItems->OnChange = [this](TObject*) { ItemsChanged(); };
}

TRadioGroup::~TRadioGroup() {
  // The buttons go with the group's children; only the list is ours.
  FItems->OnChange = {};
  delete FItems;
}

TStrings* TRadioGroup::Items() const { return FItems; }

void TRadioGroup::SetItems(TStrings* value) { FItems->Assign(value); }

void TRadioGroup::SetItemIndex(int32_t value) {
  if (FReading) {
    FItemIndex = value;
    return;
  }
  value = std::clamp(value, -1, FItems->Count() - 1);
  if (FItemIndex == value) return;
  FItemIndex = value;
  FUpdating = true;
  if (value >= 0)
    FButtons[static_cast<size_t>(value)]->SetChecked(true);
  else
    for (TRadioButton* button : FButtons) button->SetChecked(false);
  FUpdating = false;
}

void TRadioGroup::SetColumns(int32_t value) {
  value = std::clamp(value, 1, 16);
  if (FColumns == value) return;
  FColumns = value;
  ArrangeButtons();
}

void TRadioGroup::ReadState(TReader* reader) {
  FReading = true;
  inherited::ReadState(reader);
  FReading = false;
}

void TRadioGroup::Loaded() {
  inherited::Loaded();
  UpdateButtons();
}

void TRadioGroup::ItemsChanged() {
  if (FReading) return;
  if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
  UpdateButtons();
}

void TRadioGroup::UpdateButtons() {
  while (static_cast<int32_t>(FButtons.size()) > FItems->Count()) {
    FButtons.back()->Free();
    FButtons.pop_back();
  }
  while (static_cast<int32_t>(FButtons.size()) < FItems->Count()) {
    auto* button = new TRadioButton(this);
    button->OnClick = [this](TObject* sender) { ButtonClick(sender); };
    button->SetParent(this);
    FButtons.push_back(button);
  }
  FUpdating = true;
  for (size_t i = 0; i < FButtons.size(); ++i) {
    FButtons[i]->SetCaption(FItems->Strings(static_cast<int32_t>(i)));
    FButtons[i]->SetChecked(static_cast<int32_t>(i) == FItemIndex);
    FButtons[i]->SetEnabled(Enabled());
  }
  FUpdating = false;
  ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  TRect area = FrameClientRect();
  auto count = static_cast<int32_t>(FButtons.size());
  int32_t perColumn = (count + FColumns - 1) / FColumns;
  int32_t columnWidth = (area.Width() - 8) / FColumns;
  int32_t rowHeight = std::max((area.Height() - 4) / perColumn, 1);
  int32_t buttonHeight = std::min(rowHeight, 17);
  for (int32_t i = 0; i < count; ++i) {
    int32_t column = i / perColumn;
    int32_t row = i % perColumn;
    FButtons[static_cast<size_t>(i)]->SetBounds(area.Left + 6 + column * columnWidth,
                                                area.Top + 2 + row * rowHeight + (rowHeight - buttonHeight) / 2,
                                                columnWidth - 2, buttonHeight);
  }
}

void TRadioGroup::ButtonClick(TObject* sender) {
  if (FUpdating) return;
  auto it = std::find(FButtons.begin(), FButtons.end(), sender);
  if (it == FButtons.end() || !static_cast<TRadioButton*>(sender)->Checked()) return;
  FItemIndex = static_cast<int32_t>(it - FButtons.begin());
  Click();
}

void TRadioGroup::Resize() {
  inherited::Resize();
  ArrangeButtons();
}

void TRadioGroup::Publish(TPublisher<TRadioGroup>& p) {
  PublishGroupCommon(p);
  p.Property("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
  p.Property("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
  p.Property("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
  PublishOnClick(p);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
}
