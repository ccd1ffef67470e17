#include "platform/controls/stdctrls/ListBox.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/classes/Strings.h"
#include "platform/controls/ControlPublishing.h"
#include "platform/controls/stdctrls/NativeLook.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Canvas.h"
#include "platform/windows/Painting.h"
#include "platform/windows/QtWindows.h"

namespace {

constexpr int kFrame = 2;  // the sunken border's width on each side

// Rows of the list's height; owner-drawn rows painted by the control.
class TListDelegate : public QStyledItemDelegate {
 public:
  TListDelegate(TListBox* list, QObject* parent) : QStyledItemDelegate(parent), FList(list) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (FList->Style() == lbStandard) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    QPoint origin = view ? view->viewport()->pos() : QPoint();
    QRect r = option.rect;
    TRect rect = Bounds(r.x() + origin.x(), r.y() + origin.y(), r.width(), r.height());
    TOwnerDrawState state;
    if (option.state & QStyle::State_Selected) state.Include(odSelected);
    if (option.state & QStyle::State_HasFocus) state.Include(odFocused);
    if (!(option.state & QStyle::State_Enabled)) state.Include(odDisabled);
    QImage image(r.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    HDC dc = CreateImageDC(&image);
    SetViewportOrgEx(dc, -rect.Left, -rect.Top, nullptr);
    try {
      FList->Canvas()->SetHandle(dc);
      FList->PaintItem(index.row(), rect, state);
    } catch (...) {
      FList->Canvas()->SetHandle(nullptr);
      DeleteDC(dc);
      throw;
    }
    FList->Canvas()->SetHandle(nullptr);
    DeleteDC(dc);
    painter->drawImage(r.topLeft(), image);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    int height = FList->Style() == lbOwnerDrawVariable ? FList->MeasureItem(index.row()) : FList->ItemHeight();
    return {std::max(option.rect.width(), 1), std::max(height, 1)};
  }

