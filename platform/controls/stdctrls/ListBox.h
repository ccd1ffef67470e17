#pragma once
// TListBox: a native list of strings. Items is the list, bound to the
// window; ItemIndex the current item (-1: none); MultiSelect lets several be
// Selected. Owner-drawn styles paint each item on the list's Canvas in
// OnDrawItem (lbOwnerDrawVariable asks OnMeasureItem for each height).
// Typing searches the items for a case-insensitive prefix. Item rectangles
// and positions are in the list's client coordinates.

#include <vector>

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/stdctrls/DragDrop.h"
#include "platform/controls/stdctrls/StdCtrlsTypes.h"

class TStrings;
class TStringList;

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odComboBoxEdit };
MORVANE_ENUM_TYPEINFO(TOwnerDrawStateItem, odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault,
                      odComboBoxEdit);
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;
MORVANE_SET_TYPEINFO(TOwnerDrawState, TOwnerDrawStateItem);

using TDrawItemEvent =
    TEvent<void(TWinControl* Control, int32_t Index, TRect Rect, TOwnerDrawState State)>;
MORVANE_EVENT_TYPEINFO(TDrawItemEvent,
                       "Control: TWinControl; Index: Integer; Rect: TRect; State: TOwnerDrawState");
using TMeasureItemEvent = TEvent<void(TWinControl* Control, int32_t Index, int32_t& Height)>;
MORVANE_EVENT_TYPEINFO(TMeasureItemEvent, "Control: TWinControl; Index: Integer; var Height: Integer");

class TListBox : public TWinControl, public TDragClient {
  MORVANE_CLASS(TListBox, TWinControl)
  MORVANE_MESSAGE_TABLE(TListBox)

 public:
  explicit TListBox(TComponent* owner);
  ~TListBox() override;

  TStrings* Items() const;
  void SetItems(TStrings* value);
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t value);
  int32_t ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int32_t value);
  bool IntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool value);
  TListBoxStyle Style() const { return FStyle; }
  void SetStyle(TListBoxStyle value);
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  bool MultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool value);
  bool Selected(int32_t index) const;
  void SetSelected(int32_t index, bool value);
  int32_t SelCount() const;
  int32_t TopIndex() const;
  void SetTopIndex(int32_t value);
  TCanvas* Canvas() const { return FCanvas; }
  void Clear();

  // Dragging with this list as the source (DragDrop.h).
  void BeginDrag(bool immediate, int32_t threshold = -1) { ::BeginDrag(this, immediate, threshold); }
  void EndDrag(bool drop) { ::EndDrag(drop); }
  bool Dragging() const { return ::Dragging(this); }

  // The item at pos; with existing false, Count when pos is below the last.
  int32_t ItemAtPos(TPoint pos, bool existing) const;
  TRect ItemRect(int32_t index) const;

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  static void Publish(TPublisher<TListBox>& p);

  // The list's window paints an item (owner-drawn styles).
  void PaintItem(int32_t index, const TRect& rect, TOwnerDrawState state);
  int32_t MeasureItem(int32_t index);

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void DrawItem(int32_t index, const TRect& rect, TOwnerDrawState state);
  void CMLookChanged(TMessage& message);
  // A press starts the drag of a list in dmAutomatic mode.
  void WMLButtonDown(TMessage& message);
  void DefaultHandler(TMessage& message) override;

 private:
  // The items shown now: the window's rows from the list.
  void FillWindow();
  void ItemsChanged();
  TStringList* FItems;
  TControlCanvas* FCanvas;
  int32_t FItemIndex = -1;  // kept while there is no window
  int32_t FItemHeight = 13;
  bool FIntegralHeight = false;
  TListBoxStyle FStyle = lbStandard;
  bool FSorted = false;
  bool FMultiSelect = false;
  std::vector<bool> FSelected;  // kept while there is no window
};
