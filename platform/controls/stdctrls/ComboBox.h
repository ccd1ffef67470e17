#pragma once
// TComboBox: a native combo box. Items is the list, bound to the window;
// ItemIndex the chosen item (-1: none); Text the edit's text (csDropDown,
// csSimple) or the chosen item's (csDropDownList, csOwnerDrawFixed).
// Choosing an item fires OnClick and then OnSelect (OnChange when there is
// none); typing in the edit fires OnChange; opening the list OnDropDown.

#include "platform/controls/WinControl.h"
#include "platform/controls/stdctrls/ListBox.h"

class TStrings;
class TStringList;

class TComboBox : public TWinControl {
  MORVANE_CLASS(TComboBox, TWinControl)
  MORVANE_MESSAGE_TABLE(TComboBox)

 public:
  explicit TComboBox(TComponent* owner);
  ~TComboBox() override;

  TStrings* Items() const;
  void SetItems(TStrings* value);
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t value);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle value);
  int32_t DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int32_t value);
  int32_t ItemHeight() const { return FItemHeight; }
  void SetItemHeight(int32_t value) { FItemHeight = value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  void Clear();

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnSelect;
  TDrawItemEvent OnDrawItem;
  static void Publish(TPublisher<TComboBox>& p);

  // The window calls these.
  void DropDown();
  void UserSelected();
  void UserTyped();

 protected:
  QWidget* CreateNativeWidget(const TCreateParams& params, QWidget* parent) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Loaded() override;
  virtual void Change();
  bool Editable() const { return FStyle == csDropDown || FStyle == csSimple; }
  void WMGetText(TMessage& message);
  void WMGetTextLength(TMessage& message);
  void WMSetText(TMessage& message);
  void CMLookChanged(TMessage& message);

 private:
  void FillWindow();
  std::string WindowText() const;
  TStringList* FItems;
  int32_t FItemIndex = -1;  // kept while there is no window
  TComboBoxStyle FStyle = csDropDown;
  int32_t FDropDownCount = 8;
  int32_t FItemHeight = 13;
  bool FSorted = false;
  bool FFilling = false;
};
