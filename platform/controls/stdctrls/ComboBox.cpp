#include "platform/controls/stdctrls/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <algorithm>
#include <cstring>

#include "platform/classes/Strings.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/controls/stdctrls/NativeLook.h"
#include "platform/windows/QtWindows.h"

namespace {

// A combo box that tells its control before its list opens.
class QControlComboBox : public QComboBox {
 public:
  QControlComboBox(TComboBox* control, QWidget* parent) : QComboBox(parent), FControl(control) {}
  void showPopup() override {
    FControl->DropDown();
    QComboBox::showPopup();
  }

 private:
  TComboBox* FControl;
};

QComboBox* ComboOf(HWND handle) { return handle ? qobject_cast<QComboBox*>(WindowWidget(handle)) : nullptr; }

}  // namespace

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner), FItems(new TStringList) {
  FControlStyle = TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight};
  FParentColor = false;
  FColor = clWindow;
  FTabStop = true;
  FItems->OnChange = [this](TObject*) {
    FItemIndex = std::min(ItemIndex(), FItems->Count() - 1);
    FillWindow();
  };
  SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() {
  FItems->OnChange = {};
  delete FItems;
}

TStrings* TComboBox::Items() const { return FItems; }

void TComboBox::SetItems(TStrings* value) { FItems->Assign(value); }

QWidget* TComboBox::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* combo = new QControlComboBox(this, parent);
  combo->setEditable(Editable());
  // The edit takes what is typed as it is, without completing it from the items.
  if (Editable()) combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(FDropDownCount);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

void TComboBox::CreateWnd() {
  std::string text = FText;
  inherited::CreateWnd();
  QComboBox* combo = ComboOf(FHandle);
  ApplyNativeLook(combo, this, ncrBase);
  FillWindow();
  if (Editable()) combo->setEditText(QString::fromStdString(text));
  QObject::connect(combo, QOverload<int>::of(&QComboBox::activated), [this](int) { UserSelected(); });
  if (QLineEdit* edit = combo->lineEdit())
    QObject::connect(edit, &QLineEdit::textEdited, [this](const QString&) { UserTyped(); });
}

void TComboBox::Loaded() {
  int32_t index = FItemIndex;
  FItemIndex = -1;
  inherited::Loaded();
  if (index >= 0) {
    std::string text = Text();
    SetItemIndex(index);
    if (Editable()) SetText(text);
  }
}

void TComboBox::DestroyWnd() {
  FItemIndex = ItemIndex();
  inherited::DestroyWnd();
}

void TComboBox::FillWindow() {
  QComboBox* combo = ComboOf(FHandle);
  if (!combo) return;
  QString edit = combo->currentText();
  QSignalBlocker block(combo);
  combo->clear();
  for (int32_t i = 0; i < FItems->Count(); ++i) combo->addItem(QString::fromStdString(FItems->Strings(i)));
  combo->setCurrentIndex(FItemIndex);
  if (Editable() && FItemIndex < 0) combo->setEditText(edit);
}

int32_t TComboBox::ItemIndex() const {
  QComboBox* combo = ComboOf(FHandle);
  if (!combo) return FItemIndex;
  // An edited text that is no longer the item's means no item.
  int index = combo->currentIndex();
  if (index >= 0 && Editable() && combo->currentText() != combo->itemText(index)) return -1;
  return index;
}

void TComboBox::SetItemIndex(int32_t value) {
  // Files may carry the index before the items: it waits for Loaded.
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = value;
    return;
  }
  if (value < -1 || value >= FItems->Count()) value = -1;
  FItemIndex = value;
  if (value >= 0) FText = FItems->Strings(value);
  if (QComboBox* combo = ComboOf(FHandle)) {
    QSignalBlocker block(combo);
    combo->setCurrentIndex(value);
    if (value < 0 && Editable()) combo->setEditText("");
  }
}

std::string TComboBox::WindowText() const {
  QComboBox* combo = ComboOf(FHandle);
  return combo ? combo->currentText().toStdString() : FText;
}

void TComboBox::WMGetText(TMessage& message) {
  std::string text = WindowText();
  auto* out = reinterpret_cast<char*>(message.LParam);
  message.Result = 0;
  if (!out || message.WParam == 0) return;
  size_t n = std::min(text.size(), static_cast<size_t>(message.WParam) - 1);
  std::memcpy(out, text.data(), n);
  out[n] = '\0';
  message.Result = static_cast<LRESULT>(n);
}

void TComboBox::WMGetTextLength(TMessage& message) { message.Result = static_cast<LRESULT>(WindowText().size()); }

void TComboBox::WMSetText(TMessage& message) {
  QString text = QString::fromUtf8(message.LParam ? reinterpret_cast<const char*>(message.LParam) : "");
  QComboBox* combo = ComboOf(FHandle);
  QSignalBlocker block(combo);
  // A list without an edit shows text only as one of its items.
  int index = combo->findText(text, Qt::MatchFixedString);
  if (Editable())
    combo->setEditText(text);
  else
    combo->setCurrentIndex(index);
  message.Result = Editable() || index >= 0 ? 1 : 0;
}

void TComboBox::SetStyle(TComboBoxStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  RecreateWnd();
}

void TComboBox::SetDropDownCount(int32_t value) {
  FDropDownCount = value;
  if (QComboBox* combo = ComboOf(FHandle)) combo->setMaxVisibleItems(value);
}

void TComboBox::SetSorted(bool value) {
  FSorted = value;
  FItems->SetSorted(value);
}

bool TComboBox::DroppedDown() const {
  QComboBox* combo = ComboOf(FHandle);
  return combo && combo->view()->isVisible();
}

void TComboBox::SetDroppedDown(bool value) {
  QComboBox* combo = ComboOf(Handle());
  if (value)
    combo->showPopup();
  else
    combo->hidePopup();
}

void TComboBox::Clear() {
  FItems->Clear();
  SetText("");
}

void TComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TComboBox::UserSelected() {
  Click();
  if (OnSelect)
    OnSelect(this);
  else
    Change();
}

void TComboBox::UserTyped() { Change(); }

void TComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TComboBox::CMLookChanged(TMessage&) {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrBase);
}

void TComboBox::Messages(TMessageMap<TComboBox>& m) {
  m.On<&TComboBox::WMGetText>(WM_GETTEXT);
  m.On<&TComboBox::WMGetTextLength>(WM_GETTEXTLENGTH);
  m.On<&TComboBox::WMSetText>(WM_SETTEXT);
  m.On<&TComboBox::CMLookChanged>(CM_FONTCHANGED);
  m.On<&TComboBox::CMLookChanged>(CM_COLORCHANGED);
}

void TComboBox::Publish(TPublisher<TComboBox>& p) {
  p.Property("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
  PublishAnchors(p);
  PublishColor(p);
  p.Property("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight);
  p.Property("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
  p.Property("Items", &TComboBox::Items, &TComboBox::SetItems);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  p.Property("Text", &TControl::Text, &TControl::SetText).Type(TypeInfoTCaption());
  PublishVisible(p);
  p.Event("OnChange", &TComboBox::OnChange);
  PublishOnClick(p);
  PublishOnDblClick(p);
  p.Event("OnDrawItem", &TComboBox::OnDrawItem);
  p.Event("OnDropDown", &TComboBox::OnDropDown);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  p.Event("OnSelect", &TComboBox::OnSelect);
}