 private:
  TListBox* FList;
};

QListWidget* ListOf(HWND handle) { return handle ? qobject_cast<QListWidget*>(WindowWidget(handle)) : nullptr; }

}  // namespace

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner), FItems(new TStringList), FCanvas(new TControlCanvas) {
  FCanvas->SetControl(this);
  FControlStyle = TControlStyle{csDoubleClicks};
  FParentColor = false;
  FColor = clWindow;
  FTabStop = true;
  FItems->OnChange = [this](TObject*) { ItemsChanged(); };
  SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() {
  CancelDragOf(this);
  FItems->OnChange = {};
  delete FItems;
  delete FCanvas;
}

TStrings* TListBox::Items() const { return FItems; }

void TListBox::SetItems(TStrings* value) { FItems->Assign(value); }

QWidget* TListBox::CreateNativeWidget(const TCreateParams&, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setItemDelegate(new TListDelegate(this, list));
  list->setUniformItemSizes(FStyle != lbOwnerDrawVariable);
  list->setSelectionMode(FMultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
  list->setFrameShape(QFrame::StyledPanel);
  list->setLineWidth(kFrame);
  return list;
}

void TListBox::CreateWnd() {
  inherited::CreateWnd();
  ApplyNativeLook(WindowWidget(FHandle), this, ncrBase);
  FillWindow();
  QListWidget* list = ListOf(FHandle);
  QObject::connect(list, &QListWidget::currentRowChanged, [this](int) {
    if (!FControlState.Contains(csCreating) && !ComponentState().Contains(csLoading)) Click();
  });
}

void TListBox::DestroyWnd() {
  FItemIndex = ItemIndex();
  FSelected.assign(static_cast<size_t>(FItems->Count()), false);
  for (int32_t i = 0; i < FItems->Count(); ++i) FSelected[static_cast<size_t>(i)] = Selected(i);
  inherited::DestroyWnd();
}

void TListBox::FillWindow() {
  QListWidget* list = ListOf(FHandle);
  if (!list) return;
  QSignalBlocker block(list);
  list->clear();
  for (int32_t i = 0; i < FItems->Count(); ++i) list->addItem(QString::fromStdString(FItems->Strings(i)));
  for (size_t i = 0; i < FSelected.size() && i < static_cast<size_t>(list->count()); ++i)
    list->item(static_cast<int>(i))->setSelected(FSelected[i]);
  if (FItemIndex >= 0 && FItemIndex < list->count())
    list->setCurrentRow(FItemIndex, FMultiSelect ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
}

void TListBox::ItemsChanged() {
  FItemIndex = std::min(ItemIndex(), FItems->Count() - 1);
  FSelected.clear();
  FillWindow();
}

void TListBox::Clear() { FItems->Clear(); }

int32_t TListBox::ItemIndex() const {
  QListWidget* list = ListOf(FHandle);
  return list ? list->currentRow() : FItemIndex;
}

void TListBox::SetItemIndex(int32_t value) {
  if (value < -1 || value >= FItems->Count()) value = -1;
  FItemIndex = value;
  QListWidget* list = ListOf(FHandle);
  if (!list) return;
  QSignalBlocker block(list);
  if (value < 0) {
    list->setCurrentRow(-1, QItemSelectionModel::Clear);
    return;
  }
  list->setCurrentRow(value, FMultiSelect ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
}

bool TListBox::Selected(int32_t index) const {
  if (index < 0 || index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (QListWidget* list = ListOf(FHandle)) return list->item(index)->isSelected();
  if (!FMultiSelect) return index == FItemIndex;
  return static_cast<size_t>(index) < FSelected.size() && FSelected[static_cast<size_t>(index)];
}

void TListBox::SetSelected(int32_t index, bool value) {
  if (index < 0 || index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  if (!FMultiSelect) {
    SetItemIndex(value ? index : (FItemIndex == index ? -1 : FItemIndex));
    return;
  }
  if (QListWidget* list = ListOf(FHandle)) {
    QSignalBlocker block(list);
    list->item(index)->setSelected(value);
    return;
  }
  FSelected.resize(static_cast<size_t>(FItems->Count()), false);
  FSelected[static_cast<size_t>(index)] = value;
}

int32_t TListBox::SelCount() const {
  if (!FMultiSelect) return -1;
  int32_t count = 0;
  for (int32_t i = 0; i < FItems->Count(); ++i) count += Selected(i) ? 1 : 0;
  return count;
}

int32_t TListBox::TopIndex() const {
  QListWidget* list = ListOf(const_cast<TListBox*>(this)->Handle());
  int row = list->indexAt(QPoint(1, 1)).row();
  return std::max(row, 0);
}

void TListBox::SetTopIndex(int32_t value) {
  QListWidget* list = ListOf(Handle());
  if (QListWidgetItem* item = list->item(std::clamp(value, 0, std::max(list->count() - 1, 0))))
    list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

int32_t TListBox::ItemAtPos(TPoint pos, bool existing) const {
  QListWidget* list = ListOf(const_cast<TListBox*>(this)->Handle());
  QPoint origin = list->viewport()->pos();
  int row = list->indexAt(QPoint(pos.X - origin.x(), pos.Y - origin.y())).row();
  if (row >= 0) return row;
  return existing ? -1 : FItems->Count();
}

TRect TListBox::ItemRect(int32_t index) const {
  QListWidget* list = ListOf(const_cast<TListBox*>(this)->Handle());
  QPoint origin = list->viewport()->pos();
  if (index < 0 || index > list->count()) return {};
  if (index == list->count()) {
    // Just below the last item, where a new one would go.
    TRect last = index > 0 ? ItemRect(index - 1) : Bounds(origin.x(), origin.y(), list->viewport()->width(), 0);
    return Bounds(last.Left, last.Bottom, last.Width(), FItemHeight);
  }
  QRect r = list->visualItemRect(list->item(index));
  return Bounds(r.x() + origin.x(), r.y() + origin.y(), r.width(), r.height());
}

void TListBox::SetItemHeight(int32_t value) {
  if (value <= 0 || value == FItemHeight) return;
  FItemHeight = value;
  RecreateWnd();
}

void TListBox::SetIntegralHeight(bool value) {
  FIntegralHeight = value;
  SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TListBox::SetStyle(TListBoxStyle value) {
  if (FStyle == value) return;
  FStyle = value;
  RecreateWnd();
}

void TListBox::SetSorted(bool value) {
  FSorted = value;
  FItems->SetSorted(value);
}

void TListBox::SetMultiSelect(bool value) {
  if (FMultiSelect == value) return;
  FMultiSelect = value;
  RecreateWnd();
}

void TListBox::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  // Whole items only: the height drops to the last item that fits.
  if (FIntegralHeight && FStyle != lbOwnerDrawVariable && !ComponentState().Contains(csLoading) && FItemHeight > 0) {
    int32_t rows = std::max((height - 2 * kFrame) / FItemHeight, 1);
    height = rows * FItemHeight + 2 * kFrame;
  }
  inherited::SetBounds(left, top, width, height);
}

int32_t TListBox::MeasureItem(int32_t index) {
  int32_t height = FItemHeight;
  if (OnMeasureItem) OnMeasureItem(this, index, height);
  return height;
}

void TListBox::PaintItem(int32_t index, const TRect& rect, TOwnerDrawState state) {
  FCanvas->Font()->Assign(Font());
  if (state.Contains(odSelected)) {
    FCanvas->Brush()->SetColor(clHighlight);
    FCanvas->Font()->SetColor(clHighlightText);
  } else {
    FCanvas->Brush()->SetColor(Color());
  }
  DrawItem(index, rect, state);
}

void TListBox::DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  FCanvas->FillRect(rect);
  if (index >= 0 && index < FItems->Count()) FCanvas->TextOut(rect.Left + 2, rect.Top, FItems->Strings(index));
}

void TListBox::CMLookChanged(TMessage&) {
  if (FHandle) ApplyNativeLook(WindowWidget(FHandle), this, ncrBase);
}

void TListBox::WMLButtonDown(TMessage& message) {
  DispatchFrom(inherited::ClassMessageTable(), message);
  if (DragMode() == dmAutomatic && !Designing()) BeginDrag(false);
}

// A typed character selects the next item that starts with it, ignoring
// case, going round from the end to the top.
void TListBox::DefaultHandler(TMessage& message) {
  QListWidget* list = ListOf(FHandle);
  if (message.Msg != WM_CHAR || !list || message.WParam < 0x20 || list->count() == 0) {
    inherited::DefaultHandler(message);
    return;
  }
  QString typed(QChar(static_cast<char16_t>(message.WParam)));
  int count = list->count();
  for (int step = 1; step <= count; ++step) {
    int row = (std::max(list->currentRow(), -1) + step) % count;
    if (list->item(row)->text().startsWith(typed, Qt::CaseInsensitive)) {
      list->setCurrentRow(row, FMultiSelect ? QItemSelectionModel::NoUpdate : QItemSelectionModel::ClearAndSelect);
      return;
    }
  }
}

void TListBox::Messages(TMessageMap<TListBox>& m) {
  m.On<&TListBox::WMLButtonDown>(WM_LBUTTONDOWN);
  m.On<&TListBox::CMLookChanged>(CM_FONTCHANGED);
  m.On<&TListBox::CMLookChanged>(CM_COLORCHANGED);
}

void TListBox::Publish(TPublisher<TListBox>& p) {
  PublishAlign(p);
  PublishAnchors(p);
  PublishColor(p);
  p.Property("DragCursor", &TListBox::DragCursor, &TListBox::SetDragCursor).Type(TypeInfoTCursor()).Default(crDrag);
  p.Property("DragMode", &TListBox::DragMode, &TListBox::SetDragMode).Default(dmManual);
  PublishEnabled(p);
  PublishFont(p);
  p.Property("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(false);
  p.Property("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight);
  p.Property("Items", &TListBox::Items, &TListBox::SetItems);
  p.Property("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  PublishParentFont(p);
  PublishParentShowHint(p);
  PublishPopupMenu(p);
  PublishShowHint(p);
  p.Property("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
  p.Property("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
  PublishTabOrder(p);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(true);
  PublishVisible(p);
  PublishOnClick(p);
  PublishOnDblClick(p);
  p.Event("OnDragDrop", &TListBox::OnDragDrop);
  p.Event("OnDragOver", &TListBox::OnDragOver);
  p.Event("OnDrawItem", &TListBox::OnDrawItem);
  p.Event("OnEndDrag", &TListBox::OnEndDrag);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
  PublishOnKeyDown(p);
  PublishOnKeyPress(p);
  PublishOnKeyUp(p);
  p.Event("OnMeasureItem", &TListBox::OnMeasureItem);
  PublishOnMouseDown(p);
  PublishOnMouseMove(p);
  PublishOnMouseUp(p);
  p.Event("OnStartDrag", &TListBox::OnStartDrag);
}
